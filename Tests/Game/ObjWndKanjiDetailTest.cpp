#include "KanjiWndFixture.h"

#include "GfxObjects/CObjWndKanjiDetail.h"
#include "LibGfx_CManagerTexture.h"
#include "LibText_CManagerString.h"

#include <cstring>

namespace
{
	const u16 ku16_Shita = 0xB2BC;    // 下: 3 strokes, grade 1, radical 1 (一), frequency 97
	const u16 ku16_Ichi = 0xB0EC;     // 一: one stroke
	const u16 ku16_NoRecord = 0xCFFE;

	// Pixels of the stroke texture holding a value.
	int CountPixels(const CObjWndKanjiDetail& ao_Wnd, u8 au8_Value)
	{
		const LibGfx_CTexture& oTexture = LibGfx_CManagerTexture::Instance()->mo_Texture[ao_Wnd.mu16_TextureId];
		int iCount = 0;
		for (int i = 0; i < 96 * 96; ++i)
			iCount += oTexture.mp_Data[i] == au8_Value ? 1 : 0;
		return iCount;
	}

	LibGen_CPath Path(std::initializer_list<CVector2d<float>> ao_Points)
	{
		LibGen_CPath oPath;
		for (const CVector2d<float>& oPoint : ao_Points)
			oPath.AddVertex(oPoint);
		return oPath;
	}

	// Updates until the stroke being traced moves on; the number of updates it took.
	int FramesOfStroke(CObjWndKanjiDetail& ao_Wnd)
	{
		const u8 u8Stroke = ao_Wnd.mu8_StrokeCur;
		int iFrames = 0;
		while (ao_Wnd.mu8_StrokeCur == u8Stroke && iFrames < 1000)
		{
			ao_Wnd.Update();
			++iFrames;
		}
		return iFrames;
	}
}

TEST_F(KanjiWnd, DetailShowsTheValuesOfAKnownKanji)
{
	CObjWndKanjiDetail oDetail;
	oDetail.LoadKanji(ku16_Shita);
	EXPECT_TRUE(oDetail.mu32_State & LibGfx_CObjBase::ke_Obj_Visible);
	EXPECT_EQ(16.0f, oDetail.mo_Pos.y);
	EXPECT_STREQ("0xB2BC\n03\n1\n\xB0\xEC\n97", oDetail.mo_TxtValue.TxtGetText());
	const LibText_CManagerString* pStrings = LibText_CManagerString::Instance();
	EXPECT_STREQ(pStrings->GetString(41), oDetail.mo_TxtLabel.TxtGetText());
	EXPECT_STREQ(pStrings->GetString(44), oDetail.mo_TxtRadicalLabel.TxtGetText());
	EXPECT_EQ(Record(ku16_Shita)->mu8_StringCount[SKanjiData::ke_String_Kun], LineCount(oDetail.mo_TxtKun.TxtGetText()));
	EXPECT_EQ(3u, oDetail.mv_Stroke.size());
	// With strokes, the animation stands for the glyph.
	EXPECT_FALSE(oDetail.mo_TxtKanji.mu32_State & LibGfx_CObjBase::ke_Obj_Visible);
}

TEST_F(KanjiWnd, DetailSameRadicalListHoldsAtMostEightLines)
{
	CObjWndKanjiDetail oDetail;
	oDetail.LoadKanji(ku16_Shita);
	const char* sList = oDetail.mo_TxtRadical.TxtGetText();
	ASSERT_LT(8, LibKanji_CDictionary::Instance()->GetRadicalCount(1));
	EXPECT_EQ(8, LineCount(sList));
	EXPECT_EQ(0, strncmp(sList, "\xB0\xEC one\n", 6));   // 一 comes first in dictionary order
	for (const char* sLine = sList; sLine != nullptr; sLine = strchr(sLine, '\n') ? strchr(sLine, '\n') + 1 : nullptr)
	{
		const u16 u16Code = static_cast<u16>((static_cast<u8>(sLine[0]) << 8) | static_cast<u8>(sLine[1]));
		EXPECT_EQ(1, Record(u16Code)->mu16_Info[SKanjiData::ke_Info_R]);
	}

	// A radical of few kanji lists them all, the kanji itself among them.
	const LibKanji_CDictionary* pDictionary = LibKanji_CDictionary::Instance();
	for (u16 i = 0; i < pDictionary->GetKanjiTotal(); ++i)
	{
		const SKanjiData* pKanji = pDictionary->GetRecord(i);
		const u16 u16Radical = pKanji->mu16_Info[SKanjiData::ke_Info_R];
		if (pKanji->mu16_Info[SKanjiData::ke_Info_EU] == 0 || pDictionary->GetRadicalCount(u16Radical) != 3)
			continue;
		const u16 u16Code = pKanji->mu16_Info[SKanjiData::ke_Info_EU];
		oDetail.LoadKanji(u16Code);
		EXPECT_EQ(3, LineCount(oDetail.mo_TxtRadical.TxtGetText()));
		const char sKanji[3] = {static_cast<char>(u16Code >> 8), static_cast<char>(u16Code & 0xFF), 0};
		EXPECT_NE(nullptr, strstr(oDetail.mo_TxtRadical.TxtGetText(), sKanji));
		return;
	}
	FAIL() << "no radical with three kanji";
}

