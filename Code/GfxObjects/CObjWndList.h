#ifndef COBJWNDLIST_H
#define COBJWNDLIST_H

#include "LibGen_DataTypes.h"
#include "LibGfx_CObjBase.h"
#include "LibGfx_CObjText.h"
#include "LibGfx_CObjWndThemed.h"
#include "LibGfx_CPolyQuad.h"

// A themed window listing one-line texts (owned by the caller) with a selection bar and a scroll
// bar. Fourteen lines show at once; in a longer list the selected entry stays on the eighth
// line while the list scrolls under it.
class CObjWndList : public LibGfx_CObjWndThemed
{
public:
	enum
	{
		ku_Line_Max = 14,
		ku_Line_Pitch = 14,      // units between two lines, and the bar's step
		ku_Line_Follow = 7,      // the selection's line once the list scrolls
		ku_ScrollBar_Width = 16,
	};

	// Invisible, empty, its bars attached.
	CObjWndList();
	virtual ~CObjWndList() {}

	// Shows the first entries with the first one selected. The window must be sized first: the
	// bars are sized from its client area. Without entries the window stays empty.
	void Load(const char** ap_Items, u8 au8_Total);
	// Moves the selection by the step, stopping at either end, and shows the lines around it.
	void Scroll(s8 as8_Step);
	// Gives the lines' textures back and hides the window.
	void Unload();

	LibGfx_CPolyQuad mo_PolyHighlight;
	LibGfx_CPolyQuad mo_PolyThumb;
	LibGfx_CPolyQuad mo_PolyTrack;
	LibGfx_CObjBase mo_Highlight;
	LibGfx_CObjBase mo_Thumb;
	float mf_ScrollLenght;   // the thumb's travel from the first entry to the last
	LibGfx_CObjText mo_Text[ku_Line_Max];
	u8 mu8_ItemSelected;
	u8 mu8_ItemTotal;
	const char** mpp_Items;

private:
	// The first entry shown for the current selection.
	u8 FirstShown() const;
	// Unloads a line and takes it out of the window.
	void ReleaseLine(u8 au8_Line);
};

#endif
