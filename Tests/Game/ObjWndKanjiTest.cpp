#include "KanjiWndFixture.h"

#include "GfxObjects/CObjWndKanji.h"
#include "GfxObjects/CObjWndKanjiDetail.h"

#include <cstring>

namespace
{
	const u16 ku16_Shita = 0xB2BC;     // 下: two on readings, five kun readings, six meanings
	const u16 ku16_NoRecord = 0xCFFE;  // an empty position inside the dictionary's range

	std::string Joined(const SKanjiData& ao_Kanji, SKanjiData::enumString ae_Kind, int ai_Count)
	{
		std::string sText;
		for (int i = 0; i < ai_Count; ++i)
			sText += (i ? "\n" : "") + std::string(ao_Kanji.mpp_String[ae_Kind][i]);
		return sText;
	}

	float ClientWidth(LibGfx_CObjBase& ao_Wnd)
	{
		CVector3d<float> oCorner1, oCorner2;
		ao_Wnd.GetCornersClient(oCorner1, oCorner2, false);
		return oCorner2.x - oCorner1.x;
	}
}

TEST_F(KanjiWnd, CardLayoutAllShowsTheFirstOnReadingAndTheFirstFourKunReadings)
{
	const SKanjiData* pKanji = Record(ku16_Shita);
	ASSERT_EQ(2, pKanji->mu8_StringCount[SKanjiData::ke_String_On]);
	CObjWndKanji oCard;
	oCard.SetLayout_A_All();
	oCard.LoadKanji(ku16_Shita);
	EXPECT_STREQ("\xB2\xBC", oCard.mo_TxtKanji.TxtGetText());
	EXPECT_EQ(Joined(*pKanji, SKanjiData::ke_String_On, 1), oCard.mo_TxtOn.TxtGetText());
	// した しも もと さ.げる: both kinds of kun readings, in the dictionary's order.
	EXPECT_STREQ("\xA4\xB7\xA4\xBF\n\xA4\xB7\xA4\xE2\n\xA4\xE2\xA4\xC8\n\xA4\xB5.\xA4\xB2\xA4\xEB", oCard.mo_TxtKun.TxtGetText());
	EXPECT_EQ(Joined(*pKanji, SKanjiData::ke_String_Meaning, 4), oCard.mo_TxtMeaning.TxtGetText());
	EXPECT_TRUE(IsShown(oCard) && IsShown(oCard.mo_TxtKanji) && IsShown(oCard.mo_TxtOn) && IsShown(oCard.mo_TxtMeaning));
}

// The card (layouts All and Kanji) and the detail page list the same kun readings: those with
// okurigana among them in the order of the dictionary, never the name readings after T1.
TEST_F(KanjiWnd, CardsAndPageShowKunReadingsOfBothKindsWithoutNameReadings)
{
	const struct { u16 mu16_Code; const char* ms_Kun; } acCases[] = {
		{0xB8AB, "\xA4\xDF.\xA4\xEB\n\xA4\xDF.\xA4\xA8\xA4\xEB\n\xA4\xDF.\xA4\xBB\xA4\xEB"},  // 見: み.る み.える み.せる
		{0xBBB0, "\xA4\xDF\n\xA4\xDF.\xA4\xC4\n\xA4\xDF\xA4\xC3.\xA4\xC4"},                     // 三: み み.つ みっ.つ
		{0xC6FC, "\xA4\xD2"},                                                                   // 日: ひ
	};
	CObjWndKanji oCard;
	CObjWndKanjiDetail oDetail;
	for (const auto& c : acCases)
	{
		oCard.SetLayout_A_All();
		oCard.LoadKanji(c.mu16_Code);
		EXPECT_STREQ(c.ms_Kun, oCard.mo_TxtKun.TxtGetText()) << std::hex << c.mu16_Code;
		oCard.SetLayout_A_Kanji();
		EXPECT_STREQ(c.ms_Kun, oCard.mo_TxtKun.TxtGetText()) << std::hex << c.mu16_Code;
		oDetail.LoadKanji(c.mu16_Code);
		EXPECT_STREQ(c.ms_Kun, oDetail.mo_TxtKun.TxtGetText()) << std::hex << c.mu16_Code;
	}
}

