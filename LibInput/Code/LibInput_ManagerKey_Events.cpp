#include "LibInput_ManagerKey_Events.h"

#include "LibInput_CKeyLatch.h"
#include "LibInput_KeyChars.h"
#include "LibInput_ManagerKey.h"

namespace
{
	LibInput_CKeyLatch so_Keys;
}

void LibInput_KeyEvent(u32 au32_Button, bool ab_Down)
{
	so_Keys.Set(au32_Button, ab_Down);
}

void LibInput_ReleaseAllKeys()
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
