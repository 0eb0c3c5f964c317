// Reads the built FudemaruStroke.db by its format (big-endian key table, gap, element count,
// element records, FF FF FF FF) and checks it against the kanjidic beside it.
#include "CToolFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace
{
struct SElement
{
	int strokes = 0;
	bool everyStrokeStartsWithMove = true;
};

class CDbReader
{
public:
	explicit CDbReader(const std::vector<unsigned char>& ao_Bytes) : mo_Bytes(ao_Bytes) {}

	bool Has(size_t au_Count) const { return mu_Pos + au_Count <= mo_Bytes.size(); }
	unsigned U8() { return Has(1) ? mo_Bytes[mu_Pos++] : (mb_Short = true, 0); }
	unsigned U16() { return (U8() << 8) | U8(); }
	int S16() { return static_cast<int16_t>(U16()); }
	bool Short() const { return mb_Short; }
	size_t Left() const { return mo_Bytes.size() - mu_Pos; }

private:
	const std::vector<unsigned char>& mo_Bytes;
	size_t mu_Pos = 0;
	bool mb_Short = false;
};

class StrokeDbFile : public ::testing::Test
{
protected:
	static void SetUpTestSuite()
	{
		std::vector<unsigned char> lo_Bytes;
		ASSERT_TRUE(CToolFile::Read(FUDEMARU_DATA_DIR "/FudemaruStroke.db", 64u << 20, lo_Bytes));
		CDbReader r(lo_Bytes);
		const unsigned lu_Keys = r.U16();
		for (unsigned i = 0; i < lu_Keys; ++i)
		{
			const unsigned lu_Key = r.U16();
			so_Keys[lu_Key] = r.U16();
		}
		so_KeyCount = lu_Keys;
		r.U16(), r.U16(); // gap
		so_ElementCount = r.U16();
		while (!r.Short() && r.Left() > 4)
			ASSERT_TRUE(ReadElement(r)) << "element record " << so_Elements.size() + 1 << " is malformed";
		ASSERT_FALSE(r.Short());
		so_Tail = {r.U8(), r.U8(), r.U8(), r.U8()};
		so_TrailingBytes = r.Left();
	}

	// One element of one single 109 x 109 glyph, as the converter writes it.
	static bool ReadElement(CDbReader& r)
	{
		const unsigned lu_Id = r.U16(), lu_Glyphs = r.U8(), lu_Parts = r.U8();
		r.U8();
		if (lu_Glyphs != 1 || lu_Parts != 0 || r.U8() != 'S' || r.U8() != 109 || r.U8() != 109)
			return false;
		r.U8();
		SElement lo_Element;
		lo_Element.strokes = static_cast<int>(r.U8());
		for (int s = 0; s < lo_Element.strokes; ++s)
		{
			const unsigned lu_Points = r.U8();
			for (unsigned p = 0; p < lu_Points; ++p)
			{
				const unsigned lu_Command = r.U8();
				if (p == 0 && lu_Command != 'M')
					lo_Element.everyStrokeStartsWithMove = false;
				if (lu_Command != 'M' && lu_Command != 'L' && lu_Command != 'C')
					return false;
				for (int v = 0; v < (lu_Command == 'C' ? 6 : 2); ++v)
				{
					// Drawings stay near their 109-unit box: a few control points reach 111.
					const int li_Value = r.S16();
					if (li_Value < -4 * 256 || li_Value > 113 * 256)
						return false;
				}
			}
		}
		so_Elements[lu_Id] = lo_Element;
		return !r.Short();
	}

	static const SElement* ElementOf(const char* as_Euc)
	{
		const unsigned lu_Key = (static_cast<unsigned char>(as_Euc[0]) << 8) | static_cast<unsigned char>(as_Euc[1]);
		auto lo_Key = so_Keys.find(lu_Key);
		if (lo_Key == so_Keys.end())
			return nullptr;
		auto lo_Element = so_Elements.find(lo_Key->second);
		return lo_Element == so_Elements.end() ? nullptr : &lo_Element->second;
	}

	static std::map<unsigned, unsigned> so_Keys;
	static std::map<unsigned, SElement> so_Elements;
	static unsigned so_KeyCount, so_ElementCount;
	static std::vector<unsigned> so_Tail;
	static size_t so_TrailingBytes;
};

std::map<unsigned, unsigned> StrokeDbFile::so_Keys;
std::map<unsigned, SElement> StrokeDbFile::so_Elements;
unsigned StrokeDbFile::so_KeyCount = 0, StrokeDbFile::so_ElementCount = 0;
std::vector<unsigned> StrokeDbFile::so_Tail;
size_t StrokeDbFile::so_TrailingBytes = 0;

// Stroke counts (field S) of the kanjidic lines, by EUC-JP code.
std::map<unsigned, int> KanjidicStrokeCounts()
{
	std::vector<unsigned char> lo_Bytes;
	EXPECT_TRUE(CToolFile::Read(FUDEMARU_DATA_DIR "/kanjidic", 16u << 20, lo_Bytes));
	std::map<unsigned, int> lo_Counts;
	const std::string ls_Text(lo_Bytes.begin(), lo_Bytes.end());
	for (size_t lu_Line = 0; lu_Line < ls_Text.size();)
	{
		size_t lu_End = ls_Text.find('\n', lu_Line);
		if (lu_End == std::string::npos)
			lu_End = ls_Text.size();
		const std::string ls_Line = ls_Text.substr(lu_Line, lu_End - lu_Line);
		const size_t lu_S = ls_Line.find(" S");
		if (ls_Line.size() > 2 && static_cast<unsigned char>(ls_Line[0]) >= 0xB0 && lu_S != std::string::npos)
			lo_Counts[(static_cast<unsigned char>(ls_Line[0]) << 8) | static_cast<unsigned char>(ls_Line[1])] =
				std::atoi(ls_Line.c_str() + lu_S + 2);
		lu_Line = lu_End + 1;
	}
	return lo_Counts;
}
} // namespace

