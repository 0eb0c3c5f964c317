#include "KanjiWndFixture.h"

#include "GfxObjects/CObjWndKanji.h"

#include <cstring>

namespace
{
	const u16 ku16_Shita = 0xB2BC;   // 下: two on readings, five kun readings, six meanings
	const u16 ku16_Ichi = 0xB0EC;    // 一
	const u16 ku16_NoRecord = 0xCFFE; // an empty position inside the dictionary's range

	bool IsShown(const LibGfx_CObjBase& ao_Object) { return (ao_Object.mu32_State & LibGfx_CObjBase::ke_Obj_Visible) != 0; }

	std::string Joined(const SKanjiData& ao_Kanji, SKanjiData::enumString ae_Kind, int ai_Count)
	{
		std::string sText;
		for (int i = 0; i < ai_Count; ++i)
			sText += (i ? "\n" : "") + std::string(ao_Kanji.mpp_String[ae_Kind][i]);
		return sText;
	}

	// Client width and height of a window.
	CVector2d<float> ClientSize(LibGfx_CObjBase& ao_Wnd)
	{
		CVector3d<float> oCorner1, oCorner2;
		ao_Wnd.GetCornersClient(oCorner1, oCorner2, false);
		return CVector2d<float>(oCorner2.x - oCorner1.x, oCorner1.y - oCorner2.y);
	}
}

TEST_F(KanjiWnd, CardLayoutAllShowsTheFirstOnReadingAndTheFirstFourKunReadings)
{
	const SKanjiData* pKanji = Record(ku16_Shita);
	ASSERT_EQ(2, pKanji->mu8_StringCount[SKanjiData::ke_String_On]);
	ASSERT_EQ(5, pKanji->mu8_StringCount[SKanjiData::ke_String_Kun]);
	ASSERT_LT(4, pKanji->mu8_StringCount[SKanjiData::ke_String_Meaning]);

	CObjWndKanji oCard;
	oCard.SetLayout_A_All();
	oCard.LoadKanji(ku16_Shita);
	EXPECT_TRUE(IsShown(oCard));
	EXPECT_EQ(CVector2d<float>(160, 128), ClientSize(oCard));
	EXPECT_STREQ("\xB2\xBC", oCard.mo_TxtKanji.TxtGetText());
	EXPECT_EQ(Joined(*pKanji, SKanjiData::ke_String_On, 1), oCard.mo_TxtOn.TxtGetText());
	EXPECT_EQ(Joined(*pKanji, SKanjiData::ke_String_Kun, 4), oCard.mo_TxtKun.TxtGetText());
	EXPECT_EQ(Joined(*pKanji, SKanjiData::ke_String_Meaning, 4), oCard.mo_TxtMeaning.TxtGetText());
	for (const LibGfx_CObjText* pText : {&oCard.mo_TxtKanji, &oCard.mo_TxtOn, &oCard.mo_TxtKun, &oCard.mo_TxtMeaning})
		EXPECT_TRUE(IsShown(*pText));
}

TEST_F(KanjiWnd, CardLayoutsShowOnlyTheirPartsAndKeepTheKanji)
{
	CObjWndKanji oCard;
	oCard.SetLayout_A_All();
	oCard.LoadKanji(ku16_Shita);

	oCard.SetLayout_A_Kanji();
	EXPECT_EQ(CVector2d<float>(160, 64), ClientSize(oCard));
	EXPECT_TRUE(IsShown(oCard.mo_TxtKanji));
	EXPECT_TRUE(IsShown(oCard.mo_TxtKun));
	EXPECT_FALSE(IsShown(oCard.mo_TxtMeaning));
	EXPECT_EQ(0u, oCard.mo_TxtMeaning.mu16_TextureId);

	oCard.SetLayout_A_Traduct();
	EXPECT_EQ(CVector2d<float>(128, 64), ClientSize(oCard));
	EXPECT_TRUE(IsShown(oCard.mo_TxtMeaning));
	EXPECT_FALSE(IsShown(oCard.mo_TxtKanji));
	EXPECT_FALSE(IsShown(oCard.mo_TxtOn));
	EXPECT_EQ(4, LineCount(oCard.mo_TxtMeaning.TxtGetText()));
}

