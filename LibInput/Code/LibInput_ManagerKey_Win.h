#ifndef LIBINPUT_MANAGERKEY_WIN_H
#define LIBINPUT_MANAGERKEY_WIN_H

#include "LibGen_DataTypes.h"
#include "LibInput_ManagerKey.h"

// The DirectInput scan codes of the keys the game reads (dinput.h's DIK_ values).
enum eWinScanCode : u8
{
	ke_Dik_W      = 0x11,
	ke_Dik_E      = 0x12,
	ke_Dik_A      = 0x1E,
	ke_Dik_S      = 0x1F,
	ke_Dik_D      = 0x20,
	ke_Dik_F      = 0x21,
	ke_Dik_Home   = 0xC7,
	ke_Dik_Up     = 0xC8,
	ke_Dik_Prior  = 0xC9,
	ke_Dik_Left   = 0xCB,
	ke_Dik_Right  = 0xCD,
	ke_Dik_End    = 0xCF,
	ke_Dik_Down   = 0xD0,
	ke_Dik_Insert = 0xD2,
	ke_Dik_Delete = 0xD3,
};

struct SWinKey
{
	u32 mu32_Button;   // an eKeys value: its upper 8 bits (the button's index) are masked off
	u8  mu8_ScanCode;
};

// The keyboard mapping, in button order, ended by a zero entry.
inline constexpr SWinKey cuWinKeyList[ku_Key_Count + 1] =
{
	{ke_Key_Select, ke_Dik_Delete},
	{ke_Key_Start, ke_Dik_End},
	{ke_Key_Up, ke_Dik_Up},
	{ke_Key_Right, ke_Dik_Right},
	{ke_Key_Down, ke_Dik_Down},
	{ke_Key_Left, ke_Dik_Left},
	{ke_Key_L, ke_Dik_W},
	{ke_Key_R, ke_Dik_E},
	{ke_Key_Triangle, ke_Dik_S},
	{ke_Key_Circle, ke_Dik_F},
	{ke_Key_Cross, ke_Dik_D},
	{ke_Key_Square, ke_Dik_A},
	{ke_Key_Home, ke_Dik_Home},
	{ke_Key_Hold, ke_Dik_Insert},
	{ke_Key_Note, ke_Dik_Prior},
	{0, 0},
};

// The button of a scan code, or 0.
inline u32 LibInput_WinButtonOfScanCode(u8 au8_ScanCode)
{
	for (const SWinKey* p = cuWinKeyList; p->mu32_Button != 0; ++p)
		if (p->mu8_ScanCode == au8_ScanCode)
			return p->mu32_Button & ku_Key_BitMask;
	return 0;
}

// The letter a scan code's key types on a US keyboard, or 0: the keys are found by place.
inline char LibInput_WinKeyLetter(u8 au8_ScanCode)
{
	switch (au8_ScanCode)
	{
		case ke_Dik_W: return 'W';
		case ke_Dik_E: return 'E';
		case ke_Dik_A: return 'A';
		case ke_Dik_S: return 'S';
		case ke_Dik_D: return 'D';
		case ke_Dik_F: return 'F';
		default:       return 0;
	}
}

// The buttons whose keys are down (state byte's high bit set) in a 256-byte keyboard state.
inline u32 LibInput_WinKeyMask(const u8 (&au8_State)[256])
{
	u32 u32_Down = 0;
	for (const SWinKey* p = cuWinKeyList; p->mu32_Button != 0; ++p)
		if (au8_State[p->mu8_ScanCode] & 0x80)
			u32_Down |= p->mu32_Button & ku_Key_BitMask;
	return u32_Down;
}

#endif
