// The ink check on texts of the real Latin font, laid out, placed and drawn by the engine.
#include "CInkCheck.h"
#include "GfxTestFixture.h"

#include "LibGen_CFileSystem.h"
#include "LibGfx_CObjText.h"
#include "LibGfx_CObjWndThemed.h"

#include <GL/gl.h>

#include <memory>

namespace
{
	class InkCheck : public GfxTest
	{
	protected:
		void SetUp() override
		{
			GfxTest::SetUp();
			LibGen_CFileSystem::Instance()->SetCurrentDir(FUDEMARU_DATA_PARENT);
			ASSERT_TRUE(mo_Font.LoadBdf("./Data/Fonts/xtal-14.bdf")) << "build the data first (target FudemaruData)";
		}

		void TearDown() override
		{
			// The texts give their textures back to the manager the engine's set-up made.
			mo_Texts.clear();
			GfxTest::TearDown();
		}

		// A text of a box on its own, shown at a place of the screen's plane.
		LibGfx_CObjText& AddText(const char* as_Text, u16 au16_Width, u16 au16_Height, float af_X, float af_Y)
		{
			mo_Texts.emplace_back(new LibGfx_CObjText());
			LibGfx_CObjText& oText = *mo_Texts.back();
			oText.TxtSetFont(&mo_Font);
			oText.TxtSetSize(au16_Width, au16_Height);
			oText.TxtSetText(as_Text, true);
			oText.SetParent(nullptr);
			oText.mo_Pos = CVector3d<float>(af_X, af_Y, 0);
			oText.SetVisible(true);
			return oText;
		}

		std::vector<std::string> Check()
		{
			DrawFrame();
			float afProjection[16];
			glGetFloatv(GL_PROJECTION_MATRIX, afProjection);
			CInkCheck oCheck;
			oCheck.Collect(afProjection);
			return oCheck.Problems();
		}

		LibText_CFont mo_Font;
		std::vector<std::unique_ptr<LibGfx_CObjText>> mo_Texts;
	};
}

TEST_F(InkCheck, TextsThatFitTheirBoxesApartReadCleanly)
{
	AddText("Kanji list", 100, 15, -100, 0);
	AddText("Kanji 1 of 80", 100, 15, 100, 0);
	EXPECT_TRUE(Check().empty());
}

// One word more than the box holds goes to a line the box leaves out: the check sees it.
TEST_F(InkCheck, AWordMoreThanTheBoxHoldsIsCut)
{
	LibGfx_CObjText& oText = AddText("Kanji list", 70, 15, 0, 0);
	ASSERT_TRUE(Check().empty());
	oText.TxtSetText("Kanji list long", true);
	const std::vector<std::string> oProblems = Check();
	ASSERT_EQ(1u, oProblems.size());
	EXPECT_EQ("\"Kanji list long\" is cut by its box", oProblems[0]);
	// A word without room to break, cut at the right edge, is found the same way.
	oText.TxtSetText("Kanjilistlong", true);
	EXPECT_EQ(1u, Check().size());
}

TEST_F(InkCheck, OverlappingInkAndTextsLeavingTheScreenAreReported)
{
	AddText("Review", 60, 15, 0, 0);
	AddText("Replay", 60, 15, 20, 6);
	AddText("Next", 60, 15, 250, -50);
	const std::vector<std::string> oProblems = Check();
	ASSERT_EQ(2u, oProblems.size()) << oProblems[0];
	EXPECT_EQ(0u, oProblems[0].find("\"Review\" ")) << oProblems[0];
	EXPECT_NE(std::string::npos, oProblems[0].find(" overlaps \"Replay\" "));
	EXPECT_NE(std::string::npos, oProblems[1].find("\"Next\" ("));
	EXPECT_NE(std::string::npos, oProblems[1].find(" leaves the screen"));
}

// Translucent texts stand for scenery behind the screen's plane, like the cards a carousel
// shows behind its front one; hidden ones are not drawn at all, nor ones wholly beside the screen.
TEST_F(InkCheck, TranslucentHiddenAndOffScreenTextsAreLeftOut)
{
	AddText("Review", 60, 15, 0, 0);
	AddText("Replay", 60, 15, 20, 6).SetAlphaAll(100);
	AddText("Back", 60, 15, -20, 6).SetVisible(false);
	AddText("Found", 60, 15, 720, 0);
	AddText("Found", 60, 15, -720, 6);
	EXPECT_TRUE(Check().empty());
}

// Lines of one text must stand apart: a descender two rows or less above the next line's accent
// reads as one block. A gap between the lines mends it.
TEST_F(InkCheck, LinesThatComeCloserThanTwoBlankRowsTouch)
{
	LibGfx_CObjText& oText = AddText("Kanji\nlist", 60, 30, 0, 0);
	ASSERT_TRUE(Check().empty());
	oText.TxtSetText("gjpq\n\xC9\xC0\xC8", true);
	const std::vector<std::string> oProblems = Check();
	ASSERT_EQ(1u, oProblems.size());
	EXPECT_NE(std::string::npos, oProblems[0].find(": lines 1 and 2 touch")) << oProblems[0];
	oText.TxtSetSize(60, 40);
	oText.TxtSetLineGap(6);
	EXPECT_TRUE(Check().empty());
}

// A text in a window keeps its ink inside the window's client area; a window nearer the eye that
// covers a text whole hides it.
TEST_F(InkCheck, TextPastItsWindowsClientAreaIsReportedAndHiddenTextLeftOut)
{
	LibGfx_CObjWndThemed oWnd;
	oWnd.Set(CVector2d<float>(100, 30), LibGfx_CObjWndThemed::ke_WinTheme_Alt);
	oWnd.SetParent(nullptr);
	oWnd.SetVisible(true);
	LibGfx_CObjText& oText = AddText("Review", 60, 15, 0, 0);
	oText.SetParent(&oWnd);
	EXPECT_TRUE(Check().empty());
	oText.mo_Pos.y = -12;   // 7 units below the client area's bottom edge
	oText.mu32_State |= LibGfx_CObjBase::ke_Obj_Dirty;
	const std::vector<std::string> oProblems = Check();
	ASSERT_EQ(1u, oProblems.size());
	EXPECT_NE(std::string::npos, oProblems[0].find(" runs past its window's frame ")) << oProblems[0];

	// Behind the window, the same text and one beside it overlap unseen.
	oText.SetParent(nullptr);
	oText.mo_Pos = CVector3d<float>(0, 0, -40);
	AddText("Replay", 60, 15, 5, 2).mo_Pos.z = -40;
	EXPECT_TRUE(Check().empty());
	oWnd.SetParent(nullptr);
	oWnd.SetVisible(false);
	EXPECT_EQ(1u, Check().size());
}
