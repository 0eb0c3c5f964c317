// Reads the built xtal-14.bdf the way the game's loader does: lines of a keyword and a value
// separated by spaces, LF line ends, codes from ENCODING, sizes from BBX, hex bitmap rows.
#include "CToolFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace
{
struct SGlyph
{
	int advance = -1;
	int w = -1, h = -1, x = 0, y = 0;
	std::vector<unsigned> rows; // leftmost pixel in the top bit of a row's first byte
};

struct SBdf
{
	bool hasCarriageReturn = false;
	size_t longestValue = 0;
	int boxW = 0, boxH = 0, boxX = 0, boxY = 0;
	std::map<int, SGlyph> glyphs;
	std::vector<std::string> errors;
};

SBdf ReadBdf()
{
	SBdf lo_Bdf;
	std::vector<unsigned char> lo_Bytes;
	EXPECT_TRUE(CToolFile::Read(FUDEMARU_DATA_DIR "/Fonts/xtal-14.bdf", 1u << 20, lo_Bytes));
	const std::string ls_Text(lo_Bytes.begin(), lo_Bytes.end());
	lo_Bdf.hasCarriageReturn = ls_Text.find('\r') != std::string::npos;
	std::istringstream lo_Lines(ls_Text);
	std::string ls_Line;
	SGlyph* lp_Glyph = nullptr;
	bool lb_Bitmap = false;
	while (std::getline(lo_Lines, ls_Line))
	{
		const size_t lu_Space = ls_Line.find(' ');
		const std::string ls_Key = ls_Line.substr(0, lu_Space);
		const std::string ls_Value = lu_Space == std::string::npos ? "" : ls_Line.substr(ls_Line.find_first_not_of(' ', lu_Space));
		lo_Bdf.longestValue = std::max(lo_Bdf.longestValue, std::max(ls_Key.size(), ls_Value.size()));
		if (ls_Key == "ENDCHAR")
		{
			if (lp_Glyph == nullptr || lp_Glyph->advance < 0 || lp_Glyph->w < 0 || lp_Glyph->rows.size() != size_t(lp_Glyph->h))
				lo_Bdf.errors.push_back("incomplete character before line: " + ls_Line);
			lb_Bitmap = false;
			lp_Glyph = nullptr;
		}
		else if (lb_Bitmap)
		{
			if (ls_Line.size() != 2 * size_t((lp_Glyph->w + 7) / 8))
				lo_Bdf.errors.push_back("bitmap row of the wrong length: " + ls_Line);
			lp_Glyph->rows.push_back(static_cast<unsigned>(std::stoul(ls_Line, nullptr, 16)));
		}
		else if (ls_Key == "FONTBOUNDINGBOX")
		{
			if (std::sscanf(ls_Value.c_str(), "%d %d %d %d", &lo_Bdf.boxW, &lo_Bdf.boxH, &lo_Bdf.boxX, &lo_Bdf.boxY) != 4)
				lo_Bdf.errors.push_back("bad FONTBOUNDINGBOX");
		}
		else if (ls_Key == "ENCODING")
		{
			const int li_Code = std::stoi(ls_Value);
			if (lo_Bdf.glyphs.count(li_Code))
				lo_Bdf.errors.push_back("code twice: " + ls_Value);
			lp_Glyph = &lo_Bdf.glyphs[li_Code];
		}
		else if (ls_Key == "DWIDTH" && lp_Glyph != nullptr)
			lp_Glyph->advance = std::stoi(ls_Value);
		else if (ls_Key == "BBX" && lp_Glyph != nullptr)
			std::sscanf(ls_Value.c_str(), "%d %d %d %d", &lp_Glyph->w, &lp_Glyph->h, &lp_Glyph->x, &lp_Glyph->y);
		else if (ls_Key == "BITMAP")
			lb_Bitmap = lp_Glyph != nullptr;
	}
	return lo_Bdf;
}

bool Ink(const SGlyph& ao_Glyph, int ai_Row, int ai_Col)
{
	const int li_Bits = 8 * ((ao_Glyph.w + 7) / 8);
	return (ao_Glyph.rows.at(ai_Row) >> (li_Bits - 1 - ai_Col)) & 1;
}

bool RowHasInk(const SGlyph& ao_Glyph, int ai_Row)
{
	for (int c = 0; c < ao_Glyph.w; ++c)
		if (Ink(ao_Glyph, ai_Row, c))
			return true;
	return false;
}
} // namespace

TEST(LatinFont, IsInTheSubsetTheLoaderReads)
{
	const SBdf lo_Bdf = ReadBdf();
	EXPECT_TRUE(lo_Bdf.errors.empty()) << lo_Bdf.errors.front();
	EXPECT_FALSE(lo_Bdf.hasCarriageReturn);
	EXPECT_LE(lo_Bdf.longestValue, 254u);
	// About 14 pixels from line to line.
	EXPECT_GE(lo_Bdf.boxH, 14);
	EXPECT_LE(lo_Bdf.boxH, 18);
	for (const auto& lo_Glyph : lo_Bdf.glyphs)
	{
		EXPECT_LE(lo_Glyph.second.advance, 255);
		EXPECT_TRUE(lo_Glyph.second.x >= -128 && lo_Glyph.second.x <= 128 && lo_Glyph.second.y >= -128 && lo_Glyph.second.y <= 128);
	}
}

TEST(LatinFont, CoversTheIso8859_1Characters)
{
	const SBdf lo_Bdf = ReadBdf();
	ASSERT_FALSE(lo_Bdf.glyphs.empty());
	EXPECT_EQ(lo_Bdf.glyphs.begin()->first, 32);
	EXPECT_EQ(lo_Bdf.glyphs.rbegin()->first, 255);
	// 127 to 159 are control codes, without glyphs.
	for (int c = 32; c <= 255; ++c)
	{
		if (c < 127 || c >= 160)
		{
			EXPECT_EQ(lo_Bdf.glyphs.count(c), 1u) << c;
		}
	}
	EXPECT_GT(lo_Bdf.glyphs.at(32).advance, 0);
}

TEST(LatinFont, EAcuteHasItsAccentAboveTheE)
{
	const SBdf lo_Bdf = ReadBdf();
	ASSERT_EQ(lo_Bdf.glyphs.count(233), 1u);
	ASSERT_EQ(lo_Bdf.glyphs.count('e'), 1u);
	const SGlyph& e = lo_Bdf.glyphs.at('e');
	const SGlyph& lo_Acute = lo_Bdf.glyphs.at(233);
	// Rows are top down and the glyph's bottom row sits y pixels above the baseline.
	const int li_ETop = e.y + e.h;
	ASSERT_GT(lo_Acute.y + lo_Acute.h, li_ETop);
	int li_Gap = -1;
	for (int r = 0; r < lo_Acute.h; ++r)
		if (!RowHasInk(lo_Acute, r))
			li_Gap = r;
	// A blank row separates the accent from the letter, and below it the glyph is the plain e.
	ASSERT_GE(li_Gap, 1);
	EXPECT_TRUE(RowHasInk(lo_Acute, 0));
	const int li_Below = lo_Acute.h - li_Gap - 1;
	ASSERT_EQ(li_Below, e.h);
	for (int r = 0; r < e.h; ++r)
		for (int c = 0; c < e.w; ++c)
			EXPECT_EQ(Ink(lo_Acute, li_Gap + 1 + r, c + e.x - lo_Acute.x), Ink(e, r, c)) << r << "," << c;
}
