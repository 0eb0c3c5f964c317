#include <windows.h>
#include <assert.h>
#include <stdio.h>
#include <stdlib.h>
#include "LibGen_Utils.h"
#include "LibGen_Utils_Win.h"

HWND gp_Window = nullptr;

void LibGen_DebugWrite(const char* as_Text)
{
	OutputDebugStringA(as_Text);
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
