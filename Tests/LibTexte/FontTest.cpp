#include <string>
#include <gtest/gtest.h>
#include "LibText_CFont.h"
#include "TextFixture.h"

namespace {

typedef LibText_CFont::SCharInf SCharInf;

class FontTest : public TextFixture
{
protected:
	// Loads a BDF text and gives what the loader wrote on standard error.
	std::string LoadBdfText(const std::string& as_Text, bool ab_Expect)
	{
		Write("f.bdf", as_Text);
		testing::internal::CaptureStderr();
		const bool b_Ok = mo_Font.LoadBdf("./f.bdf");
		const std::string s_Err = testing::internal::GetCapturedStderr();
		EXPECT_EQ(ab_Expect, b_Ok) << s_Err;
		EXPECT_EQ(ab_Expect, mo_Font.IsLoaded());
		return s_Err;
	}
	LibText_CFont mo_Font;
};

TEST_F(FontTest, BdfRangeAndDefaultCharacter)
{
	std::string s_Chars;
	for (int i = 32; i <= 126; ++i)
		s_Chars += BdfChar(i, i - 30, "1 1 0 0", "80\n");
	LoadBdfText(BdfFont("8 10 0 -2", s_Chars), true);
	EXPECT_EQ(32u, mo_Font.GetCodeFirst());
	EXPECT_EQ(126u, mo_Font.GetCodeLast());
	EXPECT_EQ('A' - 30, mo_Font.GetCharInfo('A')->mu8_Advance);
	// Outside the range: entry 32 of the table, the glyph of code 64.
	EXPECT_EQ(mo_Font.GetCharInfo(64), mo_Font.GetCharInfo(200));
	EXPECT_EQ(mo_Font.GetCharInfo(64), mo_Font.GetCharInfo(5));
}

TEST_F(FontTest, JisCodesAreRenumberedToPositionIndices)
{
	LoadBdfText(BdfFont("16 16 0 0", BdfChar(0x2121, 1, "1 1 0 0", "80\n") + BdfChar(0x2122, 2, "1 1 0 0", "80\n") +
		BdfChar(0x2221, 3, "1 1 0 0", "80\n")), true);
	EXPECT_EQ(0u, mo_Font.GetCodeFirst());
	EXPECT_EQ(94u, mo_Font.GetCodeLast());
	EXPECT_EQ(1, mo_Font.GetCharInfo(0)->mu8_Advance);
	EXPECT_EQ(2, mo_Font.GetCharInfo(1)->mu8_Advance);
	EXPECT_EQ(3, mo_Font.GetCharInfo(94)->mu8_Advance);
	EXPECT_EQ(nullptr, mo_Font.GetCharInfo(2)->mp_Bitmap) << "a code the file does not have has no glyph";
}

TEST_F(FontTest, BdfGlyphBoxAndBitmap)
{
	LoadBdfText(BdfFont("8 10 0 -2", BdfChar(65, 7, "3 2 1 -1", "80\n60\n") + BdfChar(66, 4, "0 0 0 0", "")), true);
	EXPECT_EQ(10, mo_Font.GetHeight());
	EXPECT_EQ(8, mo_Font.GetWidth());
	EXPECT_EQ(-2, mo_Font.GetDescent());
	const SCharInf* p_A = mo_Font.GetCharInfo('A');
	EXPECT_EQ(3, p_A->mu8_Width);
	EXPECT_EQ(2, p_A->mu8_Height);
	EXPECT_EQ(1, p_A->ms8_OffsetX);
	EXPECT_EQ(10 - 2 + 1, p_A->ms8_OffsetY);
	EXPECT_EQ(7, p_A->mu8_Advance);
	// The file's bit 7 is the leftmost pixel; in memory it is bit 0.
	ASSERT_NE(nullptr, p_A->mp_Bitmap);
	EXPECT_EQ(0x01, p_A->mp_Bitmap[0]);
	EXPECT_EQ(0x06, p_A->mp_Bitmap[1]);
	// An all-zero box without rows is an empty glyph that still advances.
	EXPECT_EQ(4, mo_Font.GetCharInfo('B')->mu8_Advance);
	EXPECT_EQ(0, mo_Font.GetCharInfo('B')->mu8_Height);
}

TEST_F(FontTest, MeasuringPassReportsWhatIsWrong)
{
	const std::string s_A = BdfChar(65, 8, "1 1 0 0", "80\n");
	const struct { std::string ms_Text; const char* ms_Message; } ao_Cases[] = {
		{ BdfFont("8 8 0", s_A), "Error: bad 'FONTBOUNDINGBOX' (8 8 0)\n" },
		{ BdfFont("8 8 0 0", "ENCODING x\n"), "Error: bad 'ENCODING' (x)\n" },
		{ BdfFont("8 8 0 0", BdfChar(65, 256, "1 1 0 0", "80\n")), "Error: bad 'DWIDTH' (256 0)\n" },
		{ BdfFont("8 8 0 0", BdfChar(65, 8, "256 1 0 0", "80\n")), "Error: bad 'BBX' (256 1 0 0)\n" },
		{ BdfFont("8 8 0 0", BdfChar(65, 8, "1 1 0 -129", "80\n")), "Error: bad 'BBX' (1 1 0 -129)\n" },
		{ BdfFont("8 8 0 0", "ENCODING 65\nBBX 1 1 0 0\nBITMAP\n80\nENDCHAR\n"), "Error: Missing Info for Character : 65\n" },
		{ "STARTFONT 2.1\n" + s_A, "Error: Missing Info for Font (FONTBOUNDINGBOX)\n" },
	};
	// One line, naming the file, then the reader's own words.
	for (const auto& o_Case : ao_Cases)
		EXPECT_EQ(std::string("Fudemaru: f.bdf: ") + o_Case.ms_Message, LoadBdfText(o_Case.ms_Text, false));
}

TEST_F(FontTest, FillingPassRefusesBadBitmapsWithOneLine)
{
	const std::string as_Bad[] = {
		BdfFont("8 8 0 0", BdfChar(65, 8, "8 2 0 0", "8\n0\n")),           // odd row
		BdfFont("8 8 0 0", BdfChar(65, 8, "8 2 0 0", "FF\n")),             // one row short
		BdfFont("8 8 0 0", BdfChar(65, 8, "8 1 0 0", "FF\nFF\n")),         // one row too many
		BdfFont("8 8 0 0", BdfChar(65, 8, "8 1 0 0", "G0\n")),             // not hexadecimal
		BdfFont("8 8 0 0", "BBX 1 1 0 0\n" + BdfChar(65, 8, "1 1 0 0", "80\n")),  // before any ENCODING
		BdfFont("8 8 0 0", "ENCODING 65\nDWIDTH 8 0\nBBX 8 1 0 0\n"),   // no bitmap and no ENDCHAR
		// 0x21FE is renumbered to 221, past the table that ends at 0x2221's index 94.
		BdfFont("8 8 0 0", BdfChar(0x2121, 8, "1 1 0 0", "80\n") + BdfChar(0x21FE, 8, "1 1 0 0", "80\n") +
			BdfChar(0x2221, 8, "1 1 0 0", "80\n")),
	};
	for (const std::string& s_Text : as_Bad)
		EXPECT_EQ("Fudemaru: f.bdf: a character's BITMAP rows do not fill its BBX exactly, or come before its ENCODING\n",
			LoadBdfText(s_Text, false)) << s_Text;
}

TEST_F(FontTest, OverlongLinesAreCutWithoutSpillingIntoTheNextRead)
{
	// Past its 254 characters the rest of a line is skipped, not read as a new keyword.
	const std::string s_Comment = "COMMENT " + std::string(254, 'x') + "ENCODING 99999\n";
	const std::string s_Keyword = std::string(300, 'K') + "ENCODING 99999\n";
	LoadBdfText(BdfFont("8 8 0 0", s_Comment + s_Keyword + BdfChar(65, 8, "1 1 0 0", "80\n")), true);
	EXPECT_EQ(65u, mo_Font.GetCodeFirst());
}

TEST_F(FontTest, FixedCellFileMustHoldWholeGlyphs)
{
	Write("64.fnt", std::string(64, '\0'));
	Write("65.fnt", std::string(65, '\0'));
	ASSERT_TRUE(mo_Font.LoadBinFixed("./64.fnt", 16, 16, 100, false));
	EXPECT_EQ(100u, mo_Font.GetCodeFirst());
	EXPECT_EQ(101u, mo_Font.GetCodeLast());
	const SCharInf* p_Second = mo_Font.GetCharInfo(101);
	EXPECT_EQ(mo_Font.GetCharInfo(100)->mp_Bitmap + 32, p_Second->mp_Bitmap);
	EXPECT_EQ(16, p_Second->mu8_Advance);
	EXPECT_EQ(16, p_Second->mu8_Height);

	EXPECT_FALSE(mo_Font.LoadBinFixed("./65.fnt", 16, 16, 100, false));
	EXPECT_FALSE(mo_Font.IsLoaded());
	EXPECT_FALSE(mo_Font.LoadBinFixed("./64.fnt", 0, 16, 0, false)) << "a cell of no size";
	EXPECT_FALSE(mo_Font.LoadBinFixed("./none.fnt", 16, 16, 0, false));
}

TEST_F(FontTest, FixedCellBitSwap)
{
	Write("one.fnt", std::string("\x80\x03", 2));
	ASSERT_TRUE(mo_Font.LoadBinFixed(LibText_CFont::SBinFontInf("./one.fnt", 4, 2, 0, true)));
	EXPECT_EQ(0x01, mo_Font.GetCharInfo(0)->mp_Bitmap[0]);
	EXPECT_EQ(0xC0, mo_Font.GetCharInfo(0)->mp_Bitmap[1]);
	ASSERT_TRUE(mo_Font.LoadBinFixed("./one.fnt", 4, 2, 0, false));
	EXPECT_EQ(0x80, mo_Font.GetCharInfo(0)->mp_Bitmap[0]);
}

TEST_F(FontTest, WithoutAGlyphTheAnswerIsEmpty)
{
	// Never loaded, failed to load, or a default index past a small table.
	EXPECT_EQ(nullptr, mo_Font.GetCharInfo('A')->mp_Bitmap);
	EXPECT_FALSE(mo_Font.LoadBdf("./missing.bdf"));
	EXPECT_EQ(0, mo_Font.GetCharInfo('A')->mu8_Advance);
	LoadBdfText(BdfFont("8 8 0 0", BdfChar(65, 8, "1 1 0 0", "80\n")), true);
	EXPECT_EQ(nullptr, mo_Font.GetCharInfo(200)->mp_Bitmap);
	EXPECT_EQ(0, mo_Font.GetCharInfo(200)->mu8_Advance);
}

}
