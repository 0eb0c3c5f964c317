#ifndef LIBGFX_CMENUITEMBASE_H
#define LIBGFX_CMENUITEMBASE_H

#include "LibGen_DataTypes.h"
#include "LibGfx_CObjBase.h"

class LibGfx_CObjIcon;
class LibGfx_CObjIconSelect;

// One entry of a menu row. The game derives its kinds from it; the base does nothing when
// selected or used.
class LibGfx_CMenuItemBase
{
public:
	// The buttons an item reacts to, each on its release.
	enum enumInput
	{
		ke_Input_Cross = 0,
		ke_Input_Down,
		ke_Input_Up,
	};

	// Shown, aligned to the menu's left and top; not selectable, no tooltip.
	LibGfx_CMenuItemBase();
	virtual ~LibGfx_CMenuItemBase() {}
	virtual void Select() {}
	virtual void Unselect() {}
	virtual void ProcessInput(enumInput) {}

	LibGfx_CObjBase mo_Obj;   // parent of the item's pictures
	bool mb_Selectable;       // navigation stops only on selectable items
	u16 mu16_TooltipId;       // string shown on tooltip line 0 while current; 0 hides the line

protected:
	// Hangs a loaded icon with its label under it from the item's top, centred on the item's
	// origin, and gives the item the box the two take together: the row then places the whole
	// item, however much wider than the picture its label is.
	void AttachIcon(LibGfx_CObjIcon& ao_Icon);
	// The same with the drop shadow, which pushes the label right and down.
	void AttachIcon(LibGfx_CObjIconSelect& ao_Icon);

private:
	void AttachIcon(LibGfx_CObjIcon& ao_Icon, const CVector3d<float>& ao_LabelShift);

private:
	LibGfx_CMenuItemBase(const LibGfx_CMenuItemBase&) = delete;
	LibGfx_CMenuItemBase& operator=(const LibGfx_CMenuItemBase&) = delete;
};

#endif
