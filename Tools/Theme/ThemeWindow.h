// The nine pieces of the themed window frame (Wnd_Main).
#ifndef THEMEWINDOW_H
#define THEMEWINDOW_H

#include <string>

class ThemeWindow
{
public:
	// Writes TopLeft.png ... BotRight.png into the folder; false on a failed write.
	static bool Build(const std::string& as_Dir);
};

#endif
