#include <ctype.h>
#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#include <string>
#include <vector>
#include "LibGen_Utils.h"

int LibGen_HexDigit(unsigned char ac)
{
	if (ac >= '0' && ac <= '9') return ac - '0';
	if (ac >= 'A' && ac <= 'F') return ac - 'A' + 10;
	if (ac >= 'a' && ac <= 'f') return ac - 'a' + 10;
	return -1;
}

// Shared by both HexValue overloads.
static u32 ParseHex(const unsigned char* as_Text, unsigned char au8_DigitMax)
{
	u32 u32_Value = 0;
	for (unsigned int i = 0; i < au8_DigitMax; ++i)
	{
		const int i_Digit = LibGen_HexDigit(as_Text[i]);
		if (i_Digit < 0)
			break;
		u32_Value = u32_Value * 16 + (u32)i_Digit;
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

char* LibGen_StrDup(const char* as_Text, size_t au_MaxLen)
{
	const size_t u_Len = strnlen(as_Text, au_MaxLen);
	char* s_Copy = new char[u_Len + 1];
	memcpy(s_Copy, as_Text, u_Len);
	s_Copy[u_Len] = 0;
	return s_Copy;
}

// The text just past the first as_End at or after ap_Text, or its terminator when there is none.
static const char* SkipPast(const char* ap_Text, const char* as_End)
{
	const char* p = strstr(ap_Text, as_End);
	return p != nullptr ? p + strlen(as_End) : ap_Text + strlen(ap_Text);
}

bool XmlDepthWithin(const char* as_Text, u32 au32_DepthMax)
{
	u32 u32_Depth = 0;
	const char* p = as_Text;
	while ((p = strchr(p, '<')) != nullptr)
	{
		if (strncmp(p, "<!--", 4) == 0)
			p = SkipPast(p, "-->");
		else if (strncmp(p, "<![CDATA[", 9) == 0)
			p = SkipPast(p, "]]>");
		else if (p[1] == '!' || p[1] == '?')
			p = SkipPast(p, ">");
		else if (p[1] == '/')
		{
			if (u32_Depth > 0)
				--u32_Depth;
			p = SkipPast(p, ">");
		}
		else
		{
			// An opening tag, to its '>' outside quotes; "/>" closes it at once.
			char c_Quote = 0;
			for (++p; *p != 0 && (c_Quote != 0 || *p != '>'); ++p)
				if (c_Quote == 0 && (*p == '"' || *p == '\''))
					c_Quote = *p;
				else if (*p == c_Quote)
					c_Quote = 0;
			const bool b_Empty = *p == '>' && p[-1] == '/';
			if (!b_Empty && ++u32_Depth > au32_DepthMax)
				return false;
		}
	}
	return true;
}

static u32 su32_ReportCount = 0;
static FILE* sp_ReportStream = stderr;
static LibGen_ReportHook sp_ReportHook = nullptr;

void LibGen_ReportData(const char* as_File, const char* as_Format, ...)
{
	++su32_ReportCount;
	if (sp_ReportStream == nullptr && sp_ReportHook == nullptr)
		return;
	if (strncmp(as_File, "./", 2) == 0)
		as_File += 2;
	// The line is measured, then written whole with one call: lines of two reports never mix.
	va_list o_Args;
	va_start(o_Args, as_Format);
	const int i_Len = vsnprintf(nullptr, 0, as_Format, o_Args);
	va_end(o_Args);
	if (i_Len < 0)
		return;
	std::vector<char> o_What((size_t)i_Len + 1);
	va_start(o_Args, as_Format);
	vsnprintf(o_What.data(), o_What.size(), as_Format, o_Args);
	va_end(o_Args);
	if (sp_ReportStream != nullptr)
		fprintf(sp_ReportStream, "Fudemaru: %s: %s\n", as_File, o_What.data());
	if (sp_ReportHook != nullptr)
	{
		const std::string s_Line = std::string(as_File) + ": " + o_What.data();
		sp_ReportHook(s_Line.c_str());
	}
}

void LibGen_ReportXmlError(const char* as_File, int ai_Row, int ai_Column, const char* as_Error)
{
	// Some of TinyXML's errors come without words.
	if (as_Error == nullptr || as_Error[0] == 0)
		as_Error = "not well-formed XML";
	if (ai_Row > 0)
		LibGen_ReportData(as_File, "line %d, column %d: %s", ai_Row, ai_Column, as_Error);
	else
		LibGen_ReportData(as_File, "%s", as_Error);
}

void LibGen_SetReportStream(FILE* ap_Stream)
{
	sp_ReportStream = ap_Stream;
}

void LibGen_SetReportHook(LibGen_ReportHook ap_Hook)
{
	sp_ReportHook = ap_Hook;
}

u32 LibGen_GetReportCount()
{
	return su32_ReportCount;
}

void DebugOutput(const char* as_Format, ...)
{
	char s_Text[512];
	va_list o_Args;
	va_start(o_Args, as_Format);
	vsnprintf(s_Text, sizeof(s_Text), as_Format, o_Args);
	va_end(o_Args);
	LibGen_DebugWrite(s_Text);
}
