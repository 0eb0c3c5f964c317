#ifndef LIBINPUT_MANAGERKEY_H
#define LIBINPUT_MANAGERKEY_H

#include "LibGen_CManagerSingleton.h"
#include "LibGen_DataTypes.h"

// A button value holds the button's bit in its low 24 bits and its index in the top 8 bits.
// Values may be OR-ed into a mask for the Any/All questions, which look at the low 24 bits only.
enum eKeys : u32
{
	ke_Key_Select   = 0x0000001,
	ke_Key_Start    = 0x1000008,
	ke_Key_Up       = 0x2000010,
	ke_Key_Right    = 0x3000020,
	ke_Key_Down     = 0x4000040,
	ke_Key_Left     = 0x5000080,
	ke_Key_L        = 0x6000100,
	ke_Key_R        = 0x7000200,
	ke_Key_Triangle = 0x8001000,
	ke_Key_Circle   = 0x9002000,
	ke_Key_Cross    = 0xA004000,
	ke_Key_Square   = 0xB008000,
	ke_Key_Home     = 0xC010000,
	ke_Key_Hold     = 0xD020000,
	ke_Key_Note     = 0xE800000,
};

// The four face buttons, released to leave the intro.
const u32 ku_Key_FaceMask = 0xF000;
const u32 ku_Key_BitMask  = 0xFFFFFF;
const u8  ku_Key_Count    = 15;

// The 15 buttons in sampling order, ended by 0.
extern const u32 guKeyList[ku_Key_Count + 1];

// Button names without their prefix ("Cross", "Left"...), in the order of guKeyList.
extern const char* const gsKeyNames[ku_Key_Count];

class LibInput_ManagerKey : public LibGen_CManagerSingleton<LibInput_ManagerKey>
{
public:
	LibInput_ManagerKey();
	virtual ~LibInput_ManagerKey() {}
	void Update() override;

	// The backend's own set-up, called once before Start.
	void Load();
	void Unload() {}

	// Edge and repeat logic shared by every backend, given the set of buttons down this frame.
	void UpdateCommon(unsigned int au32_Down);

	bool KeyTriggerAny(eKeys ae_Keys) const { return (mu32_KeyTrigger & ae_Keys & ku_Key_BitMask) != 0; }
	bool KeyTriggerAll(eKeys ae_Keys) const { return All(mu32_KeyTrigger, ae_Keys); }
	bool KeyPressAny(eKeys ae_Keys) const   { return (mu32_KeyPress & ae_Keys & ku_Key_BitMask) != 0; }
	bool KeyPressAll(eKeys ae_Keys) const   { return All(mu32_KeyPress, ae_Keys); }
	bool KeyReleaseAny(eKeys ae_Keys) const { return (mu32_KeyRelease & ae_Keys & ku_Key_BitMask) != 0; }
	bool KeyReleaseAll(eKeys ae_Keys) const { return All(mu32_KeyRelease, ae_Keys); }

	u16  KeyTimePress(eKeys ae_Key) const { return mu16_KeyTime[Index(ae_Key)]; }
	void KeyTimeTriggerSet(eKeys ae_Key, unsigned short au16_Frames) { mu16_KeyTimeTrigger[Index(ae_Key)] = au16_Frames; }
	u16  KeyTimeTriggerGet(eKeys ae_Key) const { return mu16_KeyTimeTrigger[Index(ae_Key)]; }
	void KeyTimeTriggerAdd(eKeys ae_Key, short as16_Frames);
	void KeyTimeTriggerClear();

	// The button named without its prefix ("Cross", "left"), or 0.
	static u32 ButtonFromName(const char* as_Name);
	// The letter (or digit) on the key that stands for the button, 'D' for Cross by default, or 0
	// when that key types none (the arrows): the backend's own key table says.
	static char KeyLetter(eKeys ae_Key);

private:
	static u8 Index(eKeys ae_Key) { return static_cast<u8>((ae_Key >> 24) & 0x1F); }
	static bool All(u32 au32_Set, u32 au32_Mask) { au32_Mask &= ku_Key_BitMask; return (au32_Set & au32_Mask) == au32_Mask; }

	u16 mu16_KeyTime[32];
	u16 mu16_KeyTimeTrigger[32];
	u32 mu32_KeyPress;
	u32 mu32_KeyTrigger;
	u32 mu32_KeyRelease;
};

// Shorthand for the usual casts when masks are OR-ed together.
inline eKeys operator|(eKeys a, eKeys b) { return static_cast<eKeys>(static_cast<u32>(a) | static_cast<u32>(b)); }

#endif
