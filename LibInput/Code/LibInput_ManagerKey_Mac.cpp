#include "LibInput_CKeyLatch.h"
#include "LibInput_ManagerKey.h"
#include "LibInput_KeyChars.h"
#include "LibInput_ManagerKey_Mac.h"

#include <GL/freeglut.h>

namespace
{
	LibInput_CKeyLatch so_Keys;

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
}

void LibInput_GlutKeyboard(unsigned char au8_Char, bool ab_Down)
{
	so_Keys.Set(LibInput_ButtonOfChar(au8_Char), ab_Down);
}

void LibInput_GlutSpecial(int ai_Key, bool ab_Down)
{
	so_Keys.Set(ButtonOfSpecial(ai_Key), ab_Down);
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
