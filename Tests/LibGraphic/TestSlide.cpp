#include "LibGfx_CObjBase.h"
#include "LibGfx_CPolyQuad.h"
#include "LibGfx_Plugin_CObjSlide.h"

#include <gtest/gtest.h>

namespace
{
	typedef LibGfx_Plugin_CObjSlide Slide;

	// Calls Execute until it reports the end; the number of calls, or -1 past ai_Max.
	int RunToEnd(Slide& ao_Slide, int ai_Max)
	{
		for (int i = 1; i <= ai_Max; ++i)
			if (!ao_Slide.Execute())
				return i;
		return -1;
	}

	bool Visible(const LibGfx_CObjBase& ao_Obj) { return ao_Obj.mu32_State & LibGfx_CObjBase::ke_Obj_Visible; }
}

TEST(Slide, InOfOneSecondEndsOnTheSixtyFirstCallAtRest)
{
	LibGfx_CObjBase oObj;
	Slide oSlide;
	oSlide.Init(&oObj, Slide::ke_Slide_In, 1.0f, 0.0f);
	EXPECT_EQ(480.0f, oObj.mo_Pos.x);
	EXPECT_EQ(480.0f, oSlide.mf_Distance);
	oSlide.Load();
	EXPECT_TRUE(Visible(oObj));
	EXPECT_EQ(61, RunToEnd(oSlide, 100));
	EXPECT_EQ(0.0f, oObj.mo_Pos.x);
	EXPECT_TRUE(Visible(oObj));
	oSlide.Unload();
	LibGen_CManagerPlugin::Instance()->Update();
}

TEST(Slide, OutOfHalfASecondEndsOnTheThirtiethCallHidden)
{
	// The box's left edge, at -40, ends on the screen's right edge plus the offset.
	LibGfx_CObjBase oObj;
	LibGfx_CPolyQuad oQuad;
	oQuad.Set(CVector3d<float>(-40, 10, 0), CVector3d<float>(40, -10, 0), 0xFFFFFFFFu);
	oObj.AddPoly(&oQuad);
	oObj.mo_Pos.x = 55.0f;
	Slide oSlide;
	oSlide.Init(&oObj, Slide::ke_Slide_Out, 0.5f, 20.0f);
	EXPECT_EQ(0.0f, oObj.mo_Pos.x);
	EXPECT_EQ(500.0f, oSlide.mf_Distance);
	oSlide.Load();
	EXPECT_EQ(30, RunToEnd(oSlide, 100));
	EXPECT_FALSE(Visible(oObj));
	EXPECT_EQ(520.0f, oObj.mo_Pos.x);
	oSlide.Unload();
	LibGen_CManagerPlugin::Instance()->Update();
}

TEST(Slide, OtherTypesRunTheirTimeWithoutMoving)
{
	LibGfx_CObjBase oObj;
	oObj.mo_Pos.x = 33.0f;
	Slide oSlide;
	oSlide.Init(&oObj, static_cast<Slide::enumSlideType>(2), 0.5f, 0.0f);
	oSlide.Load();
	EXPECT_EQ(30, RunToEnd(oSlide, 100));
	EXPECT_EQ(33.0f, oObj.mo_Pos.x);
	EXPECT_TRUE(Visible(oObj));
	oSlide.Unload();
	LibGen_CManagerPlugin::Instance()->Update();
}

TEST(Slide, ThePluginManagerRunsItOnceAFrameUntilItEnds)
{
	LibGen_CManagerPlugin* pPlugins = LibGen_CManagerPlugin::Instance();
	LibGfx_CObjBase oObj;
	Slide oSlide;
	oSlide.Init(&oObj, Slide::ke_Slide_Out, 0.5f, 0.0f);
	oSlide.Load();
	for (int i = 0; i < 10; ++i)
		pPlugins->Update();
	// Started again while running: from the start, still once a frame.
	oSlide.Init(&oObj, Slide::ke_Slide_Out, 0.5f, 0.0f);
	oSlide.Load();
	for (int i = 0; i < 29; ++i)
		pPlugins->Update();
	EXPECT_TRUE(oSlide.mb_Loaded);
	EXPECT_TRUE(Visible(oObj));
	pPlugins->Update();
	EXPECT_FALSE(oSlide.mb_Loaded);
	EXPECT_FALSE(Visible(oObj));
	// Off the manager's list: further frames leave it alone.
	oObj.mo_Pos.x = 7.0f;
	pPlugins->Update();
	EXPECT_EQ(7.0f, oObj.mo_Pos.x);
}
