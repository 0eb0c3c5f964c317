#include <windows.h>
#include <assert.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include "LibGen_Utils.h"
#include "LibGen_Utils_Win.h"

HWND gp_Window = nullptr;

void DebugOutput(const char* as_Format, ...)
{
	// Longer texts are cut to the buffer.
	char s_Text[512];
	va_list o_Args;
	va_start(o_Args, as_Format);
	vsnprintf(s_Text, sizeof(s_Text), as_Format, o_Args);
	va_end(o_Args);
	OutputDebugStringA(s_Text);
}

void LibGen_AssertFail(const char* as_Cond, int ai_Line, const char* as_File, const char*)
{
	DebugOutput("ASSERT: %s\n", as_Cond);
	DebugOutput("Line: %d\n", ai_Line);
	DebugOutput("File: %s\n", as_File);
	_assert(as_Cond, as_File, static_cast<unsigned int>(ai_Line));
	// The runtime's report stops the program; should it come back, stop all the same.
	abort();
}
