#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <fstream>
#include <iterator>
#include <string>
#include <gtest/gtest.h>
#include "LibGen_CFileSystem.h"
#include "ScratchFolder.h"

namespace {

typedef LibGen_CFileSystem FS;

class SaveWholeTest : public ScratchFolder
{
protected:
	std::string Read(const std::string& as_Path)
	{
		std::ifstream o_In(as_Path, std::ios::binary);
		return std::string(std::istreambuf_iterator<char>(o_In), std::istreambuf_iterator<char>());
	}
	// A UTF-16 text list of au_Count kanji, each on its line.
	static std::string List(size_t au_Count, char ac_Low)
	{
		std::string s_List("\xFF\xFE", 2);
		for (size_t i = 0; i < au_Count; ++i)
			s_List += std::string(1, ac_Low) + "\x4E" + std::string("\r\0\n\0", 4);
		return s_List;
	}
};

TEST_F(SaveWholeTest, ReplacesTheFileWholeAndLeavesItWhenTheSaveCannotBeMade)
{
	const std::string s_Path = ms_Root + "/Data/To review.txt";
	Write("Data/To review.txt", "old");
	ASSERT_TRUE(FS::SaveWhole(s_Path.c_str(), "new text", 8));
	EXPECT_EQ(Read(s_Path), "new text");
	// Nothing is left beside it.
	EXPECT_FALSE(std::filesystem::exists(s_Path + ".saving"));

	// A folder that is missing: false, and nothing made.
	const std::string s_Lost = ms_Root + "/Missing/list.txt";
	EXPECT_FALSE(FS::SaveWhole(s_Lost.c_str(), "x", 1));
	EXPECT_FALSE(std::filesystem::exists(ms_Root + "/Missing"));
	// A folder in the target's place is not replaced by a file.
	MakeDir("Data/Folder");
	EXPECT_FALSE(FS::SaveWhole((ms_Root + "/Data/Folder").c_str(), "x", 1));
	EXPECT_TRUE(std::filesystem::is_directory(ms_Root + "/Data/Folder"));
	EXPECT_FALSE(std::filesystem::exists(ms_Root + "/Data/Folder.saving"));
}

// The web program copies the player's folder to the browser's storage after each file written.
TEST_F(SaveWholeTest, EachFileWrittenCallsTheWriteHookAndAFailedSaveDoesNot)
{
	static int si_Calls;
	si_Calls = 0;
	FS::SetWriteHook([] { ++si_Calls; });
	Write("Data/config.xml", "old");
	EXPECT_TRUE(FS::SaveWhole((ms_Root + "/Data/config.xml").c_str(), "new", 3));
	EXPECT_EQ(1, si_Calls);
	EXPECT_FALSE(FS::SaveWhole((ms_Root + "/Missing/config.xml").c_str(), "x", 1));
	EXPECT_EQ(1, si_Calls);
	FS::SetWriteHook(nullptr);
	EXPECT_TRUE(FS::SaveWhole((ms_Root + "/Data/config.xml").c_str(), "again", 5));
	EXPECT_EQ(1, si_Calls);
}

// A program that saves two lists in turn, without end, is killed at random moments of its saves:
// the list read after each kill is always the one or the other, whole.
TEST_F(SaveWholeTest, AKillAtAnyMomentOfASaveLeavesTheOldListOrTheNew)
{
	const std::string s_Path = ms_Root + "/Data/To review.txt";
	const std::string s_Short = List(3, '\x01');
	const std::string s_Long = List(20000, '\x02');
	Write("Data/To review.txt", s_Short);
	srand((unsigned)time(nullptr));
	for (int i_Kill = 0; i_Kill < 200; ++i_Kill)
	{
		const pid_t i_Child = fork();
		ASSERT_GE(i_Child, 0);
		if (i_Child == 0)
		{
			for (unsigned u_Save = 0;; ++u_Save)
			{
				const std::string& s_List = (u_Save % 2 == 0) ? s_Long : s_Short;
				FS::SaveWhole(s_Path.c_str(), s_List.data(), s_List.size());
			}
		}
		// From the fork to a few saves in.
		usleep((useconds_t)(rand() % 3000));
		ASSERT_EQ(kill(i_Child, SIGKILL), 0);
		int i_Status = 0;
		ASSERT_EQ(waitpid(i_Child, &i_Status, 0), i_Child);
		ASSERT_TRUE(WIFSIGNALED(i_Status));
		const std::string s_Read = Read(s_Path);
		ASSERT_TRUE(s_Read == s_Short || s_Read == s_Long) << "kill " << i_Kill << ": " << s_Read.size() << " bytes";
	}
}

}
