// The move-object transition, on a display object of its own.
#include "GameMode/Transition/CStateTrans_MoveObject.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
	// An object whose own box starts at x = -100, with a wider child that does not count.
	class MoveObject : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			mo_Object.SetCorners(CVector3d<float>(-100, 20, 0), CVector3d<float>(60, -20, 0));
			mo_Child.SetCorners(CVector3d<float>(-200, 20, 0), CVector3d<float>(200, -20, 0));
			mo_Child.SetParent(&mo_Object);
			mo_Object.mo_Pos = CVector3d<float>(0, 7, -3);
		}
		bool IsShown() const { return mo_Object.mu32_State & LibGfx_CObjBase::ke_Obj_Visible; }

		LibGfx_CObjBase mo_Object;
		LibGfx_CObjBase mo_Child;
	};
}

TEST_F(MoveObject, SlideInComesFromTheRightEdgeAndEndsInPlaceOnThe30thStepOrTheFirst)
{
	CStateTrans_MoveObject oTrans(&mo_Object, 0.5f, CStateTrans_MoveObject::ke_MoveEffect_SlideRightFrom);
	oTrans.Init();
	EXPECT_TRUE(IsShown());
	EXPECT_FLOAT_EQ(340.0f, oTrans.mf_Distance);
	float fLast = 340.0f;
	for (int i = 1; i < 30; ++i)
	{
		mo_Object.mu32_State &= ~static_cast<u32>(LibGfx_CObjBase::ke_Obj_Dirty);
		ASSERT_FALSE(oTrans.Main()) << "step " << i;
		EXPECT_LT(mo_Object.mo_Pos.x, fLast);
		EXPECT_TRUE(mo_Object.mu32_State & LibGfx_CObjBase::ke_Obj_Dirty);
		fLast = mo_Object.mo_Pos.x;
	}
	EXPECT_GT(fLast, 0.0f);
	EXPECT_TRUE(oTrans.Main());
	EXPECT_EQ(0.0f, mo_Object.mo_Pos.x);
	EXPECT_TRUE(IsShown());
	EXPECT_EQ(7.0f, mo_Object.mo_Pos.y);
	EXPECT_EQ(-3.0f, mo_Object.mo_Pos.z);

	// No time at all arrives in one step.
	for (float fSeconds : {0.0f, -1.0f})
	{
		CStateTrans_MoveObject oAtOnce(&mo_Object, fSeconds, CStateTrans_MoveObject::ke_MoveEffect_SlideRightTo);
		oAtOnce.Init();
		EXPECT_TRUE(oAtOnce.Main()) << fSeconds;
		EXPECT_EQ(340.0f, mo_Object.mo_Pos.x);
	}
}

TEST_F(MoveObject, SlideOutEasesToItsDistanceHidesAndStartsAgainOnInit)
{
	CStateTrans_MoveObject oTrans(&mo_Object, 0.5f, CStateTrans_MoveObject::ke_MoveEffect_SlideRightTo);
	for (int iRun = 0; iRun < 2; ++iRun)
	{
		oTrans.Init();
		EXPECT_TRUE(IsShown());
		for (int i = 1; i < 30; ++i)
		{
			ASSERT_FALSE(oTrans.Main()) << "step " << i;
			if (i == 15)
			{
				EXPECT_NEAR(340.0 * std::sin(3.141592653589793 / 4), mo_Object.mo_Pos.x, 0.01);
			}
		}
		EXPECT_TRUE(IsShown());
		EXPECT_TRUE(oTrans.Main());
		EXPECT_EQ(340.0f, mo_Object.mo_Pos.x);
		EXPECT_FALSE(IsShown());
	}
}
