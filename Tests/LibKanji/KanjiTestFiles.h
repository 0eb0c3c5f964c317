#ifndef KANJI_TEST_FILES_H
#define KANJI_TEST_FILES_H

#include <stdio.h>
#include <stdlib.h>
#include <string>
#include <sys/stat.h>
#include <gtest/gtest.h>
#include "LibGen_CFileSystem.h"
#include "ScratchFolder.h"

// Fixture files in a scratch folder; the real build data is reached through UseRealData().
class KanjiTestFiles : public ScratchFolder
{
protected:
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
};

#endif
