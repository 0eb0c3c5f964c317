// The button pictures of the tooltip bar (Tooltips/Pc), about 24 pixels.
#ifndef CTHEMEBUTTONS_H
#define CTHEMEBUTTONS_H

#include <string>

class CThemeButtons
{
public:
	// Writes the four face buttons, the four arrows and the two arrow pairs.
	static bool Build(const std::string& as_Dir);
};

#endif
