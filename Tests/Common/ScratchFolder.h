#ifndef SCRATCH_FOLDER_H
#define SCRATCH_FOLDER_H

#include <filesystem>
#include <stdio.h>
#include <stdlib.h>
#include <string>
#include <sys/stat.h>
#include <gtest/gtest.h>
#include "LibGen_CFileSystem.h"

// Points the player's folder (the XDG folders and the home) inside as_Root: tests run side by side,
// and one that saves a setting or a list must not be read by another.
inline void UsePrivateHome(const std::string& as_Root)
{
	setenv("HOME", as_Root.c_str(), 1);
	setenv("XDG_CONFIG_HOME", (as_Root + "/config").c_str(), 1);
	setenv("XDG_DATA_HOME", (as_Root + "/data").c_str(), 1);
}

// A temporary folder with a Data folder inside, made the file system's current directory, where a
// test writes the data files it reads back, and the player's folder of the test. Removed after the
// test.
class ScratchFolder : public ::testing::Test
{
protected:
	void SetUp() override
	{
		char s_Template[] = "/tmp/fudemaru-test-XXXXXX";
		ASSERT_NE(mkdtemp(s_Template), nullptr);
		ms_Root = s_Template;
		ASSERT_EQ(mkdir((ms_Root + "/Data").c_str(), 0755), 0);
		LibGen_CFileSystem::Instance()->SetCurrentDir(ms_Root.c_str());
		UsePrivateHome(ms_Root);
	}
	void TearDown() override
	{
		std::filesystem::remove_all(ms_Root);
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

	std::string ms_Root;
};

#endif
