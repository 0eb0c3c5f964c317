#ifndef LIBINPUT_KEYCHARS_H
#define LIBINPUT_KEYCHARS_H

#include "LibInput_ManagerKey.h"

#include <cctype>
#include <cstring>

// The character keys of the GLUT program and the web page, which the replay plays too: a key is
// found by the character it types, in either case, so the mapping follows the keyboard layout.
struct SCharKey
{
	unsigned char mu8_Char;
	u32 mu32_Button;
};

inline constexpr SCharKey cuCharKeyList[] =
{
	{127, ke_Key_Select},   // Delete
	{13, ke_Key_Start},     // Return
	{'w', ke_Key_L},
	{'e', ke_Key_R},
	{'s', ke_Key_Triangle},
	{'f', ke_Key_Circle},
	{'d', ke_Key_Cross},
	{'a', ke_Key_Square},
	{'1', ke_Key_Home},
	{'2', ke_Key_Hold},
	{'3', ke_Key_Note},
};

// The button of a typed character, or 0.
inline u32 LibInput_ButtonOfChar(unsigned char au8_Char)
{
	const unsigned char u8_Char = static_cast<unsigned char>(tolower(au8_Char));
	for (const SCharKey& o_Key : cuCharKeyList)
		if (o_Key.mu8_Char == u8_Char)
			return o_Key.mu32_Button;
	return 0;
}

// The button of a key as a browser names it (KeyboardEvent.key): a key that types one character
// by that character, Enter and Delete as the characters GLUT gives them, the arrows by name; else 0.
inline u32 LibInput_ButtonOfKeyName(const char* as_Key)
{
	static const struct
	{
		const char* ms_Name;
		u32 mu32_Button;
	} cuArrowList[] = {{"ArrowUp", ke_Key_Up}, {"ArrowRight", ke_Key_Right}, {"ArrowDown", ke_Key_Down}, {"ArrowLeft", ke_Key_Left}};
	if (as_Key[0] != '\0' && as_Key[1] == '\0')
		return LibInput_ButtonOfChar(static_cast<unsigned char>(as_Key[0]));
	if (strcmp(as_Key, "Enter") == 0)
		return LibInput_ButtonOfChar(13);
	if (strcmp(as_Key, "Delete") == 0)
		return LibInput_ButtonOfChar(127);
	for (const auto& o_Arrow : cuArrowList)
		if (strcmp(o_Arrow.ms_Name, as_Key) == 0)
			return o_Arrow.mu32_Button;
	return 0;
}

// The character the button's key types, upper case, when it is a letter or a digit; else 0.
inline char LibInput_LetterOfButton(u32 au32_Button)
{
	for (const SCharKey& o_Key : cuCharKeyList)
		if (o_Key.mu32_Button == au32_Button && isalnum(o_Key.mu8_Char))
			return static_cast<char>(toupper(o_Key.mu8_Char));
	return 0;
}

#endif
