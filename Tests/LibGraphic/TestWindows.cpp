#include "GfxTestFixture.h"

#include "LibGen_CFileSystem.h"
#include "LibGfx_CManagerTexture.h"
#include "LibGfx_CManagerWnd.h"
#include "LibGfx_CObjWndThemed.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{
	typedef CVector3d<float> V3;

	// A window whose pieces all cover one flat box, its left edge at x = -60; enough for
	// alphas, slide distances and what the carousel draws.
	struct SFlatWnd : LibGfx_CObjWndBase
	{
		SFlatWnd()
		{
			Paint(0xFFFFFFFFu);
			mo_Poly[ke_PolyId_MidLeft].Set(V3(-60, 40, 0), V3(-50, -40, 0), 0xFFFFFFFFu);
		}
		void Paint(u32 au32_Color)
		{
			for (LibGfx_CPolyQuad& o_Poly : mo_Poly)
				o_Poly.Set(V3(-50, 40, 0), V3(50, -40, 0), au32_Color);
		}
		// Alpha byte of the first vertex of the centre piece.
		u8 Alpha() const { return static_cast<const u8*>(mo_Poly[ke_PolyId_MidMid].mp_Vertex)[3]; }
	};

	class Carousel : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			mo_Wnd.Initialize(V3(0, 0, 0), 300, 50, false);
		}
		void TearDown() override
		{
			mo_Wnd.RemoveAllWindows();
			LibGfx_CObjBase::so_RootObject.RemChild(mo_Wnd.GetRootObject());
		}
		void Fill(int ai_Count)
		{
			for (int i = 0; i < ai_Count; ++i)
				mo_Wnd.AddWindow(&mo_Win[i]);
			mo_Wnd.Update();   // the first update settles the carousel
		}
		void Updates(int ai_Count)
		{
			for (int i = 0; i < ai_Count; ++i)
				mo_Wnd.Update();
		}
		void ExpectInFront(int ai_Wnd)
		{
			EXPECT_NEAR(0.0f, mo_Win[ai_Wnd].mo_Pos.x, 1e-3f);
			EXPECT_NEAR(0.0f, mo_Win[ai_Wnd].mo_Pos.z, 1e-3f);
			EXPECT_EQ(255, mo_Win[ai_Wnd].Alpha());
			EXPECT_FALSE(mo_Win[ai_Wnd].IsDimmed());
		}

		LibGfx_CManagerWnd mo_Wnd;
		SFlatWnd mo_Win[8];
	};
}

TEST_F(Carousel, FourWindowsStandOnTheEllipse)
{
	Fill(4);
	EXPECT_EQ(LibGfx_CManagerWnd::ke_WndState_Normal, mo_Wnd.GetState());
	const V3 oExpected[4] = {V3(0, 0, 0), V3(-300, 0, -50), V3(0, 0, -100), V3(300, 0, -50)};
	for (int i = 0; i < 4; ++i)
	{
		EXPECT_NEAR(oExpected[i].x, mo_Win[i].mo_Pos.x, 1e-3f) << "window " << i;
		EXPECT_EQ(0.0f, mo_Win[i].mo_Pos.y);
		EXPECT_NEAR(oExpected[i].z, mo_Win[i].mo_Pos.z, 1e-3f) << "window " << i;
		EXPECT_EQ(255, mo_Win[i].Alpha()) << "window " << i;
		EXPECT_EQ(i != 0, mo_Win[i].IsDimmed()) << "window " << i;
		EXPECT_EQ(mo_Wnd.GetRootObject(), mo_Win[i].mp_Parent);
		EXPECT_TRUE(mo_Win[i].mu32_State & LibGfx_CObjBase::ke_Obj_Visible);
	}
	// Drawn farthest first: the one behind, then the two beside, the front one last.
	const std::list<LibGfx_CObjBase*>& o_Drawn = mo_Wnd.GetRootObject()->mo_ChildList;
	EXPECT_EQ(&mo_Win[2], o_Drawn.front());
	EXPECT_EQ(&mo_Win[0], o_Drawn.back());
}

