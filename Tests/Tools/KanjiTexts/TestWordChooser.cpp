#include <iconv.h>
#include <string>
#include <vector>
#include <gtest/gtest.h>
#include "CKanjiTextsCommon.h"
#include "CWordChooser.h"

namespace {

// The test's UTF-8 as the EUC-JP the chooser reads, and back.
std::string Convert(const char* as_To, const char* as_From, const std::string& as_Text)
{
	iconv_t h_Iconv = iconv_open(as_To, as_From);
	std::string s_In = as_Text;
	char s_Out[512];
	char* p_In = &s_In[0];
	char* p_Out = s_Out;
	size_t u_InLeft = s_In.size(), u_OutLeft = sizeof(s_Out);
	iconv(h_Iconv, &p_In, &u_InLeft, &p_Out, &u_OutLeft);
	iconv_close(h_Iconv);
	return std::string(s_Out, (size_t)(p_Out - s_Out));
}
std::string Euc(const std::string& as_Utf8) { return Convert("EUC-JP", "UTF-8", as_Utf8); }

// The chosen words of a kanji, "word reading" in UTF-8.
std::vector<std::string> Chosen(const CWordChooser& ao_Chooser, const char* as_Kanji)
{
	std::vector<std::string> o_Out;
	for (const CWordChooser::SWord& o_Word : ao_Chooser.Choose(Euc(as_Kanji)))
		o_Out.push_back(Convert("UTF-8", "EUC-JP", o_Word.ms_Word + " " + o_Word.ms_Reading));
	return o_Out;
}

bool Has(const std::vector<std::string>& ao_Words, const char* as_Word)
{
	for (const std::string& s_Word : ao_Words)
		if (s_Word == as_Word)
			return true;
	return false;
}

TEST(WordChooser, ShortWordsOfEasyKanjiAndDifferentReadingsNotTenDates)
{
	CWordChooser o_Chooser;
	for (const char* s_Line : { "日 467C G1 F1 ニチ ジツ ひ -び -か T1 あき {day}", "本 4B5C G1 F16 ホン もと {book}",
			"毎 4B68 G2 F436 マイ ごと {every}", "曜 4D4B G2 F940 ヨウ {weekday}", "一 306C G1 F2 イチ ひと {one}",
			"二 4673 G1 F9 ニ ふた {two}", "三 3B30 G1 F14 サン み {three}", "晦 3366 F2000 カイ みそか {last day}",
			"大 4267 G1 F7 ダイ おお {big}", "出 3D50 G1 F13 シュツ で {exit}", "昨 3A23 G4 F800 サク {yesterday}" })
		o_Chooser.AddKanjidicLine(Euc(s_Line));
	int i_Common = 0;
	for (const char* s_Line : { "一日 [いちにち] /(n) one day/(P)/", "二日 [ふつか] /(n) second day of the month/(P)/",
			"三日 [みっか] /(n) third day of the month/(P)/", "日本 [にほん] /(n) Japan/(P)/",
			"日本 [にっぽん] /(n) Japan/(P)/", "毎日 [まいにち] /(n-adv,n-t) every day/(P)/",
			"本日 [ほんじつ] /(n-t) today/(P)/", "日曜日 [にちようび] /(n-adv,n-t) Sunday/(P)/",
			"日の出 [ひので] /(n) sunrise/(P)/", "大晦日 [おおみそか] /(n) New Year's Eve/(P)/",
			"昨日 [きのう] /(n-adv,n-t) yesterday/",  "日本一日本 [にほんいちにほん] /(n) long/(P)/" })
		i_Common += o_Chooser.AddEdictLine(Euc(s_Line));
	// Not common, written a second time, or longer than 4 characters: no candidate.
	EXPECT_EQ(i_Common, 9);
	const std::vector<std::string> o_Words = Chosen(o_Chooser, "日");
	ASSERT_EQ(o_Words.size(), 6u);
	EXPECT_EQ(o_Words[0], "日本 にほん");
	for (const char* s_Word : { "毎日 まいにち", "本日 ほんじつ", "日の出 ひので", "日曜日 にちようび" })
		EXPECT_TRUE(Has(o_Words, s_Word)) << s_Word;
	EXPECT_EQ(Has(o_Words, "一日 いちにち") + Has(o_Words, "二日 ふつか") + Has(o_Words, "三日 みっか"), 1);
	// The ungraded, unranked 晦 makes 大晦日 the last choice, left out when six are found.
	EXPECT_FALSE(Has(o_Words, "大晦日 おおみそか"));
	EXPECT_EQ(Chosen(o_Chooser, "曜"), std::vector<std::string>{ "日曜日 にちようび" });
}

TEST(WordChooser, FirstGlossLosesItsNotesAndStaysShort)
{
	EXPECT_EQ(CWordChooser::FirstGloss("(n-adv,n-t) (1) every day/daily/(P)/"), "every day");
	EXPECT_EQ(CWordChooser::FirstGloss("(n) moon viewing (esp. during the eighth month)/(P)/"), "moon viewing");
	EXPECT_LE(CWordChooser::FirstGloss("(n) a gloss of many many words that goes on and on without a note/").size(), 40u);
	EXPECT_EQ(CWordChooser::FirstGloss("caf\xA9\xA4/"), "");
}

TEST(KanjiTextsCommon, LatinTextsForTheFont)
{
	EXPECT_EQ(CKanjiTextsCommon::ToLatin1("c\xC5\x93ur d\xE2\x80\x99" "ami; \xC3\xA9t\xC3\xA9"), "coeur d'ami, \xE9t\xE9");
	EXPECT_EQ(CKanjiTextsCommon::XmlUnescape("a &amp; b &lt;c&gt;"), "a & b <c>");
}

}  // namespace