TEST_F(KanjiWnd, CardShowsNothingOfAMissingKanjiOrReading)
{
	CObjWndKanji oCard;
	oCard.SetLayout_A_All();
	oCard.LoadKanji(ku16_Shita);
	oCard.LoadKanji(ku16_NoRecord);
	EXPECT_TRUE(IsShown(oCard));
	for (const LibGfx_CObjText* pText : {&oCard.mo_TxtKanji, &oCard.mo_TxtOn, &oCard.mo_TxtKun, &oCard.mo_TxtMeaning})
		EXPECT_FALSE(IsShown(*pText));

	// Without on readings the on part stays hidden; without meanings the meaning part shows empty.
	CRecordTexts oNoOn(Record(ku16_Shita), SKanjiData::ke_String_On, {});
	CRecordTexts oNoMeaning(Record(ku16_Shita), SKanjiData::ke_String_Meaning, {});
	oCard.LoadKanji(ku16_Shita);
	EXPECT_FALSE(IsShown(oCard.mo_TxtOn));
	EXPECT_TRUE(IsShown(oCard.mo_TxtKun));
	EXPECT_TRUE(IsShown(oCard.mo_TxtMeaning));
	EXPECT_STREQ("", oCard.mo_TxtMeaning.TxtGetText());
}

TEST_F(KanjiWnd, CardUnloadGivesItsTexturesBack)
{
	const int iBefore = LockedTextures();
	{
		CObjWndKanji oCard;
		oCard.SetLayout_A_All();
		oCard.LoadKanji(ku16_Shita);
		EXPECT_EQ(iBefore + 4, LockedTextures());
		oCard.Unload();
		EXPECT_EQ(iBefore, LockedTextures());
		EXPECT_FALSE(IsShown(oCard));
		oCard.SetLayout_A_Kanji();
	}
	EXPECT_EQ(iBefore, LockedTextures());
}

TEST_F(KanjiWnd, CardDrawsTheGlyph)
{
	CObjWndKanji oCard;
	oCard.SetParent(nullptr);
	oCard.SetLayout_A_All();
	// Black ink in the glyph's square: the client area's top-left 64 x 64 pixels.
	auto BlackPixels = [&]()
	{
		DrawFrame();
		int iCount = 0;
		for (u16 y = 136 - 64; y < 136; ++y)
			for (u16 x = 240 - 80; x < 240 - 16; ++x)
				iCount += Pixel(x, y) == 0xFF000000 ? 1 : 0;
		return iCount;
	};
	oCard.LoadKanji(ku16_NoRecord);
	const int iEmpty = BlackPixels();
	oCard.LoadKanji(ku16_Ichi);
	EXPECT_GT(BlackPixels(), iEmpty + 100);
}

TEST_F(KanjiWnd, JoinedTextsStopAtTheirBuffer)
{
	// Sixteen texts of 250 bytes, then a two-byte character that would straddle the end.
	std::vector<std::string> oLong(16, std::string(250, 'a'));
	oLong[4] = std::string(10, 'b') + "\xA4\xA2";
	CRecordTexts oTexts(Record(ku16_Shita), SKanjiData::ke_String_Meaning, oLong);

	char sBuffer[CObjWndKanji::ku_Text_Size + 16];
	memset(sBuffer, '#', sizeof(sBuffer));
	const u32 uLength = CObjWndKanji::JoinStrings(*Record(ku16_Shita), SKanjiData::ke_String_Meaning, 0xFFFF, " - ",
	                                              sBuffer, CObjWndKanji::ku_Text_Size);
	// Four texts and separators take 1012 bytes, ten more fit, the character does not.
	EXPECT_EQ(4u * 250 + 4 * 3 + 10, uLength);
	EXPECT_EQ(uLength, strlen(sBuffer));
	EXPECT_EQ(std::string(16, '#'), std::string(sBuffer + CObjWndKanji::ku_Text_Size, 16));

	char sSmall[5];
	u32 uSmall = 0;
	EXPECT_TRUE(CObjWndKanji::AppendText("ab", sSmall, sizeof(sSmall), uSmall));
	EXPECT_FALSE(CObjWndKanji::AppendText("c\xA4\xA2", sSmall, sizeof(sSmall), uSmall));
	EXPECT_STREQ("abc", sSmall);   // the character is not split

	CObjWndKanji oCard;
	oCard.SetLayout_A_All();
	oCard.LoadKanji(ku16_Shita);
	EXPECT_EQ(4 * 250 + 3u, strlen(oCard.mo_TxtMeaning.TxtGetText()));
}
