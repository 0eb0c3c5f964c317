#include <gtest/gtest.h>
#include "LibGen_DataTypes.h"
#include "LibGen_Utils.h"
#include "TestAssert.h"

namespace {

TEST(DataRead, ByteOrdersAndSignedValues)
{
	const u8 u8_Data[] = {0x01, 0x02, 0xFF, 0xFE, 0x12, 0x34, 0x56, 0x78};
	CDataRead o_Read;
	o_Read.SetBuffer(u8_Data, sizeof(u8_Data));
	EXPECT_EQ(o_Read.PeekU16(), 0x0201);
	o_Read.mb_BigEndian = true;
	EXPECT_EQ(o_Read.GetU16(), 0x0102);
	EXPECT_EQ(o_Read.PeekS16(), -2);
	EXPECT_EQ(o_Read.PeekU8(), 0xFF);
	EXPECT_EQ(o_Read.GetS8(), -1);
	EXPECT_EQ(o_Read.GetS8(), -2);
	EXPECT_EQ(o_Read.PeekU32(), 0x12345678u);
	o_Read.mb_BigEndian = false;
	EXPECT_EQ(o_Read.PeekU32(), 0x78563412u);
	o_Read -= 4;
	EXPECT_EQ(o_Read.GetS32(), (s32)0xFEFF0201);
	o_Read.SetOffset(2);
	EXPECT_EQ(o_Read.GetS16(), (s16)0xFEFF);
}

TEST(DataRead, ReadsStayInsideTheBlock)
{
	const u8 u8_Data[] = {1, 2, 3, 4, 5, 6};
	CDataRead o_Read;
	o_Read.SetBuffer(u8_Data, sizeof(u8_Data));
	o_Read += 2;
	EXPECT_EQ(o_Read.GetU32(), 0x06050403u);  // exactly the last 4 bytes
	EXPECT_DEATH(o_Read.GetU8(), "\\(mp_DataCur \\+ sizeof\\(u8\\)\\) <= mp_DataOrig\\+mu_Size");
	o_Read -= 1;
	EXPECT_DEATH(o_Read.PeekS32(), "\\(mp_DataCur \\+ sizeof\\(u32\\)\\) <= mp_DataOrig\\+mu_Size");
	EXPECT_DEATH(o_Read -= 6, "\\(mp_DataCur - s32_offset\\) >= mp_DataOrig");
	EXPECT_DEATH(o_Read.SetOffset(7), "au32_offset <= mu_Size");
	o_Read.SetOffset(6);  // the end itself is allowed
}

TEST(DataRead, NumbersFromTextLeaveTheCursorOnTheFirstByteNotTaken)
{
	CDataRead o_Num("12345");
	EXPECT_EQ(o_Num.GetNumValue(2), 12u);
	EXPECT_EQ(o_Num.PeekU8(), '3');
	EXPECT_EQ(o_Num.GetNumValue(0), 0u);
	EXPECT_EQ(o_Num.PeekU8(), '3');

	CDataRead o_Short("7x");
	EXPECT_EQ(o_Short.GetNumValue(2), 7u);
	EXPECT_EQ(o_Short.PeekU8(), 'x');
	EXPECT_FALSE(o_Short.IsADigit());
	EXPECT_EQ(o_Short.PeekDigitVal(), 0);

	CDataRead o_Hex("1aF9z");
	EXPECT_TRUE(o_Hex.IsAHexDigit());
	EXPECT_EQ(o_Hex.GetHexValue(4), 0x1AF9u);
	EXPECT_EQ(o_Hex.PeekU8(), 'z');
	EXPECT_EQ(o_Hex.GetHexDigitVal(), 0);  // not a digit, but still consumed
	EXPECT_EQ(o_Hex.PeekU8(), 0);
}

TEST(Utils, HexValueAndStringComparison)
{
	// The characters on either side of each digit range are not digits.
	EXPECT_EQ(LibGen_HexDigit('0'), 0);
	EXPECT_EQ(LibGen_HexDigit('9'), 9);
	EXPECT_EQ(LibGen_HexDigit('A'), 10);
	EXPECT_EQ(LibGen_HexDigit('f'), 15);
	const unsigned char cs_NotDigits[] = {'/', ':', '@', 'G', '`', 'g', 0, 0xC1};
	for (unsigned char c : cs_NotDigits)
		EXPECT_EQ(LibGen_HexDigit(c), -1) << (int)c;
	EXPECT_EQ(HexValue("7g", 2), 7u);
	EXPECT_EQ(HexValue("B0a1", 4), 0xB0A1u);
	EXPECT_EQ(HexValue(reinterpret_cast<const unsigned char*>("B0a1"), 2), 0xB0u);

	EXPECT_TRUE(IsSameString("Fr", "fR", true));
	EXPECT_FALSE(IsSameString("Fr", "fR", false));
	EXPECT_FALSE(IsSameString(nullptr, "a", true));
	EXPECT_FALSE(IsSameString("a", nullptr, false));
	EXPECT_FALSE(IsSameString("ab", "abc", true));
}

TEST(Utils, StrDupCopiesAtMostTheLimitAndTerminates)
{
	char* s_Whole = LibGen_StrDup("kanji");
	EXPECT_STREQ(s_Whole, "kanji");
	delete[] s_Whole;
	// The source need not be terminated within the limit.
	const char s_Unterminated[4] = {'a', 'b', 'c', 'd'};
	char* s_Cut = LibGen_StrDup(s_Unterminated, 3);
	EXPECT_STREQ(s_Cut, "abc");
	delete[] s_Cut;
}

TEST(Utils, XmlDepthCountsOpenElementsOnly)
{
	EXPECT_TRUE(XmlDepthWithin("", 0));
	EXPECT_TRUE(XmlDepthWithin("<?xml version=\"1.0\"?><!-- <a><b> --><a><b/><b x='>'></b></a>", 2));
	EXPECT_FALSE(XmlDepthWithin("<a><b><c/></b></a>", 1));
	// Text between the tags cannot close a level: "/>" counts only inside a tag.
	EXPECT_FALSE(XmlDepthWithin("<a>/><a>/><a>", 2));
	EXPECT_TRUE(XmlDepthWithin("<a><![CDATA[<b><c>]]></a><a>", 1));
	EXPECT_FALSE(XmlDepthWithin("<a b=\"<c>", 0));  // unterminated: still an open level
	std::string s_Deep;
	for (int i = 0; i < 100000; ++i)
		s_Deep += "<a>";
	EXPECT_FALSE(XmlDepthWithin(s_Deep.c_str(), 32));
}

TEST(Utils, DebugOutputCutsLongTextsToItsBuffer)
{
	const std::string s_Long(2000, 'x');
	testing::internal::CaptureStdout();
	DebugOutput("%s", s_Long.c_str());
	fflush(stdout);
	EXPECT_EQ(testing::internal::GetCapturedStdout(), std::string(511, 'x'));
}

TEST(Utils, AssertionWritesThreeLinesThenAborts)
{
	const int i_Value = 3;
	EXPECT_LIBGEN_ASSERT(LIBGEN_ASSERT(i_Value < 2), "i_Value < 2");
	EXPECT_DEATH(LIBGEN_ASSERT(i_Value < 2), "Assertion `i_Value < 2' failed");
}

} // namespace
