// The button pictures of the tooltip bar (Tooltips/Pc), about 24 pixels.
#ifndef THEMEBUTTONS_H
#define THEMEBUTTONS_H

#include <string>

class ThemeButtons
{
public:
	// Writes the four face buttons, the four arrows and the two arrow pairs.
	static bool Build(const std::string& as_Dir);
};

#endif