TEST_F(KanjiWnd, DetailTracesAStrokeAtOnePixelAFrameAndAShortOneAtHalf)
{
	CObjWndKanjiDetail oDetail;
	oDetail.LoadKanji(ku16_Ichi);
	oDetail.mv_Stroke = {Path({{10, 50}, {20, 50}}), Path({{5, 5}, {85, 5}, {85, 25}})};
	ASSERT_FLOAT_EQ(10, oDetail.mv_Stroke[0].GetPathLenght());
	ASSERT_FLOAT_EQ(100, oDetail.mv_Stroke[1].GetPathLenght());
	oDetail.ReplayAnim();
	EXPECT_EQ(20, FramesOfStroke(oDetail));
	EXPECT_EQ(100, FramesOfStroke(oDetail));
	EXPECT_EQ(2, oDetail.mu8_StrokeCur);
	oDetail.Update();   // nothing left to trace
	EXPECT_EQ(2, oDetail.mu8_StrokeCur);
}

TEST_F(KanjiWnd, DetailStrokeTextureGainsInkAndReplayStartsClean)
{
	CObjWndKanjiDetail oDetail;
	oDetail.LoadKanji(ku16_Shita);
	const u8* pPixels = LibGfx_CManagerTexture::Instance()->mo_Texture[oDetail.mu16_TextureId].mp_Data;
	EXPECT_EQ(CObjWndKanjiDetail::ke_Pixel_Guide, pPixels[1 * 96 + 1]);   // the frame
	EXPECT_EQ(CObjWndKanjiDetail::ke_Pixel_Guide, pPixels[94 * 96 + 94]);
	EXPECT_EQ(0, CountPixels(oDetail, CObjWndKanjiDetail::ke_Pixel_Done));

	// The first stroke grows frame after frame.
	for (int i = 0; i < 5; ++i)
		oDetail.Update();
	const int iDrawing = CountPixels(oDetail, CObjWndKanjiDetail::ke_Pixel_Drawing);
	EXPECT_LT(0, iDrawing);
	for (int i = 0; i < 10; ++i)
		oDetail.Update();
	EXPECT_LT(iDrawing, CountPixels(oDetail, CObjWndKanjiDetail::ke_Pixel_Drawing));
	for (int i = 0; i < 1000 && oDetail.mu8_StrokeCur < oDetail.mv_Stroke.size(); ++i)
		oDetail.Update();
	EXPECT_EQ(0, CountPixels(oDetail, CObjWndKanjiDetail::ke_Pixel_Drawing));
	EXPECT_LT(100, CountPixels(oDetail, CObjWndKanjiDetail::ke_Pixel_Done));

	oDetail.ReplayAnim();
	EXPECT_EQ(0, CountPixels(oDetail, CObjWndKanjiDetail::ke_Pixel_Done));
	EXPECT_EQ(0, oDetail.mu8_StrokeCur);
}

TEST_F(KanjiWnd, DetailDrawsTheFinishedStrokesInBlack)
{
	CObjWndKanjiDetail oDetail;
	oDetail.SetParent(nullptr);
	oDetail.LoadKanji(ku16_Ichi);
	// The stroke picture: 4 pixels inside the client area's top-left corner, the window 16 up.
	auto BlackPixels = [&]()
	{
		DrawFrame();
		int iCount = 0;
		for (u16 y = 27; y < 27 + 96; ++y)
			for (u16 x = 20; x < 20 + 96; ++x)
				iCount += Pixel(x, y) == 0xFF000000 ? 1 : 0;
		return iCount;
	};
	const int iGuides = BlackPixels();
	for (int i = 0; i < 1000 && oDetail.mu8_StrokeCur < oDetail.mv_Stroke.size(); ++i)
		oDetail.Update();
	EXPECT_GT(BlackPixels(), iGuides + 100);
}

TEST_F(KanjiWnd, DetailOfAMissingKanjiStaysHiddenAndHoldsNoTexture)
{
	const int iBefore = LockedTextures();
	CObjWndKanjiDetail oDetail;
	oDetail.LoadKanji(ku16_Shita);
	EXPECT_LT(iBefore, LockedTextures());
	oDetail.LoadKanji(ku16_NoRecord);
	EXPECT_FALSE(oDetail.mu32_State & LibGfx_CObjBase::ke_Obj_Visible);
	EXPECT_EQ(0u, oDetail.mu16_TextureId);
	EXPECT_EQ(iBefore, LockedTextures());
	oDetail.ReplayAnim();
	oDetail.Update();   // no texture, no strokes: nothing to draw into
	EXPECT_TRUE(oDetail.mv_Stroke.empty());
}

TEST_F(KanjiWnd, DetailJoinedTextsStopAt1024Bytes)
{
	CRecordTexts oMeanings(Record(ku16_Shita), SKanjiData::ke_String_Meaning, std::vector<std::string>(16, std::string(200, 'm')));
	// Kana readings: two bytes each, never cut in half.
	std::string sKana;
	for (int i = 0; i < 100; ++i)
		sKana += "\xA4\xA2";
	CRecordTexts oKun(Record(ku16_Shita), SKanjiData::ke_String_Kun, std::vector<std::string>(16, sKana));
	CObjWndKanjiDetail oDetail;
	oDetail.LoadKanji(ku16_Shita);
	EXPECT_EQ(1023u, strlen(oDetail.mo_TxtMeaning.TxtGetText()));
	const size_t uKun = strlen(oDetail.mo_TxtKun.TxtGetText());
	EXPECT_LE(1020u, uKun);
	EXPECT_GE(1023u, uKun);
	EXPECT_EQ(static_cast<char>(0xA2), oDetail.mo_TxtKun.TxtGetText()[uKun - 1]);
}
