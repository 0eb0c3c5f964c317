#include "KanjiWndFixture.h"

#include "GfxObjects/CObjWndKanji.h"
#include "GfxObjects/CObjWndKanjiDetail.h"

#include <cstring>

namespace
{
	const u16 ku16_Shita = 0xB2BC;   // 下: 3 strokes, grade 1, radical 1 (一), frequency 97
	const u16 ku16_Ichi = 0xB0EC;    // 一: one stroke

	int CountPixels(const CObjWndKanjiDetail& ao_Wnd, u8 au8_Value)
	{
		const u8* pPixels = LibGfx_CManagerTexture::Instance()->mo_Texture[ao_Wnd.mu16_TextureId].mp_Data;
		return static_cast<int>(std::count(pPixels, pPixels + 96 * 96, au8_Value));
	}

	// Updates until the traced stroke moves on; the number of updates it took.
	int FramesOfStroke(CObjWndKanjiDetail& ao_Wnd)
	{
		const u8 u8Stroke = ao_Wnd.mu8_StrokeCur;
		int iFrames = 0;
		for (; ao_Wnd.mu8_StrokeCur == u8Stroke && iFrames < 1000; ++iFrames)
			ao_Wnd.Update();
		return iFrames;
	}
}

TEST_F(KanjiWnd, DetailShowsTheValuesOfAKnownKanji)
{
	CObjWndKanjiDetail oDetail;
	oDetail.LoadKanji(ku16_Shita);
	EXPECT_TRUE(IsShown(oDetail));
	EXPECT_EQ(16.0f, oDetail.mo_Pos.y);
	EXPECT_STREQ("0xB2BC\n03\n1\n\xB0\xEC\n97", oDetail.mo_TxtValue.TxtGetText());
	EXPECT_STREQ(LibText_CManagerString::Instance()->GetString(41), oDetail.mo_TxtLabel.TxtGetText());
	EXPECT_EQ(3u, oDetail.mv_Stroke.size());
	EXPECT_FALSE(IsShown(oDetail.mo_TxtKanji));   // the strokes stand for the glyph

	// 彙: radical 58 stands for a katakana, no kanji of the dictionary: two spaces in its place;
	// it has no frequency rank: a dash (the Japanese font's hyphen) in place of 0.
	oDetail.LoadKanji(0xD7C3);
	EXPECT_STREQ("0xD7C3\n13\n8\n  \n\xA1\xBE", oDetail.mo_TxtValue.TxtGetText());

	// A kanji without a grade shows the dash for it too.
	const LibKanji_CDictionary* pDictionary = LibKanji_CDictionary::Instance();
	const SKanjiData* pNoGrade = nullptr;
	for (u16 i = 0; i < pDictionary->GetKanjiTotal() && pNoGrade == nullptr; ++i)
		if (pDictionary->GetRecord(i)->mu16_Info[SKanjiData::ke_Info_EU] != 0 && pDictionary->GetRecord(i)->mu16_Info[SKanjiData::ke_Info_G] == 0)
			pNoGrade = pDictionary->GetRecord(i);
	ASSERT_NE(nullptr, pNoGrade);
	oDetail.LoadKanji(pNoGrade->mu16_Info[SKanjiData::ke_Info_EU]);
	const std::string sValues = oDetail.mo_TxtValue.TxtGetText();
	EXPECT_NE(std::string::npos, sValues.find("\n\xA1\xBE\n")) << sValues;
}

// Without stroke data the stroke box shows the kanji's glyph instead of the animation.
TEST_F(KanjiWnd, DetailOfAKanjiWithoutStrokesShowsItsGlyph)
{
	LibKanji_CStroke::Instance()->Unload();
	CObjWndKanjiDetail oDetail;
	oDetail.LoadKanji(ku16_Shita);
	EXPECT_TRUE(oDetail.mv_Stroke.empty());
	EXPECT_TRUE(IsShown(oDetail.mo_TxtKanji));
	EXPECT_STREQ("\xB2\xBC", oDetail.mo_TxtKanji.TxtGetText());
	EXPECT_EQ(24.0f, oDetail.mo_TxtKanji.mo_Pos.x);
	EXPECT_EQ(-24.0f, oDetail.mo_TxtKanji.mo_Pos.y);
	ASSERT_TRUE(LibKanji_CStroke::Instance()->Load("./Data/FudemaruStroke.db"));
}

