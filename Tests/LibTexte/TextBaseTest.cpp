#include <string>
#include <gtest/gtest.h>
#include "LibText_CManagerString.h"
#include "LibText_CTextBase.h"
#include "TextFixture.h"

namespace {

typedef LibText_CTextBase TB;

// Lines of the last layout as "start-end:width" items.
std::string Lines(const TB& ao_Text)
{
	std::string s;
	for (u16 i = 0; i < ao_Text.TxtGetLineCount(); ++i)
	{
		const TB::SParseInf& o = ao_Text.TxtGetLineInfo()[i];
		s += (i ? " " : "") + std::to_string(o.mu16_Start) + "-" + std::to_string((s16)o.mu16_End) + ":" +
			std::to_string(o.mu16_LineWidth);
	}
	return s;
}

class TextBaseTest : public TextFixture
{
protected:
	void SetUp() override
	{
		TextFixture::SetUp();
		// Every code a solid 8 x 8 block that advances 8.
		Write("block8.fnt", std::string(256 * 8, '\xFF'));
		ASSERT_TRUE(mo_Block8.LoadBinFixed("./block8.fnt", 8, 8, 0, false));
		// One solid 16 x 16 kanji at the position index of EUC-JP 0xB0A1.
		Write("kanji.fnt", std::string(32, '\xFF'));
		ASSERT_TRUE(mo_Kanji.LoadBinFixed("./kanji.fnt", 16, 16, 1410, false));
		mo_Text.TxtSetFont(&mo_Block8);
	}
	void Layout(u16 au16_Width, const char* as_Text)
	{
		mo_Text.TxtSetSize(au16_Width, 32);
		mo_Text.TxtSetText(as_Text, false);
		mo_Text.TxtUpdate();
	}
	u8 Pixel(int x, int y) const { return mo_Text.TxtGetPixels()[y * mo_Text.TxtGetWidth() + x]; }
	int Ink() const
	{
		int n = 0;
		for (u32 i = 0; i < (u32)mo_Text.TxtGetWidth() * mo_Text.TxtGetHeight(); ++i)
			n += mo_Text.TxtGetPixels()[i];
		return n;
	}
	LibText_CFont mo_Block8, mo_Kanji;
	TB mo_Text;
};

TEST_F(TextBaseTest, LinesBreakAtSpacesAndDropThem)
{
	Layout(40, "ab cd ef");
	EXPECT_EQ("0-4:40 6-7:16", Lines(mo_Text));
	Layout(40, "ab-cd-ef");
	EXPECT_EQ("0-4:40 6-7:16", Lines(mo_Text)) << "a hyphen at the break is dropped like a space";
}

TEST_F(TextBaseTest, AWordWithoutBreakOpportunityBreaksWhereItOverflows)
{
	Layout(40, "abcdefgh");
	EXPECT_EQ("0-4:40 5-7:24", Lines(mo_Text));
	EXPECT_EQ(40 * 8 + 24 * 8, Ink());
	Layout(4, "ab");
	EXPECT_EQ("0-0:8 1-1:8", Lines(mo_Text)) << "a character wider than the line stays alone on it";
}

TEST_F(TextBaseTest, LineFeedsAndCarriageReturns)
{
	Layout(40, "a\r\nb");
	EXPECT_EQ("0-0:8 3-3:8", Lines(mo_Text));
	Layout(40, "a\n\rb");
	EXPECT_EQ("0-0:8 3-3:8", Lines(mo_Text));
	Layout(40, "a\n\nb");
	EXPECT_EQ("0-0:8 2-1:0 3-3:8", Lines(mo_Text));
	Layout(40, "a\r\rb");
	EXPECT_EQ("0-0:8 2-1:0 3-3:8", Lines(mo_Text));
}

TEST_F(TextBaseTest, TwoByteTextBreaksBetweenCharacters)
{
	mo_Text.TxtSetFont(&mo_Block8, &mo_Kanji);
	mo_Text.TxtSetTextType(TB::ke_TxtType_Euc);
	Layout(40, "\xB0\xA1\xB0\xA1\xB0\xA1");
	EXPECT_EQ("0-3:32 4-5:16", Lines(mo_Text));
	// A high byte before a lower one or the end is an ISO-8859-1 letter of the first font: a
	// kanji followed by its French meaning ("\xE9t\xE9", ete with accents).
	Layout(80, "\xB0\xA1 \xE9t\xE9");
	EXPECT_EQ("0-5:48", Lines(mo_Text));
	// Any other type: every byte a character without a glyph.
	mo_Text.TxtSetTextType(static_cast<TB::enumTxtType>(5));
	Layout(40, "a\xB0\xA1");
	EXPECT_EQ("0-2:0", Lines(mo_Text));
}

TEST_F(TextBaseTest, TextIsCutAt512Lines)
{
	std::string s_Text;
	for (int i = 0; i < 600; ++i)
		s_Text += "a\n";
	Layout(40, s_Text.c_str());
	EXPECT_EQ(TEXTBASE_MAX_LINES, mo_Text.TxtGetLineCount());
}

TEST_F(TextBaseTest, AutoSizeMeasuresOneLine)
{
	struct CCounted : TB
	{
		void TxtSetSize(const u16& au16_Width, const u16& au16_Height) override
		{
			++mi_Calls;
			TB::TxtSetSize(au16_Width, au16_Height);
		}
		int mi_Calls = 0;
	} o_Text;
	Write("seven.fnt", std::string(256 * 9, '\x7F'));
	LibText_CFont o_Seven;
	ASSERT_TRUE(o_Seven.LoadBinFixed("./seven.fnt", 7, 9, 0, false));
	o_Text.TxtSetFont(&o_Seven);
	o_Text.TxtSetText("Loading...", false);
	EXPECT_EQ(70, o_Text.TxtGetWidth());
	EXPECT_EQ(9, o_Text.TxtGetHeight());
	EXPECT_EQ(1, o_Text.mi_Calls) << "the size goes through the virtual call";
	o_Text.TxtSetText("Go", false);
	EXPECT_EQ(14, o_Text.TxtGetWidth()) << "auto size stays on";

	o_Text.TxtSetFont(&o_Seven, &mo_Kanji);
	o_Text.TxtSetTextType(TB::ke_TxtType_Euc);
	o_Text.TxtSetText("a\xB0\xA1", false);
	EXPECT_EQ(7 + 16, o_Text.TxtGetWidth());
	EXPECT_EQ(16, o_Text.TxtGetHeight()) << "a two-byte character gives the second font's height";
}

TEST_F(TextBaseTest, GlyphIsCutAtTheTopAndRightEdges)
{
	// Rows one pixel each, going left; the box pushes the glyph 2 rows above the top and 6 right.
	Write("edge.bdf", BdfFont("8 8 0 0", BdfChar(65, 8, "4 4 6 6", "10\n20\n40\n80\n")));
	LibText_CFont o_Font;
	ASSERT_TRUE(o_Font.LoadBdf("./edge.bdf"));
	mo_Text.TxtSetFont(&o_Font);
	mo_Text.TxtSetSize(8, 8);
	mo_Text.TxtSetText("A", false);
	mo_Text.TxtUpdate();
	// Only the glyph's rows 2 and 3 are visible, at their own columns; nothing wraps around.
	EXPECT_EQ(1, Pixel(7, 0));
	EXPECT_EQ(1, Pixel(6, 1));
	EXPECT_EQ(2, Ink());
}

// Lines keep their spacing; a line that does not fit whole below the others is left out, not
// cut, except a first line, which shows in any box.
TEST_F(TextBaseTest, ATextTallerThanItsBoxShowsTheLinesThatFit)
{
	mo_Text.TxtSetSize(8, 20);
	mo_Text.TxtSetText("a\nb\nc", false);
	mo_Text.TxtUpdate();
	EXPECT_EQ(3, mo_Text.TxtGetLineCount());
	EXPECT_EQ(1, Pixel(0, 7));
	EXPECT_EQ(1, Pixel(0, 15));
	EXPECT_EQ(2 * 64, Ink()) << "the third line, rows 16 to 23, does not fit in 20";

	mo_Text.TxtSetSize(8, 5);
	mo_Text.TxtUpdate();
	EXPECT_EQ(5 * 8, Ink()) << "the first line shows, cut at the bottom";
}

TEST_F(TextBaseTest, VerticalPlaceOfOneAndTwoByteCharacters)
{
	Write("dot.bdf", BdfFont("8 10 0 -2", BdfChar(65, 8, "1 1 0 0", "80\n")));
	LibText_CFont o_Font;
	ASSERT_TRUE(o_Font.LoadBdf("./dot.bdf"));
	mo_Text.TxtSetFont(&o_Font);
	mo_Text.TxtSetTextType(TB::ke_TxtType_Euc);
	mo_Text.TxtSetSize(32, 40);
	mo_Text.TxtSetText("A\nA", false);
	mo_Text.TxtUpdate();
	// Latin only: descent -2 plus the glyph's row 9 of the cell; lines 10 apart.
	EXPECT_EQ(1, Pixel(0, 7));
	EXPECT_EQ(1, Pixel(0, 17));
	EXPECT_EQ(2, Ink());

	// With a 16-pixel kanji font the Latin baseline moves down to 16 - 2 and lines are 16 apart.
	mo_Text.TxtSetFont(&o_Font, &mo_Kanji);
	mo_Text.TxtSetText("A\xB0\xA1", false);
	mo_Text.TxtUpdate();
	EXPECT_EQ(1, Pixel(0, 4 + 9));
	EXPECT_EQ(1, Pixel(8, 0));
	EXPECT_EQ(1, Pixel(23, 15));
	EXPECT_EQ(1 + 256, Ink());
}

TEST_F(TextBaseTest, AlignmentPlacesEachLine)
{
	Layout(40, "ab");
	EXPECT_EQ(1, Pixel(0, 0));
	mo_Text.TxtSetAlign(TB::ke_TxtAlign_Center, 255);
	EXPECT_TRUE(mo_Text.TxtUpdate()) << "an alignment change redraws";
	EXPECT_EQ(0, Pixel(11, 0));
	EXPECT_EQ(1, Pixel(12, 0));
	EXPECT_EQ(1, Pixel(27, 0));
	EXPECT_EQ(0, Pixel(28, 0));
	mo_Text.TxtSetAlign(TB::ke_TxtAlign_Right, 64);
	EXPECT_EQ(0x42, mo_Text.TxtGetAlign());
	mo_Text.TxtUpdate();
	EXPECT_EQ(0, Pixel(23, 0));
	EXPECT_EQ(1, Pixel(39, 0));
}

TEST_F(TextBaseTest, UpdateDrawsOnlyAfterAChange)
{
	Layout(40, "ab");
	EXPECT_FALSE(mo_Text.TxtUpdate());
	mo_Text.TxtSetSize(40, 8);
	EXPECT_TRUE(mo_Text.TxtUpdate());
	EXPECT_EQ(16 * 8, Ink());
	// A font that failed to load draws nothing and the layout still works.
	LibText_CFont o_Missing;
	EXPECT_FALSE(o_Missing.LoadBdf("./missing.bdf"));
	mo_Text.TxtSetFont(&o_Missing);
	EXPECT_TRUE(mo_Text.TxtUpdate());
	EXPECT_EQ(0, Ink());
	EXPECT_EQ("0-1:0", Lines(mo_Text));
}

TEST_F(TextBaseTest, FormattedAndNumberedTexts)
{
	mo_Text.TxtFormat("%d-%s", 12, "x");
	EXPECT_STREQ("12-x", mo_Text.TxtGetText());
	mo_Text.TxtFormat("%s", std::string(3000, 'z').c_str());
	EXPECT_EQ(TB::ku_Format_Size - 1, (int)strlen(mo_Text.TxtGetText()));
	// Setting the text shown, copied, keeps it.
	mo_Text.TxtSetText(mo_Text.TxtGetText(), true);
	EXPECT_EQ(TB::ku_Format_Size - 1, (int)strlen(mo_Text.TxtGetText()));

	ASSERT_EQ(0, system(("mkdir -p " + ms_Root + "/Lang").c_str()));
	Write("Lang/Language00.bin", std::string("\x01\0\0\0\x08\0\0\0Hi\0", 11));
	LibText_CManagerString* p_Strings = LibText_CManagerString::Instance();
	p_Strings->SetLanguagePath("./Lang");
	ASSERT_TRUE(p_Strings->Load(0));
	mo_Text.TxtSetTextId(1);
	EXPECT_STREQ("Hi", mo_Text.TxtGetText());
	EXPECT_EQ(1u, mo_Text.TxtGetTextId());
	mo_Text.TxtSetText("x", true);
	EXPECT_EQ(0u, mo_Text.TxtGetTextId());
	p_Strings->Unload();
}

}
