#include "LibInput_ManagerKey.h"
#include "LibInput_KeyChars.h"
#include "LibInput_ManagerKey_Headless.h"

namespace
{
	u32 su32_ScriptKeys = 0;
}

void LibInput_SetScriptKeys(u32 au32_Keys)
{
	su32_ScriptKeys = au32_Keys & ku_Key_BitMask;
}

u32 LibInput_GetScriptKeys()
{
	return su32_ScriptKeys;
}

void LibInput_ManagerKey::Load()
{
}

void LibInput_ManagerKey::Update()
{
	UpdateCommon(su32_ScriptKeys);
}

// The script's buttons stand for the GLUT program's keys, whose letters the hints show.
char LibInput_ManagerKey::KeyLetter(eKeys ae_Key)
{
	return LibInput_LetterOfButton(ae_Key);
}
