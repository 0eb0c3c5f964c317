#include <assert.h>
#include <stdarg.h>
#include <stdio.h>
#include "LibGen_Utils.h"

void DebugOutput(const char* as_Format, ...)
{
	// Longer texts are cut to the buffer.
	char s_Text[512];
	va_list o_Args;
	va_start(o_Args, as_Format);
	vsnprintf(s_Text, sizeof(s_Text), as_Format, o_Args);
	va_end(o_Args);
	fputs(s_Text, stdout);
}

void LibGen_AssertFail(const char* as_Cond, int ai_Line, const char* as_File, const char* as_Function)
{
	DebugOutput("ASSERT: %s\n", as_Cond);
	DebugOutput("Line: %d\n", ai_Line);
	DebugOutput("File: %s\n", as_File);
	fflush(stdout);
	__assert_fail(as_Cond, as_File, static_cast<unsigned int>(ai_Line), as_Function);
}