TEST_F(KanjiWnd, CardOtherLayoutsMissingTextsAndUnload)
{
	const int iTextures = LockedTextures();
	CObjWndKanji oCard;
	oCard.SetLayout_A_All();
	oCard.LoadKanji(ku16_Shita);
	oCard.SetLayout_A_Kanji();   // keeps the kanji, drops the meanings
	EXPECT_EQ(160, ClientWidth(oCard));
	EXPECT_TRUE(IsShown(oCard.mo_TxtKun));
	EXPECT_FALSE(IsShown(oCard.mo_TxtMeaning));
	EXPECT_EQ(iTextures + 3, LockedTextures());

	oCard.SetLayout_A_Traduct();
	EXPECT_EQ(128, ClientWidth(oCard));
	EXPECT_FALSE(IsShown(oCard.mo_TxtKanji));
	EXPECT_EQ(4, LineCount(oCard.mo_TxtMeaning.TxtGetText()));
	{
		// Without meanings the meaning text shows empty; without on readings the on part is hidden.
		CRecordTexts oNoMeaning(Record(ku16_Shita), SKanjiData::ke_String_Meaning, {});
		CRecordTexts oNoOn(Record(ku16_Shita), SKanjiData::ke_String_On, {});
		oCard.LoadKanji(0);
		EXPECT_TRUE(IsShown(oCard.mo_TxtMeaning));
		EXPECT_STREQ("", oCard.mo_TxtMeaning.TxtGetText());
		oCard.SetLayout_A_All();
		EXPECT_FALSE(IsShown(oCard.mo_TxtOn));
		EXPECT_TRUE(IsShown(oCard.mo_TxtKun));
	}
	// A code without a record leaves the window empty, not showing the previous kanji.
	oCard.LoadKanji(ku16_NoRecord);
	EXPECT_TRUE(IsShown(oCard));
	EXPECT_FALSE(IsShown(oCard.mo_TxtKanji) || IsShown(oCard.mo_TxtKun) || IsShown(oCard.mo_TxtMeaning));
	oCard.Unload();
	EXPECT_FALSE(IsShown(oCard));
	EXPECT_EQ(iTextures, LockedTextures());
}

TEST_F(KanjiWnd, JoinedTextsStopAtTheirBuffer)
{
	// Four texts and separators take 1012 bytes; ten more fit, the two-byte character does not.
	std::vector<std::string> oLong(16, std::string(250, 'a'));
	oLong[4] = std::string(10, 'b') + "\xA4\xA2";
	CRecordTexts oMeanings(Record(ku16_Shita), SKanjiData::ke_String_Meaning, oLong);
	char sBuffer[CObjWndKanji::ku_Text_Size + 8];
	memset(sBuffer, '#', sizeof(sBuffer));
	EXPECT_EQ(1022u, CObjWndKanji::JoinStrings(*Record(ku16_Shita), SKanjiData::ke_String_Meaning, 0xFFFF, " - ",
	                                           sBuffer, CObjWndKanji::ku_Text_Size));
	EXPECT_EQ(1022u, strlen(sBuffer));
	EXPECT_EQ(std::string(8, '#'), std::string(sBuffer + CObjWndKanji::ku_Text_Size, 8));

	// The detail page shows whole items while they fit its boxes; an item taller than its box
	// alone shows as far as it goes, and a last line says how many are left out.
	std::string sKana;
	for (int i = 0; i < 100; ++i)
		sKana += "\xA4\xA2";
	CRecordTexts oKun(Record(ku16_Shita), SKanjiData::ke_String_Kun, std::vector<std::string>(16, sKana));
	CRecordTexts oKunOkurigana(Record(ku16_Shita), SKanjiData::ke_String_KunOkurigana, {});
	CObjWndKanjiDetail oDetail;
	oDetail.LoadKanji(ku16_Shita);
	EXPECT_EQ(oLong[0] + " - +15", oDetail.mo_TxtMeaning.TxtGetText());
	EXPECT_EQ(sKana + "\n+15", oDetail.mo_TxtKun.TxtGetText());
}

