#include <assert.h>
#include <stdio.h>
#include "LibGen_Utils.h"

void LibGen_DebugWrite(const char* as_Text)
{
	fputs(as_Text, stdout);
}

void LibGen_AssertFail(const char* as_Cond, int ai_Line, const char* as_File, const char* as_Function)
{
	DebugOutput("ASSERT: %s\n", as_Cond);
	DebugOutput("Line: %d\n", ai_Line);
	DebugOutput("File: %s\n", as_File);
	fflush(stdout);
	__assert_fail(as_Cond, as_File, static_cast<unsigned int>(ai_Line), as_Function);
}
