#include "LibInput_CKeyLatch.h"
#include "LibInput_ManagerKey.h"
#include "LibInput_ManagerKey_Mac.h"

#include <GL/freeglut.h>
#include <cctype>

namespace
{
	LibInput_CKeyLatch so_Keys;

	// Character keys are found by the character they type, so the mapping follows the keyboard layout.
	u32 ButtonOfChar(unsigned char au8_Char)
	{
		switch (tolower(au8_Char))
		{
			case 127: return ke_Key_Select;   // Delete
			case 13:  return ke_Key_Start;    // Return
			case 'w': return ke_Key_L;
			case 'e': return ke_Key_R;
			case 's': return ke_Key_Triangle;
			case 'f': return ke_Key_Circle;
			case 'd': return ke_Key_Cross;
			case 'a': return ke_Key_Square;
			case '1': return ke_Key_Home;
			case '2': return ke_Key_Hold;
			case '3': return ke_Key_Note;
			default:  return 0;
		}
	}

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
	so_Keys.Set(ButtonOfChar(au8_Char), ab_Down);
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
