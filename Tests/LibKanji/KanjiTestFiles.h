#ifndef KANJI_TEST_FILES_H
#define KANJI_TEST_FILES_H

#include <stdio.h>
#include <stdlib.h>
#include <string>
#include <sys/stat.h>
#include <gtest/gtest.h>
#include "LibGen_CFileSystem.h"

// A temporary folder made the file system's current directory, with a Data folder to write
// fixtures into. The real build data is reached through RealDataDir().
class KanjiTestFiles : public ::testing::Test
{
protected:
	void SetUp() override
	{
		char s_Template[] = "/tmp/libkanji-test-XXXXXX";
		ASSERT_NE(mkdtemp(s_Template), nullptr);
		ms_Root = s_Template;
		ASSERT_EQ(mkdir((ms_Root + "/Data").c_str(), 0755), 0);
		LibGen_CFileSystem::Instance()->SetCurrentDir(ms_Root.c_str());
	}
	void TearDown() override
	{
		ASSERT_EQ(system(("rm -rf " + ms_Root).c_str()), 0);
	}
	// as_Name is relative to the root, such as "./Data/kanjidic".
	void Write(const std::string& as_Name, const std::string& as_Bytes)
	{
		FILE* p_File = fopen((ms_Root + "/" + as_Name).c_str(), "wb");
		ASSERT_NE(p_File, nullptr);
		ASSERT_EQ(fwrite(as_Bytes.data(), 1, as_Bytes.size(), p_File), as_Bytes.size());
		fclose(p_File);
	}
	void MakeDir(const std::string& as_Name)
	{
		ASSERT_EQ(mkdir((ms_Root + "/" + as_Name).c_str(), 0755), 0);
	}
	// Makes the build's data folder current; false (and the test should skip) when it is not built.
	static bool UseRealData(const char* as_File)
	{
		struct stat o_Stat;
		const std::string s_Path = std::string(FUDEMARU_DATA_PARENT) + "/Data/" + as_File;
		if (stat(s_Path.c_str(), &o_Stat) != 0)
			return false;
		LibGen_CFileSystem::Instance()->SetCurrentDir(FUDEMARU_DATA_PARENT);
		return true;
	}

	std::string ms_Root;
};

#endif
