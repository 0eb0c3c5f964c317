// The main menu's icons (Icon_Menu), about 40 pixels: a paper card each.
#ifndef CTHEMEMENUICONS_H
#define CTHEMEMENUICONS_H

#include <string>

class CThemeMenuIcons
{
public:
	// Writes Main_Empty, Main_Quit, Main_FromRomanji and Main_ToRomanji.
	static bool Build(const std::string& as_Dir);
};

#endif
