// The page's keys: the GLUT program's key table, found by the key's name.
#include "LibInput_CKeyLatch.h"
#include "LibInput_KeyChars.h"
#include "LibInput_ManagerKey.h"
#include "LibInput_ManagerKey_Web.h"

namespace
{
	LibInput_CKeyLatch so_Keys;
}

bool LibInput_WebKey(const char* as_Key, bool ab_Down, bool ab_Repeat)
{
	const u32 u32_Button = LibInput_ButtonOfKeyName(as_Key);
	if (!ab_Repeat)
		so_Keys.Set(u32_Button, ab_Down);
	return u32_Button != 0;
}

void LibInput_WebReleaseAll()
{
	so_Keys.Set(ku_Key_BitMask, false);
}

void LibInput_ManagerKey::Load()
{
	so_Keys.Clear();
}

void LibInput_ManagerKey::Update()
{
	// A key tapped between two frames acts in the next one all the same.
	UpdateCommon(so_Keys.Sample());
}

char LibInput_ManagerKey::KeyLetter(eKeys ae_Key)
{
	return LibInput_LetterOfButton(ae_Key);
}
