#include "LibInput_KeyChars.h"
#include "LibInput_ManagerKey_Events.h"
#include "LibInput_ManagerKey_Mac.h"

#include <GL/freeglut.h>

namespace
{
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
	LibInput_KeyEvent(LibInput_ButtonOfChar(au8_Char), ab_Down);
}

void LibInput_GlutSpecial(int ai_Key, bool ab_Down)
{
	LibInput_KeyEvent(ButtonOfSpecial(ai_Key), ab_Down);
}
