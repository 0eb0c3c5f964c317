// The intro, the loading, the browser and the review, driven frame by frame on the real data.
#include "GameMode/Mode_KanjiList/CState_KanjiReview.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CManagerCamera.h"
#include "LibGfx_CManagerTexture.h"
#include "StatesFixture.h"

namespace
{
	// Pixels of the stroke texture drawn as finished or being drawn.
	int InkCount(const CObjWndKanjiDetail& ao_Detail)
	{
		const LibGfx_CTexture* pTexture = LibGfx_CManagerTexture::Instance()->GetTexture(ao_Detail.mu16_TextureId);
		int iInk = 0;
		for (u32 i = 0; i < 96u * 96u; ++i)
			iInk += pTexture->mp_Data[i] == CObjWndKanjiDetail::ke_Pixel_Done || pTexture->mp_Data[i] == CObjWndKanjiDetail::ke_Pixel_Drawing;
		return iInk;
	}
}

TEST_F(States, BootLoadsTheStartupListAndTheSettings)
{
	ASSERT_EQ(2u, Depth());
	EXPECT_EQ(typeid(CState_KanjiList), typeid(*Top()));
	EXPECT_EQ(80, List()->mu_KanjiTotal);
	EXPECT_EQ(10, gu8_QuizCardCount);
	EXPECT_TRUE(goFontKanji.IsLoaded() && goFontKanji16.IsLoaded());
	// Nine distinct palette slots with their colours in the textures' layout (red in the lowest
	// byte): palette 8 draws its colour 3 in green, palette 3 in red, palette 7 on dark red.
	LibGfx_CManagerTexture* pTextures = LibGfx_CManagerTexture::Instance();
	EXPECT_NE(gu8_Palettes[ke_Palette_0], gu8_Palettes[ke_Palette_8]);
	EXPECT_EQ(0xFF00C000u, pTextures->GetPalette(gu8_Palettes[ke_Palette_8])[3]);
	EXPECT_EQ(0xFF3232EFu, pTextures->GetPalette(gu8_Palettes[ke_Palette_3])[1]);
	EXPECT_EQ(0xD0202080u, pTextures->GetPalette(gu8_Palettes[ke_Palette_7])[0]);
	EXPECT_EQ("Kanji 1 of 80", Line1());
	// Cross opens the review: its hint names the review, not the kana chart, and the key for Cross.
	EXPECT_EQ("D Review", Hint(LibGfx_CManagerTooltip::ke_KeyId_Cross));
	EXPECT_EQ("S Menu", Hint(LibGfx_CManagerTooltip::ke_KeyId_Triangle));
}

// The cards half-way round the circle after the front one show the next kanji, the others the
// previous ones; a turn either way brings in the kanji its side stood for, and the reload once
// the carousel rests changes no card but the one hidden behind the front.
// The frame in which the browser becomes current already shows its cards filled: the carousel
// settles only in the next frame, and its cards were drawn empty once.
TEST_F(States, TheBrowsersFirstFrameShowsItsCards)
{
	(new CState_KanjiList())->State_Replace();
	RunFrames(1);
	const CObjWndKanji* pFront = static_cast<CObjWndKanji*>(Browser()->mo_ManagerWnd.GetWindowCurrent(0));
	EXPECT_EQ(List()->GetKanji(0), pFront->mu16_Kanji);
	EXPECT_TRUE(pFront->mo_TxtKanji.mu32_State & LibGfx_CObjBase::ke_Obj_Visible);
	EXPECT_TRUE(pFront->mo_TxtMeaning.mu32_State & LibGfx_CObjBase::ke_Obj_Visible);
}