TEST_F(Carousel, OneGoNextTurnsInTwentyFramesThenRests)
{
	Fill(4);
	mo_Wnd.GoNext();
	Updates(19);
	EXPECT_EQ(0, mo_Wnd.GetWindowCurrentId());
	EXPECT_EQ(LibGfx_CManagerWnd::ke_WndState_GoNext, mo_Wnd.GetState());
	EXPECT_LT(mo_Win[1].mo_Pos.x, 0.0f);   // on its way to the front from the left
	Updates(1);
	EXPECT_EQ(1, mo_Wnd.GetWindowCurrentId());
	EXPECT_EQ(LibGfx_CManagerWnd::ke_WndState_GoNormal, mo_Wnd.GetState());
	ExpectInFront(1);
	EXPECT_TRUE(mo_Win[0].IsDimmed());
	Updates(1);
	EXPECT_EQ(LibGfx_CManagerWnd::ke_WndState_Normal, mo_Wnd.GetState());
	ExpectInFront(1);
}

// A state outside the enumeration is stored and keeps the turn's handler (a fixed type holds it).
TEST_F(Carousel, AnOtherStateKeepsTheHandler)
{
	Fill(4);
	mo_Wnd.GoNext();
	mo_Wnd.SetState(static_cast<LibGfx_CManagerWnd::enumState>(9));
	EXPECT_EQ(9u, static_cast<u32>(mo_Wnd.GetState()));
	Updates(20);
	EXPECT_EQ(1, mo_Wnd.GetWindowCurrentId());
}

TEST_F(Carousel, HeldGoNextChainsTurnsWithoutStopping)
{
	Fill(4);
	for (int i = 1; i <= 40; ++i)
	{
		mo_Wnd.GoNext();
		mo_Wnd.Update();
		EXPECT_EQ(LibGfx_CManagerWnd::ke_WndState_GoNext, mo_Wnd.GetState()) << "frame " << i;
		if (i == 20)
		{
			EXPECT_EQ(1, mo_Wnd.GetWindowCurrentId());
		}
	}
	EXPECT_EQ(2, mo_Wnd.GetWindowCurrentId());
	ExpectInFront(2);
}

TEST_F(Carousel, GoPrevTurnsBackAndWraps)
{
	Fill(4);
	mo_Wnd.GoPrev();
	Updates(20);
	EXPECT_EQ(3, mo_Wnd.GetWindowCurrentId());
	Updates(1);
	EXPECT_EQ(LibGfx_CManagerWnd::ke_WndState_Normal, mo_Wnd.GetState());
	ExpectInFront(3);
}

TEST_F(Carousel, RemovingTheCurrentWindowTurnsToTheOneThatFollowed)
{
	Fill(5);
	for (int i = 0; i < 2; ++i)
	{
		mo_Wnd.GoNext();
		Updates(21);
	}
	ASSERT_EQ(2, mo_Wnd.GetWindowCurrentId());

	EXPECT_EQ(&mo_Win[2], mo_Wnd.RemWindow(2));
	EXPECT_EQ(4, mo_Wnd.GetWindowTotal());
	EXPECT_EQ(1, mo_Wnd.GetWindowCurrentId());
	EXPECT_EQ(LibGfx_CManagerWnd::ke_WndState_WindowRemove, mo_Wnd.GetState());
	EXPECT_EQ(&mo_Win[3], mo_Wnd.GetWindow(2));
	EXPECT_EQ(mo_Wnd.GetRootObject(), mo_Win[2].mp_Parent);   // the caller takes it from here

	int iFrames = 0;
	while (mo_Wnd.GetState() != LibGfx_CManagerWnd::ke_WndState_Normal && iFrames < 100)
	{
		mo_Wnd.Update();
		++iFrames;
	}
	EXPECT_EQ(33, iFrames);   // from a fifth of a step to a whole one, 0.025 a frame
	EXPECT_EQ(2, mo_Wnd.GetWindowCurrentId());
	ExpectInFront(3);
}

