#include "MenuItems/CMenuItem_SubMenu.h"

#include "Fudemaru.h"
#include "LibGfx_CManagerMenu.h"

CMenuItem_SubMenu::CMenuItem_SubMenu()
	: mo_Icon(0), mp_Menu(nullptr)
{
	mb_Selectable = true;
}

void CMenuItem_SubMenu::Init(LibGfx_CMenu* ap_Menu, const u16& au16_TextureId, const u32& au32_TextId,
                             const LibText_CFont* ap_Font, const u8& au8_Palette)
{
	mp_Menu = ap_Menu;
	mo_Icon.Load(au16_TextureId, au32_TextId, ap_Font, gu8_Palettes[ke_Palette_4], au8_Palette,
	             LibGfx_CObjIcon::ke_TextPos_Bottom);
	AttachIcon(mo_Icon);
}

void CMenuItem_SubMenu::Select()
{
	mo_Icon.SetSelected(true);
}

void CMenuItem_SubMenu::Unselect()
{
	mo_Icon.SetSelected(false);
}

void CMenuItem_SubMenu::ProcessInput(enumInput ae_Input)
{
	if (ae_Input == ke_Input_Cross && mp_Menu != nullptr)
		LibGfx_CManagerMenu::Instance()->MenuAdd(mp_Menu);
}
