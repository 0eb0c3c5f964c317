// Reads the built jis48.fnt and kijis16.fnt as the game does: 94 x 94 cells in JIS order, rows top
// to bottom, leftmost pixel in bit 7 (jis48) or bit 0 (kijis16).
#include "CToolFile.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace
{
struct SFontCase
{
	const char* name;
	int cell;
	bool leftInBit7;
};

void PrintTo(const SFontCase& ao_Case, std::ostream* ap_Out)
{
	*ap_Out << ao_Case.name;
}

class CFixedFont
{
public:
	CFixedFont(const SFontCase& ao_Case) : mo_Case(ao_Case), mi_RowBytes((ao_Case.cell + 7) / 8)
	{
		CToolFile::Read(std::string(FUDEMARU_DATA_DIR "/Fonts/") + ao_Case.name, 8u << 20, mo_Bytes);
	}

	size_t Size() const { return mo_Bytes.size(); }
	size_t GlyphBytes() const { return static_cast<size_t>(mi_RowBytes) * mo_Case.cell; }

	bool Ink(int ai_Index, int x, int y) const
	{
		const unsigned char b = mo_Bytes.at(ai_Index * GlyphBytes() + y * mi_RowBytes + x / 8);
		return (b >> (mo_Case.leftInBit7 ? 7 - x % 8 : x % 8)) & 1;
	}

	// Runs of ink along row y.
	int RowRuns(int ai_Index, int y) const
	{
		int li_Runs = 0;
		for (int x = 0; x < mo_Case.cell; ++x)
			li_Runs += Ink(ai_Index, x, y) && (x == 0 || !Ink(ai_Index, x - 1, y));
		return li_Runs;
	}

	int InkCount(int ai_Index) const
	{
		int n = 0;
		for (int y = 0; y < mo_Case.cell; ++y)
			for (int x = 0; x < mo_Case.cell; ++x)
				n += Ink(ai_Index, x, y);
		return n;
	}

private:
	const SFontCase& mo_Case;
	int mi_RowBytes;
	std::vector<unsigned char> mo_Bytes;
};

// JIS position index of an EUC-JP character.
int Index(const char* as_Euc)
{
	return (static_cast<unsigned char>(as_Euc[0]) - 0xA1) * 94 + static_cast<unsigned char>(as_Euc[1]) - 0xA1;
}

class FixedFont : public ::testing::TestWithParam<SFontCase>
{
};
} // namespace

TEST_P(FixedFont, HoldsEveryJisPosition)
{
	const CFixedFont lo_Font(GetParam());
	EXPECT_EQ(lo_Font.Size(), 94u * 94u * lo_Font.GlyphBytes());
}

TEST_P(FixedFont, IchiIsOneHorizontalRunOfInk)
{
	const CFixedFont lo_Font(GetParam());
	const int li_Ichi = Index("\xB0\xEC");
	const int li_Cell = GetParam().cell;
	int li_First = -1, li_Last = -1;
	for (int y = 0; y < li_Cell; ++y)
	{
		const int li_Runs = lo_Font.RowRuns(li_Ichi, y);
		EXPECT_LE(li_Runs, 1) << "row " << y;
		if (li_Runs == 0)
			continue;
		if (li_First < 0)
			li_First = y;
		EXPECT_TRUE(li_Last < 0 || li_Last == y - 1) << "inked rows are not contiguous at " << y;
		li_Last = y;
	}
	ASSERT_GE(li_First, 0);
	// A bar: wide, thin, about the middle of the cell.
	EXPECT_LE(li_Last - li_First + 1, li_Cell / 5);
	EXPECT_GT(lo_Font.InkCount(li_Ichi), (li_Last - li_First + 1) * li_Cell / 2);
	EXPECT_GT(li_First, li_Cell / 4);
	EXPECT_LT(li_Last, li_Cell * 3 / 4);
}

TEST_P(FixedFont, KawaHasThreeStrokesSideBySide)
{
	const CFixedFont lo_Font(GetParam());
	EXPECT_EQ(lo_Font.RowRuns(Index("\xC0\xEE"), GetParam().cell / 2), 3);
}

TEST_P(FixedFont, AssignedPositionsHaveInkAndEmptyOnesAreBlank)
{
	const CFixedFont lo_Font(GetParam());
	// Last kanji of the table, hiragana a, katakana vu, the ideographic full stop.
	for (const char* ls_Char : {"\xF4\xA6", "\xA4\xA2", "\xA5\xF4", "\xA1\xA3"})
		EXPECT_GT(lo_Font.InkCount(Index(ls_Char)), 0) << Index(ls_Char);
	// The ideographic space, the unassigned rows 9 to 15 and 85 to 94, the gap after the last kanji of row 47.
	EXPECT_EQ(lo_Font.InkCount(0), 0);
	for (int i = 8 * 94; i < 15 * 94; ++i)
		ASSERT_EQ(lo_Font.InkCount(i), 0) << i;
	for (int i = 84 * 94; i < 94 * 94; ++i)
		ASSERT_EQ(lo_Font.InkCount(i), 0) << i;
	EXPECT_EQ(lo_Font.InkCount(Index("\xCF\xD4")), 0);
}

INSTANTIATE_TEST_SUITE_P(JapaneseFonts, FixedFont,
						 ::testing::Values(SFontCase{"jis48.fnt", 48, true}, SFontCase{"kijis16.fnt", 16, false}),
						 [](const ::testing::TestParamInfo<SFontCase>& ao_Info) {
							 return std::string(ao_Info.param.cell == 48 ? "Jis48" : "Kijis16");
						 });
