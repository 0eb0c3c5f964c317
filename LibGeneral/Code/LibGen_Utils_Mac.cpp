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