TEST_F(States, TurnsBringInTheRightKanjiAndTheReloadChangesNoVisibleCard)
{
	const struct { eKeys me_Key; u16 mu16_Pos; u16 mau16_Cards[6]; } acTurns[] = {
		{ke_Key_Right, 1, {1, 2, 3, 4, 79, 0}},
		{ke_Key_Left, 0, {0, 1, 2, 3, 78, 79}},
		{ke_Key_Left, 79, {79, 0, 1, 2, 77, 78}},
		{ke_Key_Right, 0, {0, 1, 2, 3, 78, 79}},
	};
	for (const auto& c : acTurns)
	{
		LibInput_SetScriptKeys(c.me_Key);
		RunFrames(1);
		LibInput_SetScriptKeys(0);
		EXPECT_EQ(c.mu16_Pos, List()->mu16_KanjiCur);
		EXPECT_EQ(&Browser()->mo_Camera, LibGfx_CManagerCamera::Instance()->mo_CameraList.front());
		// What each card shows while it turns.
		CObjWndKanji* apWnd[6];
		u16 au16_Turning[6];
		for (int i = 0; i < 6; ++i)
		{
			apWnd[i] = static_cast<CObjWndKanji*>(Browser()->mo_ManagerWnd.GetWindow(static_cast<u8>(i)));
			au16_Turning[i] = apWnd[i]->mu16_Kanji;
		}
		RunFrames(45);
		EXPECT_EQ(&gCameraStart, LibGfx_CManagerCamera::Instance()->mo_CameraList.front());
		for (int i = 0; i < 6; ++i)
			EXPECT_EQ(List()->GetKanji(c.mau16_Cards[i]), FrontCard(static_cast<s8>(i))) << "card " << i << " at " << c.mu16_Pos;
		// Only the card that arrived behind the front one, where it is not seen, was reloaded.
		for (int i = 0; i < 6; ++i)
		{
			if (apWnd[i] != Browser()->mo_ManagerWnd.GetWindowCurrent(3))
			{
				EXPECT_EQ(au16_Turning[i], apWnd[i]->mu16_Kanji) << "card " << i << " changed after the turn to " << c.mu16_Pos;
			}
		}
	}
	EXPECT_EQ("Kanji 1 of 80", Line1());
}

// A list of 3 kanji turns 3 cards, each showing its kanji in list order from the front one.
TEST_F(States, AThreeKanjiListTurnsThreeCards)
{
	// The first three kanji of "Grade 1" stand for a list of three: the browser reads no further.
	List()->mu_KanjiTotal = 3;
	(new CState_KanjiList())->State_Replace();
	RunFrames(25);
	ASSERT_EQ(3, Browser()->mo_ManagerWnd.GetWindowTotal());
	const struct { eKeys me_Key; u16 mu16_Pos; } acTurns[] = {{ke_Key_Left, 2}, {ke_Key_Right, 0}, {ke_Key_Right, 1}};
	for (const auto& c : acTurns)
	{
		LibInput_SetScriptKeys(c.me_Key);
		RunFrames(1);
		LibInput_SetScriptKeys(0);
		RunFrames(45);
		for (u16 i = 0; i < 3; ++i)
			EXPECT_EQ(List()->GetKanji(static_cast<u16>((c.mu16_Pos + i) % 3)), FrontCard(static_cast<s8>(i)))
				<< "card " << i << " at " << c.mu16_Pos;
	}
	EXPECT_EQ("Kanji 2 of 3", Line1());
}

TEST_F(States, ReviewWritesStrokesRepeatsHeldStepsAndReturnsWhereItStopped)
{
	Tap(ke_Key_Cross);
	RunFrames(1);
	ASSERT_EQ(typeid(CState_KanjiReview), typeid(*Top()));
	CState_KanjiReview* pReview = static_cast<CState_KanjiReview*>(Top());
	EXPECT_EQ(List()->GetKanji(0), pReview->mo_WndDetail.mu16_Kanji);
	RunFrames(5);
	const int iInk = InkCount(pReview->mo_WndDetail);
	RunFrames(5);
	EXPECT_GT(InkCount(pReview->mo_WndDetail), iInk);

	// Held for 25 frames, Right steps at frames 1, 10 and 20.
	LibInput_SetScriptKeys(ke_Key_Right);
	RunFrames(25);
	LibInput_SetScriptKeys(0);
	EXPECT_EQ(3, pReview->mu16_KanjiPos);
	EXPECT_EQ("Kanji 4 of 80", Line1());

	Tap(ke_Key_Circle);
	RunFrames(1);
	ASSERT_EQ(typeid(CState_KanjiList), typeid(*Top()));
	RunFrames(3);
	EXPECT_EQ(3, Browser()->mu16_KanjiPos);
	EXPECT_EQ(List()->GetKanji(3), FrontCard());
}

