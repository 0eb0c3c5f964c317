#include <string.h>
#include "KanjiTestFiles.h"
#include "ReportLines.h"
#include "LibKanji_CDictionary.h"
#include "../LibGeneral/TestAssert.h"

namespace {

typedef SKanjiData K;

// EUC-JP bytes of a few kanji and kana, in JIS order.
const std::string kAa = "\xB0\xA1";   // 亜 0xB0A1
const std::string kAb = "\xB0\xA2";   // 唖
const std::string kAc = "\xB0\xA3";   // 娃
const std::string kAd = "\xB0\xA4";   // 阿
const std::string kKataA = "\xA5\xA2";                       // ア
const std::string kHiraTsugu = "\xA4\xC4.\xA4\xB0";          // つ.ぐ
const std::string kHiraTsugi = "\xA4\xC4\xA4\xAE";           // つぎ
const std::string kHeader = "# test dictionary\n";

class DictionaryTest : public KanjiTestFiles
{
protected:
	bool Load(const std::string& as_Text)
	{
		Write("Data/kanjidic", as_Text);
		return mo_Dict.Load("./Data/kanjidic");
	}
	const K* Kanji(const std::string& as_Euc) const
	{
		return mo_Dict.GetKanjiFromEuc((u16)((u8)as_Euc[0] << 8 | (u8)as_Euc[1]));
	}
	LibKanji_CDictionary mo_Dict;
};

TEST_F(DictionaryTest, TokensFillTheRecordAndTheCounters)
{
	ASSERT_TRUE(Load(kHeader +
		kAa + " 3021 U4e9c B4 C1 G8 S8 S9 F1509 J1 N43 DK2204 DB3.12 Yya4 XJ05033 " + kKataA + " " +
		kHiraTsugu + " " + kHiraTsugi + " -" + kHiraTsugi + " {Asia} {rank next} \n" +
		kAb + " 3022 U5516 B4 S10 {mute} \n"));
	const K* p = Kanji(kAa);
	ASSERT_NE(p, nullptr);
	EXPECT_EQ(p->mu16_Info[K::ke_Info_EU], 0xB0A1);
	EXPECT_EQ(p->mu16_Info[K::ke_Info_U], 0x4E9C);
	EXPECT_EQ(p->mu16_Info[K::ke_Info_J], 1);        // the J token overwrites the JIS code
	EXPECT_EQ(p->mu16_Info[K::ke_Info_R], 1);        // C1 wins over B4
	EXPECT_EQ(p->mu16_Info[K::ke_Info_G], 8);
	EXPECT_EQ(p->mu16_Info[K::ke_Info_S], 8);        // the first S counts
	EXPECT_EQ(p->mu16_Info[K::ke_Info_F], 1509);
	EXPECT_EQ(p->mu16_Info[K::ke_Info_N], 43);
	EXPECT_EQ(p->mu16_Info[K::ke_Info_DK], 2204);
	EXPECT_EQ(p->mu16_Info[K::ke_Info_DB], 312);
	EXPECT_EQ(Kanji(kAb)->mu16_Info[K::ke_Info_J], 0x3022);

	// Radical 4 counts only 唖; radical 1 counts 亜.
	EXPECT_EQ(mo_Dict.GetRadicalCount(4), 1);
	EXPECT_EQ(mo_Dict.GetRadicalCount(1), 1);
	EXPECT_EQ(mo_Dict.GetInfoCount(K::ke_Info_R), 2);
	EXPECT_EQ(mo_Dict.GetStrokeCount(8), 1);
	EXPECT_EQ(mo_Dict.GetStrokeCount(9), 0);
	EXPECT_EQ(mo_Dict.GetStrokeCount(10), 1);
	EXPECT_EQ(mo_Dict.GetInfoCount(K::ke_Info_S), 2);
	EXPECT_EQ(mo_Dict.GetGradeCount(8), 1);
	EXPECT_EQ(mo_Dict.GetInfoCount(K::ke_Info_J), 1);

	ASSERT_EQ(p->mu8_StringCount[K::ke_String_Meaning], 2);
	EXPECT_STREQ(p->mpp_String[K::ke_String_Meaning][0], "Asia");
	EXPECT_STREQ(p->mpp_String[K::ke_String_Meaning][1], "rank next");
	ASSERT_EQ(p->mu8_StringCount[K::ke_String_On], 1);
	EXPECT_EQ(p->mpp_String[K::ke_String_On][0], kKataA);
	ASSERT_EQ(p->mu8_StringCount[K::ke_String_KunOkurigana], 1);
	EXPECT_EQ(p->mpp_String[K::ke_String_KunOkurigana][0], kHiraTsugu);
	// The reading with a leading "-" is not stored.
	ASSERT_EQ(p->mu8_StringCount[K::ke_String_Kun], 1);
	EXPECT_EQ(p->mpp_String[K::ke_String_Kun][0], kHiraTsugi);
	EXPECT_EQ(Kanji(kAb)->mpp_String[K::ke_String_Kun], nullptr);
}

// Kun readings keep the order of the line across both kinds; the kana after a T1 or T2 marker
// are names, neither kun nor on readings, and the marker holds until the line ends.
TEST_F(DictionaryTest, KunReadingsKeepTheirOrderAndNameReadingsAreLeftOut)
{
	ASSERT_TRUE(Load(kHeader +
		kAa + " 3021 " + kKataA + " " + kHiraTsugi + " " + kHiraTsugu + " " + kHiraTsugi + " T1 " + kHiraTsugu + " " +
		kHiraTsugi + " T2 " + kKataA + " {a} \n" +
		kAb + " 3022 " + kHiraTsugu + " " + kHiraTsugi + " \n"));
	const K* p = Kanji(kAa);
	EXPECT_EQ(p->mu8_StringCount[K::ke_String_Kun], 2);
	EXPECT_EQ(p->mu8_StringCount[K::ke_String_KunOkurigana], 1);
	EXPECT_EQ(p->mu8_StringCount[K::ke_String_On], 1);
	EXPECT_EQ(p->mu8_StringCount[K::ke_String_Meaning], 1);
	const char* ap_Kun[K::ku_Kun_Max];
	ASSERT_EQ(p->GetKunReadings(ap_Kun), 3);
	EXPECT_EQ(ap_Kun[0], kHiraTsugi);
	EXPECT_EQ(ap_Kun[1], kHiraTsugu);
	EXPECT_EQ(ap_Kun[2], kHiraTsugi);
	// The next line reads its readings again, in its own order.
	ASSERT_EQ(Kanji(kAb)->GetKunReadings(ap_Kun), 2);
	EXPECT_EQ(ap_Kun[0], kHiraTsugu);
	EXPECT_EQ(ap_Kun[1], kHiraTsugi);

	// 16 of each kind at most: a dropped reading takes no place in the order.
	std::string s_Line = kAa + " 3021 ";
	for (int i = 0; i < 17; ++i)
		s_Line += kHiraTsugi + " ";
	ASSERT_TRUE(Load(kHeader + s_Line + kHiraTsugu + " \n"));
	ASSERT_EQ(Kanji(kAa)->GetKunReadings(ap_Kun), 17);
	EXPECT_EQ(ap_Kun[16], kHiraTsugu);
}

TEST_F(DictionaryTest, ValuesBeyondTheLimitsAreSkipped)
{
	ASSERT_TRUE(Load(kHeader + kAa + " 3021 G10 S32 B215 G3 {a} \n" + kAb + " 3022 S31 C214 \n"));
	const K* p = Kanji(kAa);
	EXPECT_EQ(p->mu16_Info[K::ke_Info_G], 3);
	EXPECT_EQ(p->mu16_Info[K::ke_Info_S], 0);
	EXPECT_EQ(p->mu16_Info[K::ke_Info_R], 0);
	EXPECT_EQ(p->mu8_StringCount[K::ke_String_Meaning], 1);
	EXPECT_EQ(Kanji(kAb)->mu16_Info[K::ke_Info_S], 31);
	EXPECT_EQ(mo_Dict.GetRadicalCount(214), 1);
	EXPECT_EQ(mo_Dict.GetInfoCount(K::ke_Info_R), 1);
}

TEST_F(DictionaryTest, TextLimits)
{
	std::string s_Line = kAa + " 3021 ";
	for (int i = 0; i < 17; ++i)
		s_Line += "{m" + std::to_string(i) + "} ";
	// A 400-byte meaning is cut to the token's 255 bytes, "{" included.
	s_Line += "\n" + kAb + " 3022 {" + std::string(400, 'x') + "} F7 ";
	ASSERT_TRUE(Load(kHeader + s_Line + "\n"));
	const K* p = Kanji(kAa);
	ASSERT_EQ(p->mu8_StringCount[K::ke_String_Meaning], 16);
	EXPECT_STREQ(p->mpp_String[K::ke_String_Meaning][15], "m15");
	ASSERT_EQ(Kanji(kAb)->mu8_StringCount[K::ke_String_Meaning], 1);
	EXPECT_EQ(strlen(Kanji(kAb)->mpp_String[K::ke_String_Meaning][0]), 254u);
	EXPECT_EQ(Kanji(kAb)->mu16_Info[K::ke_Info_F], 7);
}

TEST_F(DictionaryTest, LastLineWithoutNewlineAndLinesOutsideTheRange)
{
	// 娃 bounds nothing: the range is 唖..阿, so the first line's 亜 written later lies outside it.
	ASSERT_TRUE(Load(kHeader + kAb + " 3022 {b} \n" + kAa + " 3021 {outside} \n" + kAd + " 3024 {last} " +
		kKataA));
	EXPECT_EQ(mo_Dict.GetKanjiTotal(), 3);
	EXPECT_EQ(Kanji(kAa), nullptr);
	const K* p_Gap = Kanji(kAc);
	ASSERT_NE(p_Gap, nullptr);
	EXPECT_EQ(p_Gap->mu16_Info[K::ke_Info_EU], 0);
	EXPECT_EQ(p_Gap->mu8_StringCount[K::ke_String_Meaning], 0);
	EXPECT_EQ(mo_Dict.FindKanjiFromEuc(0xB0A3), nullptr);
	EXPECT_EQ(mo_Dict.FindKanjiFromEuc(0xB0A4), Kanji(kAd));
	EXPECT_EQ(mo_Dict.FindKanjiFromEuc(0xB0A5), nullptr);
	const K* p_Last = Kanji(kAd);
	ASSERT_EQ(p_Last->mu8_StringCount[K::ke_String_Meaning], 1);
	EXPECT_STREQ(p_Last->mpp_String[K::ke_String_Meaning][0], "last");
	EXPECT_EQ(p_Last->mu8_StringCount[K::ke_String_On], 1);
	EXPECT_EQ(mo_Dict.GetKanjiFromEuc(0xB0A5), nullptr);
	EXPECT_EQ(mo_Dict.GetKanjiFromEuc(0x3021), nullptr);
}

TEST_F(DictionaryTest, CountersOutsideTheirTablesAreZero)
{
	ASSERT_TRUE(Load(kHeader + kAa + " 3021 U4e9c B1 G9 S31 \n"));
	EXPECT_EQ(mo_Dict.GetInfoCount(K::ke_Info_U), 1);
	EXPECT_EQ(mo_Dict.GetInfoCount(K::ke_Info_Total), 0);
	EXPECT_EQ(mo_Dict.GetGradeCount(9), 1);
	EXPECT_EQ(mo_Dict.GetGradeCount(LibKanji_CDictionary::ke_kanji_max_grade), 0);
	EXPECT_EQ(mo_Dict.GetStrokeCount(31), 1);
	EXPECT_EQ(mo_Dict.GetStrokeCount(LibKanji_CDictionary::ke_kanji_max_Stroke), 0);
	EXPECT_EQ(mo_Dict.GetRadicalCount(1), 1);
	EXPECT_EQ(mo_Dict.GetRadicalCount(255), 0);
}

TEST_F(DictionaryTest, Lookups)
{
	ASSERT_TRUE(Load(kHeader + kAa + " 3021 U4e00 G1 \n" + kAb + " 3022 G2 \n" + kAc + " 3023 U4e00 G1 \n"));
	EXPECT_EQ(mo_Dict.GetKanjiFromInfo(K::ke_Info_G, 1, 0), Kanji(kAa));
	EXPECT_EQ(mo_Dict.GetKanjiFromInfo(K::ke_Info_G, 1, 1), Kanji(kAc));
	EXPECT_EQ(mo_Dict.GetKanjiFromInfo(K::ke_Info_G, 1, 2), nullptr);
	EXPECT_EQ(mo_Dict.GetKanjiFromRadical(1), Kanji(kAa));    // radical 1 shows as U+4E00
	EXPECT_EQ(mo_Dict.GetKanjiFromRadical(2), nullptr);
	EXPECT_EQ(mo_Dict.GetKanjiFromRadical(0), nullptr);
	EXPECT_LIBGEN_ASSERT(mo_Dict.GetKanjiFromRadical(215), "au16_RadicalIndex<=sizeof\\(cuRadicalUnicode\\)/2");

	EXPECT_EQ(LibKanji_CDictionary::GetInfoFromName("E997"), K::ke_Info_E);
	EXPECT_EQ(LibKanji_CDictionary::GetInfoFromName("DK2204"), K::ke_Info_DK);
	EXPECT_EQ(LibKanji_CDictionary::GetInfoFromName("dk"), K::ke_Info_DK);
	EXPECT_EQ(LibKanji_CDictionary::GetInfoFromName("EU"), K::ke_Info_EU);
	EXPECT_EQ(LibKanji_CDictionary::GetInfoFromName("Yya4"), K::ke_Info_Total);
	EXPECT_EQ(LibKanji_CDictionary::GetInfoFromName(""), K::ke_Info_Total);
	EXPECT_EQ(LibKanji_CDictionary::GetInfoFromName(nullptr), K::ke_Info_Total);
}

TEST_F(DictionaryTest, CorruptFilesAreRefusedOrReadSafely)
{
	// Each refusal, and each line left out, is said on one line that names the file.
	ReportLines o_Report;
	const std::string s_NoKanjidic = "Fudemaru: Data/kanjidic: is no KANJIDIC file: the line after the first and the "
		"last line must begin with EUC-JP kanji, the first one's code the lower";
	EXPECT_FALSE(mo_Dict.Load("./Data/missing"));
	EXPECT_FALSE(Load(""));
	EXPECT_FALSE(Load("no newline at all"));
	EXPECT_FALSE(Load(kHeader));
	EXPECT_FALSE(Load(kHeader + "ab 3021 {not a kanji}\n"));
	EXPECT_FALSE(mo_Dict.IsLoaded());
	EXPECT_EQ(mo_Dict.GetKanjiFromEuc(0xB0A1), nullptr);
	EXPECT_EQ(o_Report.Take(), (std::vector<std::string>{
		"Fudemaru: Data/missing: cannot be opened (No such file or directory)", "Fudemaru: Data/kanjidic: is empty",
		s_NoKanjidic, s_NoKanjidic, s_NoKanjidic }));
	ASSERT_TRUE(Load(kHeader + kAb + " 3022 \n" + kAa + " 3021 \nxy 3021 \n" + kAb + " 3022 \n" + kAd + " 3024 \n"));
	EXPECT_EQ(o_Report.Take(), (std::vector<std::string>{ "Fudemaru: Data/kanjidic: 3 lines skipped: they begin with "
		"no kanji between the first and the last line's, or with one already read" }));

	// Every cut of a good file loads without reading past its end (checked under the sanitizers too).
	const std::string s_Good = kHeader + kAa + " 3021 U4e9c B1 C7 DB3.12 {Asia} " + kKataA + " \n" +
		kAb + " 3022 S10 {mute} \n";
	for (size_t u_Len = 0; u_Len <= s_Good.size(); ++u_Len)
	{
		Load(s_Good.substr(0, u_Len));
		if (mo_Dict.IsLoaded())
		{
			EXPECT_EQ(Kanji(kAa)->mu16_Info[K::ke_Info_EU], 0xB0A1) << u_Len;
		}
	}
	mo_Dict.Unload();
	EXPECT_EQ(mo_Dict.GetKanjiTotal(), 0);
}

// Found by fuzzing: "EU0" cleared the code, so the repeated line took the record again and leaked "a".
TEST_F(DictionaryTest, NamedTokensKeepOffTheKeyAndCountedFields)
{
	ASSERT_TRUE(Load(kHeader + kAa + " 3021 EU0 {a} \n" + kAa + " 3021 {b} \n" + kAb + " 3022 EU45217 \n"));
	const K* p = Kanji(kAa);
	EXPECT_EQ(p->mu16_Info[K::ke_Info_EU], 0xB0A1);
	ASSERT_EQ(p->mu8_StringCount[K::ke_String_Meaning], 1);
	EXPECT_STREQ(p->mpp_String[K::ke_String_Meaning][0], "a");
	EXPECT_EQ(Kanji(kAb)->mu16_Info[K::ke_Info_EU], 0xB0A2);
	EXPECT_EQ(mo_Dict.GetInfoCount(K::ke_Info_EU), 0);

	// Found by fuzzing: lower-case names reached the counted fields past their limits, and "C7"
	// then took one from the count of radical 220, outside the table.
	ASSERT_TRUE(Load(kHeader + kAa + " 3021 B3 r220 g12 s40 C7 \n"));
	p = Kanji(kAa);
	EXPECT_EQ(p->mu16_Info[K::ke_Info_R], 7);
	EXPECT_EQ(p->mu16_Info[K::ke_Info_G], 0);
	EXPECT_EQ(p->mu16_Info[K::ke_Info_S], 0);
	EXPECT_EQ(mo_Dict.GetRadicalCount(3), 0);
	EXPECT_EQ(mo_Dict.GetRadicalCount(7), 1);
}

TEST_F(DictionaryTest, RealDictionary)
{
	if (!UseRealData("kanjidic"))
		GTEST_SKIP() << "no built kanjidic";
	ASSERT_TRUE(mo_Dict.Load("./Data/kanjidic"));
	const K* p = mo_Dict.GetKanjiFromEuc(0xB0A1);
	ASSERT_NE(p, nullptr);
	EXPECT_EQ(p->mu16_Info[K::ke_Info_U], 0x4E9C);
	EXPECT_EQ(p->mu16_Info[K::ke_Info_G], 8);
	EXPECT_EQ(p->mu16_Info[K::ke_Info_S], 7);
	EXPECT_EQ(p->mu16_Info[K::ke_Info_F], 1509);
	EXPECT_EQ(p->mu16_Info[K::ke_Info_R], 7);
	EXPECT_EQ(p->mu16_Info[K::ke_Info_J], 1);
	ASSERT_GE(p->mu8_StringCount[K::ke_String_Meaning], 1);
	EXPECT_STREQ(p->mpp_String[K::ke_String_Meaning][0], "Asia");
	EXPECT_EQ(mo_Dict.GetGradeCount(1), 80);
	EXPECT_EQ(mo_Dict.GetInfoCount(K::ke_Info_U), 6355);
}

}  // namespace
