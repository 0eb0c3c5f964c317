#ifndef LIBGFX_CMENU_H
#define LIBGFX_CMENU_H

#include "LibGen_DataTypes.h"
#include "LibGfx_CObjBase.h"

class LibGfx_CMenuItemBase;

// One menu: a row of items (not owned) spread over the 480-unit band. Left and Right move
// between the selectable items, without wrapping; Cross, Down and Up go to the current item.
class LibGfx_CMenu
{
public:
	enum
	{
		ku_menu_item_max = 32,
	};

	// Shown, aligned to its face's left and top, empty.
	LibGfx_CMenu();
	// A menu that goes while the manager still holds it leaves the manager's stack.
	virtual ~LibGfx_CMenu();
	// Navigation and input, for the menu on top of the stack.
	virtual void Update();

	// Appends the item and lays the row out again; the first item becomes the current one.
	void AddMenuItem(LibGfx_CMenuItemBase* ap_Item);
	// Puts the current item's help on tooltip line 0 (nothing while the menu is empty).
	void ShowTooltip() const;

	LibGfx_CObjBase mo_Obj;
	LibGfx_CMenuItemBase* mpo_Item[ku_menu_item_max];
	u8 mu8_MenuTotal;
	u8 mu8_Selected;

private:
	LibGfx_CMenu(const LibGfx_CMenu&) = delete;
	LibGfx_CMenu& operator=(const LibGfx_CMenu&) = delete;

	// Moves to the nearest selectable item in the direction (+1 or -1), if there is one.
	void Navigate(int ai_Direction);
	// Spreads the items across the band with equal room between them.
	void LayoutRow();
};

#endif
