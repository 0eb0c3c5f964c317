#include <string.h>
#include <string>
#include "KanjiTestFiles.h"
#include "LibKanji_CDictionary.h"
#include "LibKanji_CKanjiList.h"
#include "LibKanji_CKanjiTexts.h"

namespace {

// 日 (0xC6FC) and 亜 (0xB0A1), with their English meanings.
const char* kDictionary =
	"# texts test\n"
	"\xB0\xA1 3021 U4e9c G8 S7 {Asia} {rank next} \n"
	"\xC6\xFC 467C U65e5 G1 S4 {day} {sun} \n";

class KanjiTextsTest : public KanjiTestFiles
{
protected:
	void SetUp() override
	{
		KanjiTestFiles::SetUp();
		Write("Data/kanjidic", kDictionary);
		ASSERT_TRUE(LibKanji_CDictionary::Instance()->Load("./Data/kanjidic"));
	}
	void TearDown() override
	{
		mp_Texts->Unload();
		LibKanji_CDictionary::Instance()->Unload();
		KanjiTestFiles::TearDown();
	}
	// The meanings shown in a language, joined by "|".
	std::string Meanings(u16 au16_Euc, u8 au8_Language)
	{
		const char* ap_Texts[LibKanji_CKanjiTexts::ku_Meaning_Max];
		const u8 u8_Count = mp_Texts->GetMeanings(LibKanji_CDictionary::Instance()->GetKanjiFromEuc(au16_Euc), au8_Language, ap_Texts);
		std::string s_Out;
		for (u8 i = 0; i < u8_Count; ++i)
			s_Out += (i ? "|" : "") + std::string(ap_Texts[i]);
		return s_Out;
	}
	// The words shown, "word/reading/gloss" joined by "|".
	std::string Words(u16 au16_Euc)
	{
		LibKanji_CKanjiTexts::SWord ao_Words[LibKanji_CKanjiTexts::ku_Word_Max];
		const u8 u8_Count = mp_Texts->GetWords(LibKanji_CDictionary::Instance()->GetKanjiFromEuc(au16_Euc), ao_Words);
		std::string s_Out;
		for (u8 i = 0; i < u8_Count; ++i)
			s_Out += (i ? "|" : "") + std::string(ao_Words[i].ms_Word) + "/" + ao_Words[i].ms_Reading + "/" + ao_Words[i].ms_Gloss;
		return s_Out;
	}