// The readings and the kanji of the same radical stand on separate lines (two blank rows apart),
// the okurigana in the lighter ink without the dictionary's dot, and a list longer than its
// seven lines ends with one that says how many more there are.
TEST_F(KanjiWnd, DetailListsShowWholeSeparateLinesAndSayHowManyMore)
{
	const int iRadical = LibKanji_CDictionary::Instance()->GetRadicalCount(1);
	ASSERT_LT(8, iRadical);
	CObjWndKanjiDetail oDetail;
	oDetail.LoadKanji(ku16_Shita);
	const std::string sList = oDetail.mo_TxtRadical.TxtGetText();
	// 丑's meaning takes two lines: five kanji and the count of the others fill the seven lines.
	EXPECT_EQ(6, LineCount(sList));
	EXPECT_EQ(7, oDetail.mo_TxtRadical.TxtGetLineCount());
	EXPECT_EQ(7, oDetail.mo_TxtRadical.TxtGetLineCapacity());
	EXPECT_EQ("\n+" + std::to_string(iRadical - 5), sList.substr(sList.rfind('\n')));
	// Dictionary order, 一 first, the kanji itself among them.
	EXPECT_EQ(0u, sList.find("\xB0\xEC one\n"));
	EXPECT_NE(std::string::npos, sList.find("\n\xB2\xBC below\n"));
	for (size_t uLine = 0; uLine != sList.rfind('\n'); uLine = sList.find('\n', uLine + 1))
	{
		const size_t uAt = uLine == 0 ? 0 : uLine + 1;
		EXPECT_EQ(1, Record(static_cast<u16>(static_cast<u8>(sList[uAt]) << 8 | static_cast<u8>(sList[uAt + 1])))->mu16_Info[SKanjiData::ke_Info_R]);
	}

	// 生: seventeen kun readings, six shown; in い.きる the dot takes no room and きる is lighter.
	oDetail.LoadKanji(0xC0B8);
	LibGfx_CObjText& oKun = oDetail.mo_TxtKun;
	oKun.TxtUpdate();
	EXPECT_EQ(0u, std::string(oKun.TxtGetText()).find("\xA4\xA4.\xA4\xAD\xA4\xEB\n"));
	EXPECT_EQ(7, oKun.TxtGetLineCount());
	EXPECT_EQ("\n+11", std::string(oKun.TxtGetText()).substr(std::string(oKun.TxtGetText()).rfind('\n')));
	const u8* pPixels = oKun.TxtGetPixels();
	const int iWidth = oKun.TxtGetWidth();
	int iDark = 0, iLight = 0, iLastDark = -1, iFirstLight = iWidth;
	for (int y = 0; y < 16; ++y)
		for (int x = 0; x < iWidth; ++x)
		{
			const u8 u8Ink = pPixels[y * iWidth + x];
			iDark += u8Ink == LibText_CTextBase::ku8_Ink;
			iLight += u8Ink == LibText_CTextBase::ku8_InkLight;
			if (u8Ink == LibText_CTextBase::ku8_Ink)
				iLastDark = std::max(iLastDark, x);
			if (u8Ink == LibText_CTextBase::ku8_InkLight)
				iFirstLight = std::min(iFirstLight, x);
		}
	EXPECT_LT(0, iDark);
	EXPECT_LT(iDark, iLight);            // one stem kana, two okurigana
	EXPECT_LT(iLastDark, iFirstLight);
	// き (its ink 2 columns into its cell) follows い at once: the dot would push it 3 further.
	EXPECT_EQ(16 + 2, iFirstLight);
	// The two blank rows under each line.
	for (int y = 16; y < 18; ++y)
		EXPECT_EQ(0, std::count_if(pPixels + y * iWidth, pPixels + (y + 1) * iWidth, [](u8 u) { return u != 0; }));
}

