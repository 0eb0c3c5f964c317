// The nine pieces of the themed window frame (Wnd_Main).
#ifndef CTHEMEWINDOW_H
#define CTHEMEWINDOW_H

#include <string>

class CThemeWindow
{
public:
	// Writes TopLeft.png ... BotRight.png into the folder; false on a failed write.
	static bool Build(const std::string& as_Dir);
};

#endif
