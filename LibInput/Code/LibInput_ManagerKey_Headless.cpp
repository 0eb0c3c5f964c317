#include "LibInput_ManagerKey.h"
#include "LibInput_CKeyLatch.h"
#include "LibInput_KeyChars.h"
#include "LibInput_ManagerKey_Headless.h"

namespace
{
	LibInput_CKeyLatch so_ScriptKeys;
}

void LibInput_SetScriptKeys(u32 au32_Keys)
{
	const u32 u32_Held = so_ScriptKeys.GetHeld();
	so_ScriptKeys.Set(u32_Held & ~au32_Keys, false);
	so_ScriptKeys.Set(au32_Keys & ~u32_Held, true);
}

u32 LibInput_GetScriptKeys()
{
	return so_ScriptKeys.GetHeld();
}

void LibInput_ManagerKey::Load()
{
}

void LibInput_ManagerKey::Update()
{
	UpdateCommon(so_ScriptKeys.Sample());
}

// The script's buttons stand for the GLUT program's keys, whose letters the hints show.
char LibInput_ManagerKey::KeyLetter(eKeys ae_Key)
{
	return LibInput_LetterOfButton(ae_Key);
}
