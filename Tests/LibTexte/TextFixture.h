#ifndef TEXT_FIXTURE_H
#define TEXT_FIXTURE_H

#include <stdio.h>
#include <stdlib.h>
#include <string>
#include <gtest/gtest.h>
#include "LibGen_CFileSystem.h"

// A scratch folder made the file system's current directory, where a test writes its data files.
class TextFixture : public ::testing::Test
{
protected:
	void SetUp() override
	{
		char s_Template[] = "/tmp/libtexte-XXXXXX";
		ASSERT_NE(mkdtemp(s_Template), nullptr);
		ms_Root = s_Template;
		LibGen_CFileSystem::Instance()->SetCurrentDir(ms_Root.c_str());
	}
	void TearDown() override
	{
		ASSERT_EQ(system(("rm -rf " + ms_Root).c_str()), 0);
	}
	void Write(const char* as_Name, const std::string& as_Bytes)
	{
		FILE* p_File = fopen((ms_Root + "/" + as_Name).c_str(), "wb");
		ASSERT_NE(p_File, nullptr);
		ASSERT_EQ(fwrite(as_Bytes.data(), 1, as_Bytes.size(), p_File), as_Bytes.size());
		fclose(p_File);
	}
	std::string ms_Root;
};

// One BDF character: code, advance, box and hex rows.
inline std::string BdfChar(int ai_Code, int ai_Advance, const char* as_Box, const std::string& as_Rows)
{
	char s_Head[160];
	snprintf(s_Head, sizeof(s_Head), "STARTCHAR c%d\nENCODING %d\nSWIDTH 500 0\nDWIDTH %d 0\nBBX %s\nBITMAP\n",
		ai_Code, ai_Code, ai_Advance, as_Box);
	return s_Head + as_Rows + "ENDCHAR\n";
}

inline std::string BdfFont(const char* as_Box, const std::string& as_Chars)
{
	return std::string("STARTFONT 2.1\nFONT test\nFONTBOUNDINGBOX ") + as_Box + "\nCHARS 1\n" + as_Chars + "ENDFONT\n";
}

#endif
