#ifndef CMENUITEM_SUBMENU_H
#define CMENUITEM_SUBMENU_H

#include "LibGen_DataTypes.h"
#include "LibGfx_CMenuItemBase.h"
#include "LibGfx_CObjIconSelect.h"

class LibGfx_CMenu;
class LibText_CFont;

// A menu entry that opens another menu (not owned) as the next level on Cross.
class CMenuItem_SubMenu : public LibGfx_CMenuItemBase
{
public:
	CMenuItem_SubMenu();
	virtual ~CMenuItem_SubMenu() {}

	// The menu it opens, and the icon of the texture with the label of the string, in the font
	// and the normal palette slot.
	void Init(LibGfx_CMenu* ap_Menu, const u16& au16_TextureId, const u32& au32_TextId, const LibText_CFont* ap_Font,
	          const u8& au8_Palette);

	void Select() override;
	void Unselect() override;
	void ProcessInput(enumInput ae_Input) override;

	LibGfx_CObjIconSelect mo_Icon;
	LibGfx_CMenu* mp_Menu;
};

#endif
