#include "GfxTestFixture.h"

#include "LibGfx_CEngine.h"
#include "LibGfx_CManagerCamera.h"
#include "LibGfx_CObjBase.h"
#include "LibGfx_CPolyQuad.h"

namespace
{
	class Camera : public GfxTest
	{
	protected:
		LibGfx_CManagerCamera* Manager() { return LibGfx_CManagerCamera::Instance(); }
		float EyeX() { return Manager()->GetPosEye()->x; }
		float TargetX() { return Manager()->GetPosTarget()->x; }
		void Frames(int ai_Count)
		{
			for (int i = 0; i < ai_Count; ++i)
				Manager()->Update();
		}
		LibGfx_CCameraBase mo_Side;
	};

	const float kf_Distance = 328.33304f;
}

TEST_F(Camera, FirstPushSwitchesAtOnce)
{
	delete LibGfx_CManagerCamera::sp_instance;
	LibGfx_CManagerCamera::sp_instance = nullptr;
	mo_Side.SetPos(CVector3d<float>(5, 0, 10), CVector3d<float>(5, 0, 0));
	Manager()->Push(&mo_Side, 0.05f);
	EXPECT_EQ(5.0f, EyeX());
	EXPECT_EQ(1.0f, Manager()->GetUpVector()->y);
}

TEST_F(Camera, PushGlidesLinearlyOverTwentyFrames)
{
	mo_Side.SetPos(CVector3d<float>(100, 0, kf_Distance), CVector3d<float>(100, 0, 0));
	Manager()->Push(&mo_Side, 0.05f);
	EXPECT_FLOAT_EQ(0.0f, EyeX());
	for (int i = 1; i < 20; ++i)
	{
		Frames(1);
		EXPECT_NEAR(5.0f * i, EyeX(), 1e-3f) << "frame " << i;
		EXPECT_NEAR(5.0f * i, TargetX(), 1e-3f) << "frame " << i;
	}
	Frames(1);
	EXPECT_EQ(mo_Side.GetEyePos(), Manager()->GetPosEye());   // arrived: the camera itself
}

TEST_F(Camera, PushDuringAGlideStartsFromTheBlendedView)
{
	LibGfx_CCameraBase oOther;
	mo_Side.SetPos(CVector3d<float>(100, 0, kf_Distance), CVector3d<float>(100, 0, 0));
	oOther.SetPos(CVector3d<float>(-100, 0, kf_Distance), CVector3d<float>(-100, 0, 0));
	Manager()->Push(&mo_Side, 0.05f);
	Frames(10);
	Manager()->Push(&oOther, 0.1f);
	EXPECT_NEAR(50.0f, EyeX(), 1e-3f);
	Frames(5);
	EXPECT_NEAR(-25.0f, EyeX(), 1e-3f);
}

TEST_F(Camera, RemovingTheActiveCameraGlidesBackFromTheViewShown)
{
	mo_Side.SetPos(CVector3d<float>(100, 0, kf_Distance), CVector3d<float>(100, 0, 0));
	Manager()->Push(&mo_Side, 0.05f);
	Frames(5);   // a quarter of the way: the view shown is at 25, not yet at the camera
	Manager()->Remove(&mo_Side, 0.05f);
	EXPECT_NEAR(25.0f, EyeX(), 1e-3f);
	Frames(10);
	EXPECT_NEAR(12.5f, EyeX(), 1e-3f);
	Frames(10);
	EXPECT_EQ(gCameraStart.GetEyePos(), Manager()->GetPosEye());
	EXPECT_EQ(1u, Manager()->mo_CameraList.size());
}

TEST_F(Camera, EveryFrameOfAGlideLiesBetweenItsTwoEnds)
{
	// Cameras pushed and removed at odd moments, mid-glide included, as states come and go.
	LibGfx_CCameraBase o_Behind, o_Above;
	mo_Side.SetPos(CVector3d<float>(100, 0, kf_Distance), CVector3d<float>(100, 0, 0));
	o_Behind.SetPos(CVector3d<float>(0, 0, kf_Distance - 700), CVector3d<float>(0, 0, -700));
	o_Above.SetPos(CVector3d<float>(0, 300, kf_Distance + 80), CVector3d<float>(0, 300, 80));
	struct SStep { LibGfx_CCameraBase* p_Camera; bool b_Push; int i_Frames; };
	const SStep o_Steps[] = {
		{&mo_Side, true, 7}, {&o_Behind, true, 20}, {&o_Behind, false, 3}, {&o_Above, true, 12},
		{&o_Above, false, 25}, {&mo_Side, false, 20},
	};
	for (const SStep& o_Step : o_Steps)
	{
		const CVector3d<float> o_FromEye = *Manager()->GetPosEye();
		const CVector3d<float> o_FromTarget = *Manager()->GetPosTarget();
		if (o_Step.b_Push)
			Manager()->Push(o_Step.p_Camera, 0.05f);
		else
			Manager()->Remove(o_Step.p_Camera, 0.05f);
		LibGfx_CCameraBase* p_To = Manager()->mo_CameraList.front();
		// Each frame shows a point of the straight way from the view shown to the new camera, a
		// little further along than the frame before.
		float f_Last = 0.0f;
		for (int i = 0; i <= o_Step.i_Frames; ++i)
		{
			const struct { CVector3d<float> o_From, o_To, o_Now; } o_Points[] = {
				{o_FromEye, *p_To->GetEyePos(), *Manager()->GetPosEye()},
				{o_FromTarget, *p_To->GetTargetPos(), *Manager()->GetPosTarget()},
			};
			for (const auto& o_Point : o_Points)
			{
				const CVector3d<float> o_Way = o_Point.o_To - o_Point.o_From;
				const CVector3d<float> o_Done = o_Point.o_Now - o_Point.o_From;
				const float f_Length2 = o_Way.x * o_Way.x + o_Way.y * o_Way.y + o_Way.z * o_Way.z;
				const float f_Along = f_Length2 > 0.0f ? (o_Done.x * o_Way.x + o_Done.y * o_Way.y + o_Done.z * o_Way.z) / f_Length2 : 1.0f;
				const CVector3d<float> o_Off = o_Done - o_Way * f_Along;
				EXPECT_LT(o_Off.x * o_Off.x + o_Off.y * o_Off.y + o_Off.z * o_Off.z, 1e-2f) << "off the way, frame " << i;
				EXPECT_GE(f_Along, f_Last - 1e-4f) << "backwards, frame " << i;
				EXPECT_LE(f_Along, 1.0f + 1e-4f) << "past the end, frame " << i;
				f_Last = f_Length2 > 0.0f ? f_Along : f_Last;
			}
			Frames(1);
		}
	}
}

