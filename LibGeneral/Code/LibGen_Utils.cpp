#include <assert.h>
#include <ctype.h>
#include <stdio.h>
#include "LibGen_Utils.h"

// Shared by both HexValue overloads.
static u32 ParseHex(const unsigned char* as_Text, unsigned char au8_DigitMax)
{
	u32 u32_Value = 0;
	for (unsigned int i = 0; i < au8_DigitMax; ++i)
	{
		const unsigned char c = as_Text[i];
		u32 u32_Digit;
		if (c >= '0' && c <= '9')      u32_Digit = c - '0';
		else if (c >= 'A' && c <= 'F') u32_Digit = c - 'A' + 10;
		else if (c >= 'a' && c <= 'f') u32_Digit = c - 'a' + 10;
		else break;
		u32_Value = u32_Value * 16 + u32_Digit;
	}
	return u32_Value;
}

u32 HexValue(const char* as_Text, unsigned char au8_DigitMax)
{
	return ParseHex(reinterpret_cast<const unsigned char*>(as_Text), au8_DigitMax);
}

u32 HexValue(const unsigned char* as_Text, unsigned char au8_DigitMax)
{
	return ParseHex(as_Text, au8_DigitMax);
}

bool IsSameString(const char* as_Text1, const char* as_Text2, bool ab_IgnoreCase)
{
	if (as_Text1 == nullptr || as_Text2 == nullptr)
		return false;
	for (;; ++as_Text1, ++as_Text2)
	{
		int c1 = static_cast<unsigned char>(*as_Text1);
		int c2 = static_cast<unsigned char>(*as_Text2);
		if (ab_IgnoreCase)
		{
			c1 = toupper(c1);
			c2 = toupper(c2);
		}
		if (c1 != c2)
			return false;
		if (c1 == 0)
			return true;
	}
}

void FrameRate()
{
}

void LibGen_AssertFail(const char* as_Cond, int ai_Line, const char* as_File, const char* as_Function)
{
	DebugOutput("ASSERT: %s\n", as_Cond);
	DebugOutput("Line: %d\n", ai_Line);
	DebugOutput("File: %s\n", as_File);
	fflush(stdout);
	__assert_fail(as_Cond, as_File, static_cast<unsigned int>(ai_Line), as_Function);
}
