// The Windows listing's entry flags and packed times, read on Linux.
#include "LibGen_CFileSystem_Win.h"

#include <gtest/gtest.h>

TEST(DirEntryWin, FlagsFromTheFileAttributes)
{
	EXPECT_EQ(ke_DirEntry_File, LibGen_DirEntryFlags(0x80));   // a plain file
	EXPECT_EQ(ke_DirEntry_Dir, LibGen_DirEntryFlags(ku32_FileAttrib_Directory));
	EXPECT_EQ(ke_DirEntry_Dir | ke_DirEntry_ReadOnly | ke_DirEntry_Hidden,
			  LibGen_DirEntryFlags(ku32_FileAttrib_Directory | ku32_FileAttrib_ReadOnly | ku32_FileAttrib_Hidden));
	EXPECT_EQ(ke_DirEntry_File | ke_DirEntry_Hidden, LibGen_DirEntryFlags(ku32_FileAttrib_Hidden | 0x20));
}

TEST(DirEntryWin, PackedTimeKeepsEachFieldInItsOwnBits)
{
	const SDirTime o_Time = LibGen_PackDirTime(2024, 12, 31, 23, 59);
	EXPECT_EQ(2024, o_Time.mu16_Year);
	EXPECT_EQ(12u, o_Time.mu32_Month);
	EXPECT_EQ(31u, o_Time.mu32_Day);
	EXPECT_EQ(23u, o_Time.mu32_Hour);
	EXPECT_EQ(59u, o_Time.mu32_Second);

	// Full fields next to empty ones: nothing runs over into a neighbour.
	const SDirTime o_Max = LibGen_PackDirTime(65535, 15, 0, 31, 0);
	EXPECT_EQ(15u, o_Max.mu32_Month);
	EXPECT_EQ(0u, o_Max.mu32_Day);
	EXPECT_EQ(31u, o_Max.mu32_Hour);
	EXPECT_EQ(0u, o_Max.mu32_Second);
	const SDirTime o_Other = LibGen_PackDirTime(0, 0, 511, 0, 63);
	EXPECT_EQ(0u, o_Other.mu32_Month);
	EXPECT_EQ(511u, o_Other.mu32_Day);
	EXPECT_EQ(0u, o_Other.mu32_Hour);
	EXPECT_EQ(63u, o_Other.mu32_Second);

	// A value wider than its field keeps its low bits.
	const SDirTime o_Wide = LibGen_PackDirTime(1999, 17, 512 + 3, 32 + 4, 64 + 5);
	EXPECT_EQ(1u, o_Wide.mu32_Month);
	EXPECT_EQ(3u, o_Wide.mu32_Day);
	EXPECT_EQ(4u, o_Wide.mu32_Hour);
	EXPECT_EQ(5u, o_Wide.mu32_Second);
}