	LibKanji_CKanjiTexts* mp_Texts = LibKanji_CKanjiTexts::Instance();
};

TEST_F(KanjiTextsTest, MeaningsOfEachLanguageFallBackToEnglish)
{
	// 日: French and Portuguese, an empty part skipped; 亜: Spanish only; the last line lacks its line feed.
	Write("Data/meanings", "FudemaruMeanings 1\n\xC6\xFC\tjour;;soleil\t\tdia\n\xB0\xA1\t\tAsia\t");
	ASSERT_TRUE(mp_Texts->LoadMeanings("./Data/meanings"));
	EXPECT_EQ(Meanings(0xC6FC, LibKanji_CKanjiTexts::ke_Lang_Fr), "jour|soleil");
	EXPECT_EQ(Meanings(0xC6FC, LibKanji_CKanjiTexts::ke_Lang_Pt), "dia");
	EXPECT_EQ(Meanings(0xC6FC, LibKanji_CKanjiTexts::ke_Lang_Es), "day|sun");
	EXPECT_EQ(Meanings(0xC6FC, LibKanji_CKanjiTexts::ke_Lang_It), "day|sun");
	EXPECT_EQ(Meanings(0xC6FC, LibKanji_CKanjiTexts::ke_Lang_En), "day|sun");
	EXPECT_EQ(Meanings(0xB0A1, LibKanji_CKanjiTexts::ke_Lang_Es), "Asia");
	EXPECT_EQ(Meanings(0xB0A1, LibKanji_CKanjiTexts::ke_Lang_Fr), "Asia|rank next");
	EXPECT_FALSE(mp_Texts->HasMeanings(LibKanji_CDictionary::Instance()->GetKanjiFromEuc(0xB0A1), LibKanji_CKanjiTexts::ke_Lang_Fr));
}

TEST_F(KanjiTextsTest, BadFilesKeepNothing)
{
	Write("Data/meanings", "FudemaruMeanings 1\n\xC6\xFC\tjour\t\t\n\xB0\xA1\tAsie\n");
	EXPECT_FALSE(mp_Texts->LoadMeanings("./Data/meanings"));
	EXPECT_EQ(Meanings(0xC6FC, LibKanji_CKanjiTexts::ke_Lang_Fr), "day|sun");
	Write("Data/meanings", "FudemaruWords 1\n");
	EXPECT_FALSE(mp_Texts->LoadMeanings("./Data/meanings"));
	Write("Data/words", "FudemaruWords 1\n\x41\x42\ta\tb\tc\n");
	EXPECT_FALSE(mp_Texts->LoadWords("./Data/words"));
	EXPECT_EQ(Words(0xC6FC), "");
	EXPECT_FALSE(mp_Texts->LoadWords("./Data/missing"));
}

TEST_F(KanjiTextsTest, WordsOfAKanjiAreItsFirstRunOfSix)
{
	std::string s_File = "FudemaruWords 1\n";
	for (char c = '1'; c <= '7'; ++c)
		s_File += std::string("\xC6\xFC\tw") + c + "\tr" + c + "\tg" + c + "\n";
	s_File += "\xB0\xA1\ta\tb\tc\n\xC6\xFC\tlate\tx\ty";
	Write("Data/words", s_File);
	ASSERT_TRUE(mp_Texts->LoadWords("./Data/words"));
	EXPECT_EQ(Words(0xC6FC), "w1/r1/g1|w2/r2/g2|w3/r3/g3|w4/r4/g4|w5/r5/g5|w6/r6/g6");
	EXPECT_EQ(Words(0xB0A1), "a/b/c");
}

TEST_F(KanjiTextsTest, ShippedListsAreNamedInEachLanguageOwnListsKeepTheirName)
{
	LibKanji_CKanjiList* p_Lists = LibKanji_CKanjiList::Instance();
	MakeDir("Data/KanjiList");
	MakeDir("Own");
	const std::string s_Xml = "<?xml version=\"1.0\"?>\n<KanjiList Name=\"Grade 1\" Name_Fr=\"Ann\xC3\xA9" "e 1\" Name_It=\"Anno 1\">"
		"<Filter Index=\"G\" Value=\"1\"/></KanjiList><KanjiList Name=\"JLPT 4\" Name_En=\"JLPT 4 (old)\"/>";
	Write("Data/KanjiList/Lists.xml", s_Xml);
	Write("Own/Mine.xml", "<?xml version=\"1.0\"?>\n<KanjiList Name=\"Mine\" Name_Fr=\"A moi\"/>");
	p_Lists->Load_Lists("./Data/KanjiList/");
	p_Lists->Load_Lists("./Own/", true);
	ASSERT_EQ(p_Lists->GetListCount(), 3);
	EXPECT_STREQ(p_Lists->GetListInfo((u8)0)->GetName(0), "Grade 1");
	EXPECT_STREQ(p_Lists->GetListInfo((u8)0)->GetName(1), "Ann\xE9" "e 1");
	EXPECT_STREQ(p_Lists->GetListInfo((u8)0)->GetName(2), "Anno 1");
	EXPECT_STREQ(p_Lists->GetListInfo((u8)1)->GetName(0), "JLPT 4 (old)");
	EXPECT_STREQ(p_Lists->GetListInfo((u8)1)->GetName(1), "JLPT 4");
	EXPECT_STREQ(p_Lists->GetListInfo((u8)2)->GetName(1), "Mine");
	EXPECT_EQ(p_Lists->GetListInfo("Grade 1"), p_Lists->GetListInfo((u8)0));
	p_Lists->Unload();
}

// The built files: the meanings and words the issue names.
TEST_F(KanjiTextsTest, BuiltDataHoldsFrenchMeaningsAndWords)
{
	if (!UseRealData("words") || !UseRealData("meanings"))
		GTEST_SKIP() << "build/Data is not built";
	ASSERT_TRUE(LibKanji_CDictionary::Instance()->Load("./Data/kanjidic"));
	ASSERT_TRUE(mp_Texts->LoadMeanings("./Data/meanings"));
	ASSERT_TRUE(mp_Texts->LoadWords("./Data/words"));
	EXPECT_EQ(Meanings(0xC6FC, LibKanji_CKanjiTexts::ke_Lang_Fr), "jour|soleil|Japon|compteur de jours");
	EXPECT_EQ(Meanings(0xB8AB, LibKanji_CKanjiTexts::ke_Lang_Fr).rfind("regarder|voir|visible|", 0), 0u);
	u16 u16_French = 0;
	for (u16 i = 0; i < LibKanji_CDictionary::Instance()->GetKanjiTotal(); ++i)
		u16_French += mp_Texts->HasMeanings(LibKanji_CDictionary::Instance()->GetRecord(i), LibKanji_CKanjiTexts::ke_Lang_Fr);
	EXPECT_EQ(u16_French, 2066);
	// 日: Japan among its words, at most one date or count.
	const std::string s_Words = Words(0xC6FC);
	EXPECT_NE(s_Words.find("\xC6\xFC\xCB\xDC/\xA4\xCB\xA4\xDB\xA4\xF3/Japan"), std::string::npos) << s_Words;
}

}  // namespace
