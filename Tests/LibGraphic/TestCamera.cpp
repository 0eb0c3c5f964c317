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

TEST_F(Camera, RemovingTheActiveCameraGlidesBackFromIt)
{
	mo_Side.SetPos(CVector3d<float>(100, 0, kf_Distance), CVector3d<float>(100, 0, 0));
	Manager()->Push(&mo_Side, 0.05f);
	Frames(5);   // the glide has not arrived; removal still starts from the camera's own place
	Manager()->Remove(&mo_Side, 0.05f);
	EXPECT_NEAR(100.0f, EyeX(), 1e-3f);
	Frames(10);
	EXPECT_NEAR(50.0f, EyeX(), 1e-3f);
	Frames(10);
	EXPECT_EQ(gCameraStart.GetEyePos(), Manager()->GetPosEye());
	EXPECT_EQ(1u, Manager()->mo_CameraList.size());
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
