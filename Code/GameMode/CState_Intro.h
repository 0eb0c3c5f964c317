#ifndef CSTATE_INTRO_H
#define CSTATE_INTRO_H

#include "Fudemaru.h"
#include "LibGen_CState.h"
#include "LibGfx_CObjText.h"
#include "LibGfx_CObjWndThemed.h"

// The bottom of the state stack for the whole run. Its first load sets up everything the run
// shares (engine, Latin font, text palettes, base textures, managers, strings, tooltip bar,
// camera); it then shows a welcome window until a face button is released.
class CState_Intro : public LibGen_CState
{
public:
	virtual ~CState_Intro() {}

	// Locks a palette slot, records it in gu8_Palettes and gives it the four colours, written
	// 0xAARRGGBB (alpha in the top byte, red next) and stored in the textures' own layout.
	static void SetPaletteText(enumPalettes ae_Palette, unsigned int au_Color0, unsigned int au_Color1,
	                           unsigned int au_Color2, unsigned int au_Color3);
	// The nine palettes every text of the game names by its enumPalettes number.
	static void CreateTextPalettes();

	void LoadOnce() override;
	void LoadAlways() override;
	void Main() override;
	void UnloadAlways() override;
	void UnloadOnce() override;

	LibGfx_CObjWndThemed mo_Window;
	LibGfx_CObjText mo_Text;
};

#endif