TEST_F(Carousel, RemovingAnotherWindowKeepsTheFrontOneInRange)
{
	Fill(5);
	mo_Wnd.GoPrev();
	Updates(21);
	ASSERT_EQ(4, mo_Wnd.GetWindowCurrentId());
	mo_Wnd.RemWindow(&mo_Win[1]);
	EXPECT_EQ(3, mo_Wnd.GetWindowCurrentId());
	EXPECT_EQ(&mo_Win[4], mo_Wnd.GetWindowCurrent(0));
}

TEST_F(Carousel, EmptiedCarouselRestsAndTakesNewWindows)
{
	Fill(1);
	mo_Wnd.RemWindow(static_cast<u8>(0));
	EXPECT_EQ(0, mo_Wnd.GetWindowTotal());
	EXPECT_EQ(LibGfx_CManagerWnd::ke_WndState_Normal, mo_Wnd.GetState());
	EXPECT_EQ(nullptr, mo_Wnd.GetWindowCurrent(0));

	mo_Wnd.AddWindow(&mo_Win[1]);
	mo_Wnd.AddWindow(&mo_Win[2]);
	Updates(5);
	ExpectInFront(1);
	// The other of two stands aside, an eighth of a turn round, not hidden behind the front one.
	EXPECT_NEAR(-300.0f * std::sin(M_PI / 4), mo_Win[2].mo_Pos.x, 1e-2f);
	EXPECT_NEAR(50.0f * std::cos(M_PI / 4) - 50.0f, mo_Win[2].mo_Pos.z, 1e-2f);
}

TEST_F(Carousel, TwoWindowsChangePlacesWithoutEverStandingInLine)
{
	Fill(2);
	mo_Wnd.GoNext();
	for (int i = 1; i <= 20; ++i)
	{
		mo_Wnd.Update();
		const float f_Apart = std::fabs(mo_Win[0].mo_Pos.x - mo_Win[1].mo_Pos.x) + std::fabs(mo_Win[0].mo_Pos.z - mo_Win[1].mo_Pos.z);
		EXPECT_GT(f_Apart, 5.0f) << "frame " << i;
	}
	ExpectInFront(1);
	EXPECT_LT(mo_Win[0].mo_Pos.x, -100.0f);
}

// Presses made during a turn wait for its end, one a direction, the same way first.
TEST_F(Carousel, PressesDuringATurnActWhenItEnds)
{
	Fill(4);
	EXPECT_TRUE(mo_Wnd.PressNext());
	Updates(5);
	EXPECT_TRUE(mo_Wnd.PressNext());
	EXPECT_FALSE(mo_Wnd.PressNext()) << "a second press the same way is dropped";
	EXPECT_TRUE(mo_Wnd.PressPrev());
	Updates(15);
	EXPECT_EQ(1, mo_Wnd.GetWindowCurrentId());
	EXPECT_EQ(LibGfx_CManagerWnd::ke_WndState_GoNext, mo_Wnd.GetState()) << "on without a stop";
	Updates(20);
	EXPECT_EQ(2, mo_Wnd.GetWindowCurrentId());
	EXPECT_EQ(LibGfx_CManagerWnd::ke_WndState_GoPrevious, mo_Wnd.GetState());
	Updates(21);
	EXPECT_EQ(LibGfx_CManagerWnd::ke_WndState_Normal, mo_Wnd.GetState());
	ExpectInFront(1);
}

// A held key the other way no longer turns a turn back half-way: it turns once the turn ends.
TEST_F(Carousel, GoNextDuringATurnBackFollowsIt)
{
	Fill(4);
	mo_Wnd.GoPrev();
	Updates(5);
	mo_Wnd.GoNext();
	Updates(15);
	EXPECT_EQ(3, mo_Wnd.GetWindowCurrentId());
	EXPECT_EQ(LibGfx_CManagerWnd::ke_WndState_GoNext, mo_Wnd.GetState());
	Updates(21);
	ExpectInFront(0);
}

