#include <vector>
#include "KanjiTestFiles.h"
#include "ReportLines.h"
#include "LibKanji_CDictionary.h"
#include "LibKanji_CKanjiList.h"
#include "../LibGeneral/TestAssert.h"

namespace {

// Five kanji and a gap at 0xB0A5: grade, strokes, frequency chosen for the filter and sort orders.
const char* kDictionary =
	"# lists test\n"
	"\xB0\xA1 3021 U4e9c G1 S5 F10 \n"
	"\xB0\xA2 3022 U5516 G2 S3 F20 \n"
	"\xB0\xA3 3023 U5a03 G1 S7 F30 \n"
	"\xB0\xA4 3024 U963f G2 S9 F40 \n"
	"\xB0\xA6 3026 U611b G1 S5 F50 \n";
const u16 kA1 = 0xB0A1, kA2 = 0xB0A2, kA3 = 0xB0A3, kA4 = 0xB0A4, kA6 = 0xB0A6;

// UTF-16 text: a byte-order mark, then the characters in the given order, lines ended as asked.
std::string Utf16(const std::vector<u16>& ao_Chars, bool ab_BigEndian, bool ab_CrLf)
{
	std::string s_Bytes = ab_BigEndian ? "\xFE\xFF" : "\xFF\xFE";
	auto Put = [&](u16 au16_Char)
	{
		const char c_High = (char)(au16_Char >> 8), c_Low = (char)(au16_Char & 0xFF);
		s_Bytes += ab_BigEndian ? c_High : c_Low;
		s_Bytes += ab_BigEndian ? c_Low : c_High;
	};
	for (u16 u16_Char : ao_Chars)
	{
		if (u16_Char == '\n' && ab_CrLf)
			Put('\r');
		Put(u16_Char);
	}
	return s_Bytes;
}

class KanjiListTest : public KanjiTestFiles
{
protected:
	void SetUp() override
	{
		KanjiTestFiles::SetUp();
		Write("Data/kanjidic", kDictionary);
		ASSERT_TRUE(LibKanji_CDictionary::Instance()->Load("./Data/kanjidic"));
		MakeDir("Data/KanjiList");
	}
	void TearDown() override
	{
		mp_Lists->Unload();
		LibKanji_CDictionary::Instance()->Unload();
		KanjiTestFiles::TearDown();
	}
	void WriteXml(const std::string& as_Body)
	{
		Write("Data/KanjiList/Lists.xml", "<?xml version=\"1.0\"?>\n" + as_Body);
	}
	// Scans the folder, loads the named list and returns its codes; empty when the load fails.
	std::vector<u16> Codes(const char* as_Name, bool ab_Expected = true)
	{
		mp_Lists->Load_Lists("./Data/KanjiList/");
		LibKanji_CKanjiList::SListInfo* p_Info = mp_Lists->GetListInfo(as_Name);
		EXPECT_NE(p_Info, nullptr) << as_Name;
		EXPECT_EQ(mp_Lists->Load_KanjiList(p_Info), ab_Expected) << as_Name;
		std::vector<u16> o_Codes;
		for (u16 i = 0; i < mp_Lists->mu_KanjiTotal; ++i)
			o_Codes.push_back(mp_Lists->GetKanji(i));
		return o_Codes;
	}
	LibKanji_CKanjiList* mp_Lists = LibKanji_CKanjiList::Instance();
};

typedef std::vector<u16> Codes_t;

TEST_F(KanjiListTest, ScanFindsTextListsFirstThenXmlElementsInOrder)
{
	Write("Data/KanjiList/Grade1.txt", Utf16({ 0x4e9c }, false, false));
	Write("Data/KanjiList/readme.md", "not a list");
	WriteXml("<KanjiList Name=\"Second\"/><KanjiList/><Other Name=\"Third\"/>");
	mp_Lists->Load_Lists("./Data/KanjiList/");
	ASSERT_EQ(mp_Lists->GetListCount(), 3);
	EXPECT_STREQ(mp_Lists->GetListInfo((u8)0)->mp_Name, "Grade1");
	EXPECT_EQ(mp_Lists->GetListInfo((u8)0)->mu8_Type, 0);
	EXPECT_STREQ(mp_Lists->GetListInfo((u8)1)->mp_Name, "Second");
	EXPECT_STREQ(mp_Lists->GetListInfo((u8)2)->mp_Name, "Third");
	EXPECT_EQ(mp_Lists->GetListInfo((u8)2)->mu8_Type, 1);
	EXPECT_EQ(mp_Lists->GetListInfo("grade1"), mp_Lists->GetListInfo((u8)0));
	EXPECT_EQ(mp_Lists->GetListInfo("Fourth"), nullptr);
	EXPECT_LIBGEN_ASSERT(mp_Lists->GetListInfo((u8)3), "auListIndex < mu_ListCount");
}

TEST_F(KanjiListTest, TextListsInBothByteOrders)
{
	// あ has no record and is skipped; a NUL unit matches nothing.
	const std::vector<u16> o_Chars = { 0x4e9c, 0x5516, '\n', 0x3042, 0, 0x5a03, '\n' };
	Write("Data/KanjiList/Little.txt", Utf16(o_Chars, false, false));
	Write("Data/KanjiList/Big.txt", Utf16(o_Chars, true, true) + "\x01");  // odd last byte ignored
	EXPECT_EQ(Codes("Little"), (Codes_t{ kA1, kA2, kA3 }));
	EXPECT_EQ(Codes("Big"), (Codes_t{ kA1, kA2, kA3 }));
	EXPECT_EQ(mp_Lists->mu16_KanjiCur, 0);
	EXPECT_LIBGEN_ASSERT(mp_Lists->GetKanji(3), "au_Kanji < mu_KanjiTotal");
}

TEST_F(KanjiListTest, FiltersMoveTheLastKanjiIntoTheGap)
{
	WriteXml(
		"<KanjiList Name=\"All\"/>"
		"<KanjiList Name=\"G1\"><Filter Index=\"G\" Value=\"1\"/></KanjiList>"
		"<KanjiList Name=\"S5+\"><Filter Index=\"s\" Min=\"5\"/></KanjiList>"
		"<KanjiList Name=\"NoFilter\"><Filter Index=\"Q\" Value=\"1\"/><Filter Index=\"G\"/></KanjiList>");
	EXPECT_EQ(Codes("All"), (Codes_t{ kA1, kA2, kA3, kA4, 0, kA6 }));
	EXPECT_EQ(Codes("G1"), (Codes_t{ kA1, kA6, kA3 }));
	EXPECT_EQ(Codes("S5+"), (Codes_t{ kA1, kA6, kA3, kA4 }));
	EXPECT_EQ(Codes("NoFilter"), (Codes_t{ kA1, kA2, kA3, kA4, 0, kA6 }));
}

TEST_F(KanjiListTest, SortKeysReorderWithinRunsOfEqualEarlierKeys)
{
	WriteXml(
		"<KanjiList Name=\"Sorted\"><Filter Index=\"G\" Min=\"1\"/>"
		"<Sort Index=\"G\"/><Sort Index=\"S\" Order=\"desc\"/></KanjiList>"
		"<KanjiList Name=\"ByFrequency\"><Filter Index=\"G\" Min=\"1\"/><Sort Index=\"F\" Order=\"Desc\"/></KanjiList>");
	EXPECT_EQ(Codes("Sorted"), (Codes_t{ kA3, kA1, kA6, kA4, kA2 }));
	EXPECT_EQ(Codes("ByFrequency"), (Codes_t{ kA6, kA4, kA3, kA2, kA1 }));
}

TEST_F(KanjiListTest, RangeIsClampedToTheList)
{
	// Fifteen kanji: the five of the dictionary three times.
	std::vector<u16> o_Chars;
	for (int i = 0; i < 3; ++i)
		o_Chars.insert(o_Chars.end(), { 0x4e9c, 0x5516, 0x5a03, 0x963f, 0x611b });
	Write("Data/KanjiList/Fifteen.txt", Utf16(o_Chars, false, false));
	WriteXml(
		"<KanjiList Name=\"Tail\" Source=\"fifteen\" Min=\"10\" Max=\"19\"/>"
		"<KanjiList Name=\"Head\" Source=\"Fifteen\" Min=\"-4\" Max=\"1\"/>"
		"<KanjiList Name=\"Backwards\" Source=\"Fifteen\" Min=\"3\" Max=\"2\"/>"
		"<KanjiList Name=\"Beyond\" Source=\"Fifteen\" Min=\"20\"/>");
	EXPECT_EQ(Codes("Tail"), (Codes_t{ kA1, kA2, kA3, kA4, kA6 }));
	EXPECT_EQ(Codes("Head"), (Codes_t{ kA1, kA2 }));
	EXPECT_EQ(Codes("Backwards"), Codes_t{});
	EXPECT_EQ(Codes("Beyond"), Codes_t{});
}

TEST_F(KanjiListTest, SourceChains)
{
	Write("Data/KanjiList/Few.txt", Utf16({ 0x5516, 0x4e9c }, true, false));
	WriteXml(
		"<KanjiList Name=\"FromText\" Source=\"few\"><Sort Index=\"EU\"/></KanjiList>"
		"<KanjiList Name=\"FromXml\" Source=\"FromText\"><Filter Index=\"G\" Value=\"2\"/></KanjiList>"
		"<KanjiList Name=\"Unknown\" Source=\"Nothing\"><Filter Index=\"G\" Value=\"2\"/></KanjiList>"
		"<KanjiList Name=\"Self\" Source=\"self\"/>"
		"<KanjiList Name=\"Ping\" Source=\"Pong\"/>"
		"<KanjiList Name=\"Pong\" Source=\"Pang\"/>"
		"<KanjiList Name=\"Pang\" Source=\"Ping\"/>"
		"<KanjiList Name=\"AfterCycle\" Source=\"Pong\"/>");
	EXPECT_EQ(Codes("FromText"), (Codes_t{ kA1, kA2 }));
	EXPECT_EQ(Codes("FromXml"), (Codes_t{ kA2 }));
	EXPECT_EQ(Codes("Unknown"), (Codes_t{ kA4, kA2 }));
	EXPECT_EQ(Codes("Self", false), Codes_t{});
	EXPECT_EQ(Codes("Ping", false), Codes_t{});
	EXPECT_EQ(Codes("AfterCycle", false), Codes_t{});
	EXPECT_EQ(mp_Lists->mu_KanjiTotal, 0);
}

TEST_F(KanjiListTest, BrokenListFilesGiveEmptyLists)
{
	Write("Data/KanjiList/Mark.txt", "\xFF\xFE");
	Write("Data/KanjiList/Broken.xml", "<KanjiList Name=\"Lost\"");
	WriteXml("<KanjiList Name=\"Fine\"/>");
	EXPECT_EQ(Codes("Mark"), Codes_t{});
	mp_Lists->Load_Lists("./Data/KanjiList/");
	EXPECT_EQ(mp_Lists->GetListInfo("Lost"), nullptr);
	// The file went away after the scan.
	LibKanji_CKanjiList::SListInfo* p_Fine = mp_Lists->GetListInfo("Fine");
	ASSERT_NE(p_Fine, nullptr);
	ASSERT_EQ(remove((ms_Root + "/Data/KanjiList/Lists.xml").c_str()), 0);
	EXPECT_FALSE(mp_Lists->Load_KanjiList(p_Fine));
	EXPECT_EQ(mp_Lists->mu_KanjiTotal, 0);
}

// Found by fuzzing: TinyXML recursed once per level of a deep nesting until the stack overflowed.
TEST_F(KanjiListTest, DeeplyNestedListFilesAreRefused)
{
	std::string s_Deep = "<KanjiList Name=\"Deep\">";
	for (int i = 0; i < 100000; ++i)
		s_Deep += "<a>";
	Write("Data/KanjiList/Deep.xml", s_Deep);
	WriteXml("<KanjiList Name=\"Fine\"><Filter Index=\"G\" Value=\"1\"/></KanjiList>");
	mp_Lists->Load_Lists("./Data/KanjiList/");
	EXPECT_EQ(mp_Lists->GetListInfo("Deep"), nullptr);
	ASSERT_NE(mp_Lists->GetListInfo("Fine"), nullptr);
	EXPECT_TRUE(mp_Lists->Load_KanjiList(mp_Lists->GetListInfo("Fine")));
}

// Each list problem is one line that names the file and says what is wrong.
TEST_F(KanjiListTest, ProblemsAreReportedOneLineEach)
{
	ReportLines o_Report;
	mp_Lists->Load_Lists("./Data/KanjiList/");
	EXPECT_EQ(o_Report.Take(), (std::vector<std::string>{ "Fudemaru: Data/KanjiList/: holds no kanji list: no UTF-16 "
		"text list and no KanjiList element with a Name" }));

	// TinyXML's row and column of a syntax error; the lists of that file are gone.
	WriteXml("<KanjiList Name=\"A\">\n  <Filter Index=\"G\" Value=\"1\">\n</KanjiList>\n");
	mp_Lists->Load_Lists("./Data/KanjiList/");
	EXPECT_EQ(o_Report.Take(), (std::vector<std::string>{
		"Fudemaru: Data/KanjiList/Lists.xml: line 4, column 1: Error reading end tag.",
		"Fudemaru: Data/KanjiList/: holds no kanji list: no UTF-16 text list and no KanjiList element with a Name" }));

	// A Source that names no list, one that leads back, a field that does not exist.
	WriteXml("<KanjiList Name=\"Typo\" Source=\"Nothing\"><Filter Index=\"Gr\" Value=\"1\"/><Sort Index=\"S\"/></KanjiList>\n"
		"<KanjiList Name=\"Ping\" Source=\"Pong\"/><KanjiList Name=\"Pong\" Source=\"Ping\"/>");
	Codes("Typo");
	Codes("Ping", false);
	EXPECT_EQ(o_Report.Take(), (std::vector<std::string>{
		"Fudemaru: Data/KanjiList/Lists.xml: list \"Typo\": its Source \"Nothing\" names no list; it starts from the whole dictionary",
		"Fudemaru: Data/KanjiList/Lists.xml: list \"Typo\": line 2: Filter Index \"Gr\" names no field; it is ignored",
		"Fudemaru: Data/KanjiList/Lists.xml: list \"Pong\": its Source \"Ping\" leads back to a list it is loaded for; the list stays empty" }));

	// Past 64 lists: which ones are left out. Text lists take the first places.
	std::string s_Many;
	for (int i = 0; i < 65; ++i)
		s_Many += "<KanjiList Name=\"L" + std::to_string(i) + "\"/>";
	Write("Data/KanjiList/Text.txt", Utf16({ 0x4e9c }, false, false));
	WriteXml(s_Many);
	mp_Lists->Load_Lists("./Data/KanjiList/");
	EXPECT_EQ(o_Report.Take(), (std::vector<std::string>{ "Fudemaru: Data/KanjiList/: 66 lists found, only the first 64 "
		"are kept: text lists first, then the XML lists in file order; left out: \"L63\", \"L64\"" }));
	// Sound lists say nothing.
	EXPECT_TRUE(mp_Lists->Load_KanjiList(mp_Lists->GetListInfo("L0")));
	EXPECT_TRUE(o_Report.Take().empty());
}

// The player's own folder comes after the shipped one: within the 64 places, shipped lists first;
// a list named as a shipped one is kept beside it; a missing own folder is no problem.
TEST_F(KanjiListTest, OwnListsFollowTheShippedOnes)
{
	ReportLines o_Report;
	MakeDir("Own");
	Write("Data/KanjiList/Grade1.txt", Utf16({ 0x4e9c }, false, false));
	Write("Own/Grade1.txt", Utf16({ 0x5516, 0x5a03 }, true, false));
	Write("Own/Mine.xml", "<KanjiList Name=\"Mine\" Source=\"grade1\"/>");
	const std::string s_Own = ms_Root + "/Own/";
	mp_Lists->Load_Lists("./Data/KanjiList/");
	mp_Lists->Load_Lists(s_Own.c_str(), true);
	ASSERT_EQ(mp_Lists->GetListCount(), 3);
	EXPECT_FALSE(mp_Lists->GetListInfo((u8)0)->mb_Own);
	EXPECT_STREQ(mp_Lists->GetListInfo((u8)1)->mp_Name, "Grade1");
	EXPECT_TRUE(mp_Lists->GetListInfo((u8)1)->mb_Own);
	EXPECT_EQ(mp_Lists->GetListInfo((u8)1)->mp_File, s_Own + "Grade1.txt");
	EXPECT_STREQ(mp_Lists->GetListInfo((u8)2)->mp_Name, "Mine");
	// A name finds the shipped list first, so does a Source; the player's own one loads by place.
	EXPECT_EQ(mp_Lists->GetListInfo("Grade1"), mp_Lists->GetListInfo((u8)0));
	ASSERT_TRUE(mp_Lists->Load_KanjiList(mp_Lists->GetListInfo("Mine")));
	ASSERT_EQ(mp_Lists->mu_KanjiTotal, 1);
	EXPECT_EQ(mp_Lists->GetKanji(0), kA1);
	ASSERT_TRUE(mp_Lists->Load_KanjiList((u8)1));
	EXPECT_EQ(mp_Lists->mu_KanjiTotal, 2);
	EXPECT_TRUE(o_Report.Take().empty());

	// No own folder, or an empty one: nothing to say.
	mp_Lists->Load_Lists("./Data/KanjiList/");
	mp_Lists->Load_Lists((ms_Root + "/Nowhere/").c_str(), true);
	EXPECT_EQ(mp_Lists->GetListCount(), 1);
	EXPECT_TRUE(o_Report.Take().empty());

	// 64 places for both folders: the shipped lists keep theirs, the player's last ones are left out.
	std::string s_Many;
	for (int i = 0; i < 62; ++i)
		s_Many += "<KanjiList Name=\"L" + std::to_string(i) + "\"/>";
	WriteXml(s_Many);
	mp_Lists->Load_Lists("./Data/KanjiList/");
	mp_Lists->Load_Lists(s_Own.c_str(), true);
	EXPECT_EQ(mp_Lists->GetListCount(), 64);
	EXPECT_STREQ(mp_Lists->GetListInfo((u8)63)->mp_Name, "Grade1");
	EXPECT_TRUE(mp_Lists->GetListInfo((u8)63)->mb_Own);
	EXPECT_EQ(o_Report.Take(), (std::vector<std::string>{ "Fudemaru: " + s_Own + ": 65 lists found, only the first 64 "
		"are kept: text lists first, then the XML lists in file order; left out: \"Mine\"" }));
}

// Every system shows the lists in one order: the files by name, byte by byte (text lists before
// the XML ones), the lists inside a file in their order, the player's after. The files are made
// out of that order, which a plain directory listing would keep or scramble.
TEST_F(KanjiListTest, ListsComeInFileNameOrderOnEverySystem)
{
	MakeDir("Own");
	Write("Data/KanjiList/Mid.xml", "<KanjiList Name=\"M1\"/><KanjiList Name=\"M2\"/>");
	Write("Data/KanjiList/b.txt", Utf16({ 0x4e9c }, false, false));
	Write("Data/KanjiList/Zeta.xml", "<KanjiList Name=\"Z1\"/>");
	Write("Data/KanjiList/a.txt", Utf16({ 0x4e9c }, false, false));
	Write("Data/KanjiList/Alpha.xml", "<KanjiList Name=\"A2\"/><KanjiList Name=\"A1\"/>");
	Write("Data/KanjiList/C.txt", Utf16({ 0x4e9c }, false, false));
	Write("Own/Yours.xml", "<KanjiList Name=\"Y\"/>");
	Write("Own/Another.xml", "<KanjiList Name=\"X\"/>");
	mp_Lists->Load_Lists("./Data/KanjiList/");
	mp_Lists->Load_Lists((ms_Root + "/Own/").c_str(), true);
	std::vector<std::string> o_Names;
	for (u8 i = 0; i < mp_Lists->GetListCount(); ++i)
		o_Names.push_back(mp_Lists->GetListInfo(i)->mp_Name);
	EXPECT_EQ(o_Names, (std::vector<std::string>{ "C", "a", "b", "A2", "A1", "M1", "M2", "Z1", "X", "Y" }));
}

TEST_F(KanjiListTest, RealLists)
{
	if (!UseRealData("kanjidic") || !UseRealData("KanjiList"))
		GTEST_SKIP() << "no built data";
	ASSERT_TRUE(LibKanji_CDictionary::Instance()->Load("./Data/kanjidic"));
	mp_Lists->Load_Lists("./Data/KanjiList/");
	ASSERT_GT(mp_Lists->GetListCount(), 0);
	for (u8 i = 0; i < mp_Lists->GetListCount(); ++i)
	{
		EXPECT_TRUE(mp_Lists->Load_KanjiList(i)) << mp_Lists->GetListInfo(i)->mp_Name;
		EXPECT_GT(mp_Lists->mu_KanjiTotal, 0) << mp_Lists->GetListInfo(i)->mp_Name;
	}
	LibKanji_CKanjiList::SListInfo* p_Grade1 = mp_Lists->GetListInfo("Grade 1");
	ASSERT_NE(p_Grade1, nullptr);
	ASSERT_TRUE(mp_Lists->Load_KanjiList(p_Grade1));
	EXPECT_EQ(mp_Lists->mu_KanjiTotal, 80);
}

}  // namespace