TEST_F(KanjiWnd, DetailTracesAStrokeAtOnePixelAFrameAndAShortOneAtHalf)
{
	CObjWndKanjiDetail oDetail;
	oDetail.LoadKanji(ku16_Ichi);
	oDetail.mv_Stroke.assign(2, LibGen_CPath());
	oDetail.mv_Stroke[0].AddVertex(CVector2d<float>(10, 50));
	oDetail.mv_Stroke[0].AddVertex(CVector2d<float>(20, 50));
	for (const CVector2d<float>& oPoint : {CVector2d<float>(5, 5), CVector2d<float>(85, 5), CVector2d<float>(85, 25)})
		oDetail.mv_Stroke[1].AddVertex(oPoint);
	ASSERT_FLOAT_EQ(100, oDetail.mv_Stroke[1].GetPathLenght());
	oDetail.ReplayAnim();
	EXPECT_EQ(20, FramesOfStroke(oDetail));
	EXPECT_EQ(100, FramesOfStroke(oDetail));
	oDetail.Update();   // nothing left to trace
	EXPECT_EQ(2, oDetail.mu8_StrokeCur);
}

TEST_F(KanjiWnd, DetailStrokesGainInkAndReplayStartsClean)
{
	CObjWndKanjiDetail oDetail;
	oDetail.LoadKanji(ku16_Ichi);
	const u8* pPixels = LibGfx_CManagerTexture::Instance()->mo_Texture[oDetail.mu16_TextureId].mp_Data;
	EXPECT_EQ(CObjWndKanjiDetail::ke_Pixel_Guide, pPixels[1 * 96 + 1]);   // the frame
	for (int i = 0; i < 15; ++i)
		oDetail.Update();
	const int iDrawing = CountPixels(oDetail, CObjWndKanjiDetail::ke_Pixel_Drawing);
	EXPECT_LT(0, iDrawing);
	oDetail.Update();
	EXPECT_LT(iDrawing, CountPixels(oDetail, CObjWndKanjiDetail::ke_Pixel_Drawing));
	FramesOfStroke(oDetail);
	EXPECT_EQ(0, CountPixels(oDetail, CObjWndKanjiDetail::ke_Pixel_Drawing));
	EXPECT_LT(iDrawing, CountPixels(oDetail, CObjWndKanjiDetail::ke_Pixel_Done));
	oDetail.ReplayAnim();
	EXPECT_EQ(0, CountPixels(oDetail, CObjWndKanjiDetail::ke_Pixel_Done));
}

// A code without a record, or an empty list position (code 0), shows the page empty: not the
// kanji shown before, and no texture held.
TEST_F(KanjiWnd, DetailOfAMissingKanjiIsAnEmptyPageHoldingNoTexture)
{
	const int iTextures = LockedTextures();
	CObjWndKanjiDetail oDetail;
	for (u16 u16_Code : {0xCFFE, 0})
	{
		oDetail.LoadKanji(ku16_Shita);
		oDetail.ShowKanji(u16_Code);
		EXPECT_TRUE(IsShown(oDetail));
		EXPECT_EQ(u16_Code, oDetail.mu16_Kanji);
		EXPECT_FALSE(IsShown(oDetail.mo_TxtKun) || IsShown(oDetail.mo_TxtMeaning) || IsShown(oDetail.mo_TxtValue));
		EXPECT_EQ(0u, oDetail.mu16_TextureId);
		EXPECT_EQ(iTextures, LockedTextures());
	}
	oDetail.ReplayAnim();
	oDetail.Update();   // nothing to draw into
	EXPECT_TRUE(oDetail.mv_Stroke.empty());

	CObjWndKanji oCard;
	oCard.SetLayout_A_All();
	oCard.LoadKanji(ku16_Shita);
	oCard.ShowKanji(0);
	EXPECT_TRUE(IsShown(oCard));
	EXPECT_FALSE(IsShown(oCard.mo_TxtKanji) || IsShown(oCard.mo_TxtKun) || IsShown(oCard.mo_TxtMeaning));
}