TEST_F(Carousel, CurrentWindowOffsetsWrapOnce)
{
	Fill(6);
	EXPECT_EQ(&mo_Win[5], mo_Wnd.GetWindowCurrent(-1));
	EXPECT_EQ(&mo_Win[1], mo_Wnd.GetWindowCurrent(7));
	EXPECT_EQ(&mo_Win[0], mo_Wnd.GetWindowCurrent(0));
	EXPECT_EQ(nullptr, mo_Wnd.GetWindowCurrent(-7));
	EXPECT_EQ(nullptr, mo_Wnd.GetWindow(6));

	mo_Wnd.RemoveAllWindows();
	EXPECT_EQ(0, mo_Wnd.GetWindowTotal());
	EXPECT_EQ(nullptr, mo_Wnd.GetWindowCurrent(0));
	EXPECT_EQ(nullptr, mo_Win[0].mp_Parent);
	EXPECT_TRUE(mo_Wnd.GetRootObject()->mo_ChildList.empty());
}

TEST(WindowSlide, HideAndShowEndOnTheFortyFirstUpdate)
{
	SFlatWnd oWnd;
	oWnd.mo_Pos.x = 12.0f;
	oWnd.Hide();
	oWnd.Update();   // invisible windows do not slide
	EXPECT_EQ(12.0f, oWnd.mo_Pos.x);
	EXPECT_EQ(0.0f, oWnd.mf_Slide);

	oWnd.mu32_State |= LibGfx_CObjBase::ke_Obj_Visible;
	for (int i = 0; i < 40; ++i)
		oWnd.Update();
	EXPECT_EQ(1u, oWnd.me_SlideState);
	oWnd.Update();
	EXPECT_EQ(3u, oWnd.me_SlideState);
	EXPECT_EQ(300.0f, oWnd.mo_Pos.x);   // its left edge, at -60, on the screen's right edge
	oWnd.Update();
	EXPECT_EQ(300.0f, oWnd.mo_Pos.x);

	oWnd.Show();
	for (int i = 0; i < 40; ++i)
		oWnd.Update();
	EXPECT_EQ(2u, oWnd.me_SlideState);
	EXPECT_GT(oWnd.mo_Pos.x, 0.0f);
	EXPECT_LT(oWnd.mo_Pos.x, 1.0f);
	oWnd.Update();
	EXPECT_EQ(0u, oWnd.me_SlideState);
	EXPECT_EQ(0.0f, oWnd.mo_Pos.x);
}

// Six windows as the browser turns them: on the right, the one at 60 degrees stands in front of
// the one at 120. Whatever colour the far one has, the near one looks the same over it: dimmed
// towards the paper, and not seen through.
TEST_F(GfxTest, ADimmedWindowHidesTheOneBehindIt)
{
	LibGfx_CManagerWnd o_Carousel;
	o_Carousel.Initialize(V3(0, 0, 0), 100, 50, false);
	SFlatWnd ao_Wnd[6];
	for (SFlatWnd& o_Wnd : ao_Wnd)
		o_Carousel.AddWindow(&o_Wnd);
	ao_Wnd[5].Paint(0xFF000000u);
	u32 au32_Seen[2];
	const u32 au32_Far[2] = {0xFF0000FFu, 0xFFFF0000u};
	for (int i = 0; i < 2; ++i)
	{
		ao_Wnd[4].Paint(au32_Far[i]);
		o_Carousel.Update();
		DrawFrame();
		au32_Seen[i] = Pixel(ScreenX(80), ScreenY(0));
	}
	EXPECT_EQ(au32_Seen[0], au32_Seen[1]);
	// Black under the veil: the paper's colour at 155 parts of 255.
	const int ai_Paper[3] = {0xF4, 0xEE, 0xDF};
	for (int c = 0; c < 3; ++c)
		EXPECT_NEAR(ai_Paper[c] * 155 / 255, static_cast<int>((au32_Seen[0] >> (8 * c)) & 0xFF), 3) << "channel " << c;
	o_Carousel.RemoveAllWindows();
	LibGfx_CObjBase::so_RootObject.RemChild(o_Carousel.GetRootObject());
}

