#include <string>
#include <gtest/gtest.h>
#include "LibText_CManagerString.h"
#include "ReportLines.h"
#include "TestAssert.h"
#include "TextFixture.h"

namespace {

std::string U32(u32 au_Value)
{
	std::string s;
	for (int i = 0; i < 4; ++i)
		s += (char)((au_Value >> (8 * i)) & 0xFF);
	return s;
}

// Count 2, offsets 12 and 16, two three-letter words.
const std::string ks_Table = U32(2) + U32(12) + U32(16) + std::string("one\0two\0", 8);

class StringTableTest : public TextFixture
{
protected:
	void SetUp() override
	{
		TextFixture::SetUp();
		ASSERT_EQ(0, system(("mkdir -p " + ms_Root + "/Lang").c_str()));
		mp_Strings->SetLanguagePath("./Lang");
	}
	void TearDown() override
	{
		mp_Strings->Unload();
		TextFixture::TearDown();
	}
	LibText_CManagerString* mp_Strings = LibText_CManagerString::Instance();
};

TEST_F(StringTableTest, TextsByIdFromTheNumberedFile)
{
	Write("Lang/Language02.bin", ks_Table);
	ASSERT_FALSE(mp_Strings->Load(0)) << "only language 2 exists";
	ASSERT_TRUE(mp_Strings->Load(2));
	EXPECT_EQ(2u, mp_Strings->GetStringTotal());
	EXPECT_STREQ("", mp_Strings->GetString(0));
	EXPECT_STREQ("one", mp_Strings->GetString(1));
	EXPECT_STREQ("two", mp_Strings->GetString(2));
	EXPECT_STREQ("", mp_Strings->GetString(3)) << "an id past the count";
	EXPECT_STREQ("", mp_Strings->GetString(0xFFFFFFFF));
}

TEST_F(StringTableTest, WithoutATableEveryTextIsEmpty)
{
	EXPECT_FALSE(mp_Strings->Load(1));
	EXPECT_STREQ("", mp_Strings->GetString(1));
	EXPECT_EQ(0u, mp_Strings->GetStringTotal());
}

TEST_F(StringTableTest, InconsistentTablesAreRefused)
{
	const std::string as_Bad[] = {
		std::string("\x01\x00", 2),                                        // shorter than the count
		U32(3) + U32(16) + U32(20) + std::string("one\0two\0", 8),          // offsets run past the file
		U32(2) + U32(12) + U32(99) + std::string("one\0two\0", 8),          // an offset outside it
		U32(2) + U32(12) + U32(16) + std::string("one\0two", 7),            // the last text has no NUL
		U32(0x40000000) + U32(12),                                          // a count that overflows 32 bits
	};
	ReportLines o_Report;
	for (const std::string& s_Bad : as_Bad)
	{
		Write("Lang/Language00.bin", s_Bad);
		EXPECT_FALSE(mp_Strings->Load(0));
		EXPECT_STREQ("", mp_Strings->GetString(1));
	}
	// One line each, naming the file: all the interface texts of that language are blank.
	const std::string s_File = "Fudemaru: Lang/Language00.bin: ";
	EXPECT_EQ(o_Report.Take(), (std::vector<std::string>{
		s_File + "is 2 bytes long: too short for the count of its strings",
		s_File + "is cut or corrupt: string 2, at byte 20, does not end inside its 20 bytes",
		s_File + "is cut or corrupt: string 2, at byte 99, does not end inside its 20 bytes",
		s_File + "is cut or corrupt: string 2, at byte 16, does not end inside its 19 bytes",
		s_File + "is cut short: 8 bytes cannot hold the offsets of its 1073741824 strings" }));
	// A loaded table is let go when the next load fails.
	Write("Lang/Language01.bin", ks_Table);
	ASSERT_TRUE(mp_Strings->Load(1));
	EXPECT_FALSE(mp_Strings->Load(0));
	EXPECT_STREQ("", mp_Strings->GetString(1));
}

TEST(StringTableDeath, LoadNeedsALanguagePath)
{
	LibText_CManagerString o_Strings;
	EXPECT_LIBGEN_ASSERT(o_Strings.Load(0), "ms_Pathname != NULL");
}

}
