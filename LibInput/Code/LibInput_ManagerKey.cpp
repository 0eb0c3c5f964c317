#include "LibInput_ManagerKey.h"

#include <cstring>
#include <strings.h>

const u32 guKeyList[ku_Key_Count + 1] =
{
	ke_Key_Select, ke_Key_Start, ke_Key_Up, ke_Key_Right, ke_Key_Down, ke_Key_Left, ke_Key_L, ke_Key_R,
	ke_Key_Triangle, ke_Key_Circle, ke_Key_Cross, ke_Key_Square, ke_Key_Home, ke_Key_Hold, ke_Key_Note, 0
};

const char* const gsKeyNames[ku_Key_Count] =
{
	"Select", "Start", "Up", "Right", "Down", "Left", "L", "R",
	"Triangle", "Circle", "Cross", "Square", "Home", "Hold", "Note"
};

LibInput_ManagerKey::LibInput_ManagerKey()
	: mu32_KeyPress(0), mu32_KeyTrigger(0), mu32_KeyRelease(0)
{
	memset(mu16_KeyTime, 0, sizeof(mu16_KeyTime));
	memset(mu16_KeyTimeTrigger, 0, sizeof(mu16_KeyTimeTrigger));
}

void LibInput_ManagerKey::UpdateCommon(unsigned int au32_Down)
{
	const u32 u32_Prev = mu32_KeyPress;
	mu32_KeyTrigger = 0;
	mu32_KeyRelease = 0;
	mu32_KeyPress = au32_Down;

	for (const u32* pKey = guKeyList; *pKey != 0; ++pKey)
	{
		const u32 u32_Bit = *pKey & ku_Key_BitMask;
		const u8 u8_Index = Index(static_cast<eKeys>(*pKey));
		if (au32_Down & u32_Bit)
		{
			if (!(u32_Prev & u32_Bit))
				mu32_KeyTrigger |= u32_Bit;
			++mu16_KeyTime[u8_Index];
			const u16 u16_Period = mu16_KeyTimeTrigger[u8_Index];
			if (u16_Period != 0 && mu16_KeyTime[u8_Index] % u16_Period == 0)
				mu32_KeyTrigger |= u32_Bit;
		}
		else if (!(u32_Prev & u32_Bit))
		{
			mu16_KeyTime[u8_Index] = 0;
		}
		else
		{
			// NOTE: the held count stays for the release frame so callers can still read how long it was held.
			mu32_KeyRelease |= u32_Bit;
		}
	}
}

void LibInput_ManagerKey::KeyTimeTriggerAdd(eKeys ae_Key, short as16_Frames)
{
	u16& u16_Period = mu16_KeyTimeTrigger[Index(ae_Key)];
	u16_Period = static_cast<u16>(u16_Period + as16_Frames);
}

void LibInput_ManagerKey::KeyTimeTriggerClear()
{
	memset(mu16_KeyTimeTrigger, 0, sizeof(mu16_KeyTimeTrigger));
}

u32 LibInput_ManagerKey::ButtonFromName(const char* as_Name)
{
	for (u8 i = 0; i < ku_Key_Count; ++i)
		if (strcasecmp(as_Name, gsKeyNames[i]) == 0)
			return guKeyList[i];
	return 0;
}
