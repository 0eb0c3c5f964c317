// The web page's keys: the browser's key names turned into buttons with the GLUT program's table.
#include "LibInput_KeyChars.h"

#include <gtest/gtest.h>

TEST(WebKeyName, ArrowsEnterAndDeleteByNameLettersByTheirCharacterInEitherCase)
{
	EXPECT_EQ(u32(ke_Key_Up), LibInput_ButtonOfKeyName("ArrowUp"));
	EXPECT_EQ(u32(ke_Key_Right), LibInput_ButtonOfKeyName("ArrowRight"));
	EXPECT_EQ(u32(ke_Key_Down), LibInput_ButtonOfKeyName("ArrowDown"));
	EXPECT_EQ(u32(ke_Key_Left), LibInput_ButtonOfKeyName("ArrowLeft"));
	EXPECT_EQ(u32(ke_Key_Start), LibInput_ButtonOfKeyName("Enter"));
	EXPECT_EQ(u32(ke_Key_Select), LibInput_ButtonOfKeyName("Delete"));
	const struct { const char* ms_Lower; const char* ms_Upper; eKeys me_Button; } ao_Letters[] =
	{
		{"d", "D", ke_Key_Cross}, {"f", "F", ke_Key_Circle}, {"s", "S", ke_Key_Triangle}, {"a", "A", ke_Key_Square},
		{"w", "W", ke_Key_L}, {"e", "E", ke_Key_R},
	};
	for (const auto& o : ao_Letters)
	{
		EXPECT_EQ(u32(o.me_Button), LibInput_ButtonOfKeyName(o.ms_Lower)) << o.ms_Lower;
		EXPECT_EQ(u32(o.me_Button), LibInput_ButtonOfKeyName(o.ms_Upper)) << o.ms_Upper;
	}
	EXPECT_EQ(u32(ke_Key_Home), LibInput_ButtonOfKeyName("1"));
}

TEST(WebKeyName, OtherKeysAreNoneOfTheGames)
{
	// Names that start like a game key's character or name, a character of two UTF-8 bytes, the
	// keys the page leaves to the browser.
	for (const char* s_Key : {"", "Dead", "Escape", "Enter ", "Arrow", "Up", "Backspace", "Shift", "F5", "Tab", " ", "\xC3\xA9", "x"})
		EXPECT_EQ(0u, LibInput_ButtonOfKeyName(s_Key)) << "'" << s_Key << "'";
}
