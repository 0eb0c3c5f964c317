// The page's keys: the GLUT program's key table, found by the key's name.
#include "LibInput_KeyChars.h"
#include "LibInput_ManagerKey_Events.h"
#include "LibInput_ManagerKey_Web.h"

bool LibInput_WebKey(const char* as_Key, bool ab_Down, bool ab_Repeat)
{
	const u32 u32_Button = LibInput_ButtonOfKeyName(as_Key);
	if (!ab_Repeat)
		LibInput_KeyEvent(u32_Button, ab_Down);
	return u32_Button != 0;
}
