#ifndef CSTATE_SETTINGS_H
#define CSTATE_SETTINGS_H

#include "GfxObjects/CObjWndList.h"
#include "LibGen_CState.h"

// The settings, opened from the main menu: the interface language, each named in its own
// language, and the cards dealt in a kanji quiz round. Cross applies the selected line at once
// (the screen's texts are laid out again in the new language) and keeps it in the player's
// config.xml; Circle goes back. The settings in force are marked.
class CState_Settings : public LibGen_CState
{
public:
	enum
	{
		ku_Language_Total = 3,
		ku_CardChoice_Total = 5,
		ku_Line_Total = ku_Language_Total + ku_CardChoice_Total,
		ku_Line_Size = 64,
	};

	CState_Settings();

	void LoadAlways() override;
	void Main() override;

	CObjWndList mo_WndList;
	char mas_Line[ku_Line_Total][ku_Line_Size];
	const char* map_Line[ku_Line_Total];

private:
	// The lines and the bar in the current language, the selection kept.
	void Layout(u8 au8_Selected);
	void Apply(u8 au8_Line);
};

#endif