// A list whose items take more lines than the box keeps its first items, whole, as many as fit
// with a last line that says how many are left out.
TEST_F(KanjiWnd, ListsKeepTheWholeItemsThatFitTheirBox)
{
	// 下 on its card: the third meaning takes two lines of the 160-unit box, so the fourth would
	// take a fifth line: the card shows two and says two more exist.
	CRecordTexts oMeanings(Record(ku16_Shita), SKanjiData::ke_String_Meaning,
	                       {"below", "down", "counter for guns and tools", "descend"});
	CObjWndKanji oCard;
	oCard.SetLayout_A_All();
	oCard.LoadKanji(ku16_Shita);
	EXPECT_STREQ("below\ndown\n+2", oCard.mo_TxtMeaning.TxtGetText());
	EXPECT_LE(oCard.mo_TxtMeaning.TxtGetLineCount(), oCard.mo_TxtMeaning.TxtGetLineCapacity());

	// The page's meanings, joined on two lines, end with a whole meaning.
	CObjWndKanjiDetail oDetail;
	oDetail.LoadKanji(0xC3FA);   // 丁: street - ward - town - counter for guns, tools, ... - even number - ...
	const std::string sMeaning = oDetail.mo_TxtMeaning.TxtGetText();
	EXPECT_EQ(0u, sMeaning.find("street - ward - town - counter for"));
	EXPECT_EQ(std::string::npos, sMeaning.find(" - ", sMeaning.size() - 3)) << sMeaning;
	EXPECT_EQ(0u, sMeaning.compare(sMeaning.rfind(" - "), 4, " - +")) << sMeaning;
	EXPECT_LE(oDetail.mo_TxtMeaning.TxtGetLineCount(), oDetail.mo_TxtMeaning.TxtGetLineCapacity());
}

// The cards of both quiz directions, the answers found and the review page show the meanings of
// the interface's language as it is when they are laid out, English where it has none (Italian).
TEST_F(KanjiWnd, MeaningsFollowTheLanguageOfTheInterface)
{
	const u16 u16_Nichi = 0xC6FC;  // 日
	LibText_CManagerString* p_Strings = LibText_CManagerString::Instance();
	ASSERT_TRUE(LibKanji_CKanjiTexts::Instance()->LoadMeanings("./Data/meanings"));
	ASSERT_TRUE(p_Strings->Load(1));
	CObjWndKanji o_Card;
	o_Card.SetLayout_A_Traduct();
	o_Card.LoadKanji(u16_Nichi);
	EXPECT_STREQ("jour\nsoleil\nJapon\ncompteur de jours", o_Card.mo_TxtMeaning.TxtGetText());
	CObjWndKanjiDetail o_Detail;
	o_Detail.LoadKanji(u16_Nichi);
	EXPECT_STREQ("jour - soleil - Japon - compteur de jours", o_Detail.mo_TxtMeaning.TxtGetText());
	// The column of radical 日 opens with 旭 and 暗, each with its first French meaning.
	EXPECT_EQ(0, strncmp("\xB0\xB0 soleil levant\n\xB0\xC5 obscurit\xE9\n", o_Detail.mo_TxtRadical.TxtGetText(), 30));

	ASSERT_TRUE(p_Strings->Load(2));
	o_Card.SetLayout_A_All();
	EXPECT_EQ(Joined(*Record(u16_Nichi), SKanjiData::ke_String_Meaning, 4), o_Card.mo_TxtMeaning.TxtGetText());
	o_Detail.Unload();
	ASSERT_TRUE(p_Strings->Load(0));
	LibKanji_CKanjiTexts::Instance()->Unload();
}
