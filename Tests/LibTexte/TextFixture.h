#ifndef TEXT_FIXTURE_H
#define TEXT_FIXTURE_H

#include <stdio.h>
#include <stdlib.h>
#include <string>
#include <gtest/gtest.h>
#include "ScratchFolder.h"

// Text tests write their fonts and tables into a scratch folder.
typedef ScratchFolder TextFixture;

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