TEST_F(Camera, RemovingAnInactiveCameraChangesNothingElse)
{
	mo_Side.SetPos(CVector3d<float>(100, 0, kf_Distance), CVector3d<float>(100, 0, 0));
	LibGfx_CCameraBase oTop;
	oTop.SetPos(CVector3d<float>(0, 0, kf_Distance), CVector3d<float>(0, 0, 0));
	Manager()->Push(&mo_Side, 1.0f);
	Manager()->Push(&mo_Side, 1.0f);   // twice in the list
	Manager()->Push(&oTop, 1.0f);
	Frames(1);
	Manager()->Remove(&mo_Side, 0.05f);
	EXPECT_EQ(1.0f, Manager()->mf_Ratio);
	EXPECT_EQ(2u, Manager()->mo_CameraList.size());   // every occurrence went
}

TEST_F(Camera, TheSceneFollowsTheGlideOnScreen)
{
	LibGfx_CObjBase oObj;
	LibGfx_CPolyQuad oQuad;
	oQuad.Set(CVector3d<float>(-4, 4, 0), CVector3d<float>(4, -4, 0), 0xff0000ffu);
	oObj.AddPoly(&oQuad);
	oObj.SetParent(nullptr);
	oObj.mu32_State |= LibGfx_CObjBase::ke_Obj_Visible;

	// A camera 100 units to the right shows the origin 100 pixels left of the centre.
	mo_Side.SetPos(CVector3d<float>(100, 0, kf_Distance), CVector3d<float>(100, 0, 0));
	Manager()->Push(&mo_Side, 0.05f);
	DrawFrame();   // the update runs first: 1/20 of the way
	EXPECT_EQ(0xff0000ffu, Pixel(235, 136));
	for (int i = 0; i < 9; ++i)
		DrawFrame();
	EXPECT_EQ(0xff0000ffu, Pixel(190, 136));
	EXPECT_EQ(0xff000000u, Pixel(240, 136));
	for (int i = 0; i < 10; ++i)
		DrawFrame();
	EXPECT_EQ(0xff0000ffu, Pixel(140, 136));

	Manager()->Remove(&mo_Side, 0.05f);
	for (int i = 0; i < 20; ++i)
		DrawFrame();
	EXPECT_EQ(0xff0000ffu, Pixel(240, 136));
	EXPECT_EQ(0xff000000u, Pixel(140, 136));
}

// The camera's matrices are built on the processor for every device: the projection maps the
// near and far planes to the device's depth range, and the product of projection and view takes
// a point where the two matrices one after the other take it.
TEST_F(Camera, TheMatricesMapNearAndFarToEachDevicesDepthRange)
{
	mo_Side.SetPos(CVector3d<float>(100, 0, kf_Distance), CVector3d<float>(100, 0, 0));
	Manager()->Push(&mo_Side, 1.0f);
	Frames(1);
	float af_View[16], af_Projection[16], af_Both[16];
	Manager()->ComputeView(af_View);
	const auto Depth = [&](eDepthRange ae_Range, float af_Z) {
		LibGfx_CManagerCamera::ComputeProjection(ae_Range, af_Projection);
		LibGfx_MultiplyMatrix(af_Projection, af_View, af_Both);
		// Column-major: clip z and w of the point (100, 0, af_Z).
		const float f_Z = af_Both[2] * 100 + af_Both[10] * af_Z + af_Both[14];
		const float f_W = af_Both[3] * 100 + af_Both[11] * af_Z + af_Both[15];
		return f_Z / f_W;
	};
	EXPECT_NEAR(-1.0f, Depth(ke_Depth_MinusOneToOne, kf_Distance - 1.0f), 1e-4f);
	EXPECT_NEAR(1.0f, Depth(ke_Depth_MinusOneToOne, kf_Distance - 1000.0f), 1e-4f);
	EXPECT_NEAR(0.0f, Depth(ke_Depth_ZeroToOne, kf_Distance - 1.0f), 1e-4f);
	EXPECT_NEAR(1.0f, Depth(ke_Depth_ZeroToOne, kf_Distance - 1000.0f), 1e-4f);
	// The target lies in the middle of the picture.
	LibGfx_CManagerCamera::ComputeProjection(ke_Depth_MinusOneToOne, af_Projection);
	LibGfx_MultiplyMatrix(af_Projection, af_View, af_Both);
	EXPECT_NEAR(0.0f, af_Both[0] * 100 + af_Both[12], 1e-3f);
	Manager()->Remove(&mo_Side, 1.0f);
}