namespace
{
	class ThemedWindow : public GfxTest
	{
	protected:
		void SetUp() override
		{
			GfxTest::SetUp();
			LibGen_CFileSystem::Instance()->SetCurrentDir(FUDEMARU_DATA_PARENT);
			LibGfx_CManagerTexture::Instance()->LoadBaseTextures();
			if (LibGfx_CManagerTexture::Instance()->mo_Texture[ke_Tex_Wnd_MidMid].mp_Data == nullptr)
				GTEST_SKIP() << "the theme pictures are not built";
		}
		// The texel of a theme texture as drawn over black: colour scaled by its alpha.
		void ExpectTexel(u16 au16_X, u16 au16_Y, u16 au16_Texture, u16 au16_S, u16 au16_T)
		{
			const LibGfx_CTexture& oTex = LibGfx_CManagerTexture::Instance()->mo_Texture[au16_Texture];
			const u8* pTexel = oTex.mp_Data + au16_T * oTex.GetRowSize() + 4 * au16_S;
			const u32 uPixel = Pixel(au16_X, au16_Y);
			for (int c = 0; c < 3; ++c)
				EXPECT_NEAR(pTexel[c] * pTexel[3] / 255, (uPixel >> (8 * c)) & 0xFF, 2)
					<< "texture " << au16_Texture << " at " << au16_X << ", " << au16_Y;
		}
	};
}

TEST_F(ThemedWindow, FrameIsDrawnAroundTheClientArea)
{
	LibGfx_CObjWndThemed oWnd;
	oWnd.Set(CVector2d<float>(96, 64), LibGfx_CObjWndThemed::ke_WinTheme_Default);
	oWnd.SetParent(nullptr);
	oWnd.mu32_State |= LibGfx_CObjBase::ke_Obj_Visible;
	V3 o1, o2;
	oWnd.GetCornersClient(o1, o2, false);
	EXPECT_EQ(V3(-48, 32, 0), o1);
	EXPECT_EQ(V3(48, -32, 0), o2);
	oWnd.GetCorners(o1, o2, false);
	EXPECT_EQ(V3(-64, 48, 0), o1);   // the 16-unit pieces lie outside the client area
	EXPECT_EQ(V3(64, -48, 0), o2);
	DrawFrame();

	// Each piece shows its own picture from its top-left corner; the centre and the edges tile.
	const int iLeft[3] = {-64, -48, 48};
	const int iTop[3] = {48, 32, -32};
	for (int iRow = 0; iRow < 3; ++iRow)
		for (int iCol = 0; iCol < 3; ++iCol)
		{
			const u16 uTexture = static_cast<u16>(ke_Tex_Wnd_TopLeft + 3 * iRow + iCol);
			ExpectTexel(ScreenX(iLeft[iCol] + 5), ScreenY(iTop[iRow] - 3), uTexture, 5, 3);
		}
	ExpectTexel(ScreenX(-48 + 16 + 5), ScreenY(32 - 32 - 3), ke_Tex_Wnd_MidMid, 5, 3);
	ExpectTexel(ScreenX(-64 + 7), ScreenY(32 - 16 - 9), ke_Tex_Wnd_MidLeft, 7, 9);
	// Nothing outside the frame.
	EXPECT_EQ(0xff000000u, Pixel(ScreenX(-65), 136));
	EXPECT_EQ(0xff000000u, Pixel(ScreenX(64), 136));
	EXPECT_EQ(0xff000000u, Pixel(240, ScreenY(49)));
	EXPECT_EQ(0xff000000u, Pixel(240, ScreenY(-48)));
}

// An odd size puts the extra unit right of and below the centre: every edge on a whole unit, so
// the pieces and the texts aligned to the client area are drawn without half-pixel blur.
TEST_F(ThemedWindow, AnOddSizeKeepsTheEdgesOnWholeUnits)
{
	LibGfx_CObjWndThemed oWnd;
	oWnd.Set(CVector2d<float>(447, 197), LibGfx_CObjWndThemed::ke_WinTheme_Default);
	V3 o1, o2;
	oWnd.GetCornersClient(o1, o2, false);
	EXPECT_EQ(V3(-223, 98, 0), o1);
	EXPECT_EQ(V3(224, -99, 0), o2);
}