// The review wraps around the list by itself: Left at the first kanji goes to the last, Right at
// the last back to the first.
TEST_F(States, ReviewWrapsAroundTheList)
{
	Tap(ke_Key_Cross);
	RunFrames(1);
	ASSERT_EQ(typeid(CState_KanjiReview), typeid(*Top()));
	CState_KanjiReview* pReview = static_cast<CState_KanjiReview*>(Top());
	Tap(ke_Key_Left);
	EXPECT_EQ(79, pReview->mu16_KanjiPos);
	EXPECT_EQ(List()->GetKanji(79), pReview->mo_WndDetail.mu16_Kanji);
	EXPECT_EQ("Kanji 80 of 80", Line1());
	Tap(ke_Key_Right);
	EXPECT_EQ(0, pReview->mu16_KanjiPos);
	EXPECT_EQ(List()->GetKanji(0), pReview->mo_WndDetail.mu16_Kanji);
	EXPECT_EQ("Kanji 1 of 80", Line1());
}

TEST_F(States, AnEmptyListShowsNoCardAndIgnoresTheKeys)
{
	List()->UnloadKanjis();
	(new CState_KanjiList())->State_Replace();
	RunFrames(2);
	EXPECT_EQ(0, Browser()->mo_ManagerWnd.GetWindowTotal());
	EXPECT_EQ("Kanji 0 of 0", Line1());
	const LibGfx_CManagerTooltip* pTooltip = LibGfx_CManagerTooltip::Instance();
	EXPECT_FALSE(pTooltip->mo_KeyIcon[LibGfx_CManagerTooltip::ke_KeyId_Left].mu32_State & LibGfx_CObjBase::ke_Obj_Visible);
	EXPECT_FALSE(pTooltip->mo_KeyIcon[LibGfx_CManagerTooltip::ke_KeyId_Right].mu32_State & LibGfx_CObjBase::ke_Obj_Visible);
	Tap(ke_Key_Right);
	Tap(ke_Key_Left);
	Tap(ke_Key_Cross);
	RunFrames(2);
	EXPECT_EQ(2u, Depth());
	EXPECT_EQ(0, Browser()->mu16_KanjiPos);

	// The review over an empty list hides its page, counts 0 of 0, and only Circle acts.
	(new CState_KanjiReview())->State_Add();
	RunFrames(2);
	ASSERT_EQ(3u, Depth());
	EXPECT_EQ("Kanji 0 of 0", Line1());
	Tap(ke_Key_Right);
	Tap(ke_Key_Circle);
	RunFrames(2);
	EXPECT_EQ(2u, Depth());
}

// Square switches the page's last column to the kanji's words and back; the choice stays as the
// review steps on, and the hint names the column Square brings.
TEST_F(States, ReviewSquareSwitchesTheSameRadicalColumnWithTheWords)
{
	Tap(ke_Key_Cross);
	RunFrames(1);
	ASSERT_EQ(typeid(CState_KanjiReview), typeid(*Top()));
	CObjWndKanjiDetail& o_Detail = static_cast<CState_KanjiReview*>(Top())->mo_WndDetail;
	const std::string s_Radical = o_Detail.mo_TxtRadical.TxtGetText();
	EXPECT_EQ("A Words", Hint(LibGfx_CManagerTooltip::ke_KeyId_Square));

	Tap(ke_Key_Square);
	EXPECT_TRUE(o_Detail.IsShowingWords());
	EXPECT_STREQ("Words", o_Detail.mo_TxtRadicalLabel.TxtGetText());
	EXPECT_NE(s_Radical, o_Detail.mo_TxtRadical.TxtGetText());
	EXPECT_EQ("A Same radical", Hint(LibGfx_CManagerTooltip::ke_KeyId_Square));
	Tap(ke_Key_Right);
	EXPECT_TRUE(o_Detail.IsShowingWords());
	EXPECT_STREQ("Words", o_Detail.mo_TxtRadicalLabel.TxtGetText());

	Tap(ke_Key_Left);
	Tap(ke_Key_Square);
	EXPECT_FALSE(o_Detail.IsShowingWords());
	EXPECT_EQ(s_Radical, o_Detail.mo_TxtRadical.TxtGetText());
	EXPECT_EQ("A Words", Hint(LibGfx_CManagerTooltip::ke_KeyId_Square));
}