TEST_F(StrokeDbFile, CountsAgreeAndTheFileEndsWithTheEndMark)
{
	EXPECT_EQ(so_KeyCount, so_Keys.size()) << "a key appears twice";
	EXPECT_EQ(so_ElementCount, so_Elements.size());
	EXPECT_EQ(so_KeyCount, so_ElementCount);
	EXPECT_EQ(so_Tail, (std::vector<unsigned>{0xFF, 0xFF, 0xFF, 0xFF}));
	EXPECT_EQ(so_TrailingBytes, 0u);
}

TEST_F(StrokeDbFile, EveryKeyIsAJisCharacterWithItsOwnElement)
{
	std::set<unsigned> lo_Ids;
	for (const auto& lo_Key : so_Keys)
	{
		EXPECT_TRUE((lo_Key.first >> 8) >= 0xA1 && (lo_Key.first >> 8) <= 0xFE && (lo_Key.first & 0xFF) >= 0xA1 &&
					(lo_Key.first & 0xFF) <= 0xFE)
			<< std::hex << lo_Key.first;
		EXPECT_EQ(so_Elements.count(lo_Key.second), 1u) << "key " << std::hex << lo_Key.first;
		lo_Ids.insert(lo_Key.second);
	}
	EXPECT_EQ(lo_Ids.size(), so_Keys.size()) << "two keys share an element";
	for (const auto& lo_Element : so_Elements)
		EXPECT_TRUE(lo_Element.second.everyStrokeStartsWithMove) << "element " << lo_Element.first;
}

TEST_F(StrokeDbFile, CoversEveryKanjiOfKanjidicAndTheKana)
{
	const std::map<unsigned, int> lo_Counts = KanjidicStrokeCounts();
	EXPECT_EQ(lo_Counts.size(), 6355u);
	for (const auto& lo_Kanji : lo_Counts)
		EXPECT_EQ(so_Keys.count(lo_Kanji.first), 1u) << std::hex << lo_Kanji.first;
	// あ has three strokes, ん one, ア two; ヴ has a drawing too.
	EXPECT_EQ(ElementOf("\xA4\xA2")->strokes, 3);
	EXPECT_EQ(ElementOf("\xA4\xF3")->strokes, 1);
	EXPECT_EQ(ElementOf("\xA5\xA2")->strokes, 2);
	ASSERT_NE(ElementOf("\xA5\xF4"), nullptr);
}

TEST_F(StrokeDbFile, StrokeCountsMatchKanjidic)
{
	const std::map<unsigned, int> lo_Counts = KanjidicStrokeCounts();
	// 一 二 川 永 書
	for (const char* ls_Kanji : {"\xB0\xEC", "\xC6\xF3", "\xC0\xEE", "\xB1\xCA", "\xBD\xF1"})
	{
		const unsigned lu_Key = (static_cast<unsigned char>(ls_Kanji[0]) << 8) | static_cast<unsigned char>(ls_Kanji[1]);
		ASSERT_EQ(lo_Counts.count(lu_Key), 1u);
		ASSERT_NE(ElementOf(ls_Kanji), nullptr);
		EXPECT_EQ(ElementOf(ls_Kanji)->strokes, lo_Counts.at(lu_Key)) << std::hex << lu_Key;
	}
}
