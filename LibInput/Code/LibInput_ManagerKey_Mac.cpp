#include "LibInput_ManagerKey.h"
#include "LibInput_KeyChars.h"
#include "LibInput_ManagerKey_Mac.h"

#include <GL/freeglut.h>

namespace
{
	u32 su32_Held = 0;

	u32 ButtonOfSpecial(int ai_Key)
	{
		switch (ai_Key)
		{
			case GLUT_KEY_UP:    return ke_Key_Up;
			case GLUT_KEY_RIGHT: return ke_Key_Right;
			case GLUT_KEY_DOWN:  return ke_Key_Down;
			case GLUT_KEY_LEFT:  return ke_Key_Left;
			default:             return 0;
		}
	}

	void SetHeld(u32 au32_Button, bool ab_Down)
	{
		const u32 u32_Bit = au32_Button & ku_Key_BitMask;
		su32_Held = ab_Down ? (su32_Held | u32_Bit) : (su32_Held & ~u32_Bit);
	}
}

void LibInput_GlutKeyboard(unsigned char au8_Char, bool ab_Down)
{
	SetHeld(LibInput_ButtonOfChar(au8_Char), ab_Down);
}

void LibInput_GlutSpecial(int ai_Key, bool ab_Down)
{
	SetHeld(ButtonOfSpecial(ai_Key), ab_Down);
}

void LibInput_ManagerKey::Load()
{
	su32_Held = 0;
}

void LibInput_ManagerKey::Update()
{
	UpdateCommon(su32_Held);
}

char LibInput_ManagerKey::KeyLetter(eKeys ae_Key)
{
	return LibInput_LetterOfButton(ae_Key);
}
