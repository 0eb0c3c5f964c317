#include "MenuItems/CMenuItem_Callback.h"

#include "Fudemaru.h"

CMenuItem_Callback::CMenuItem_Callback()
	: mo_Icon(0)
{
	mb_Selectable = true;
}

void CMenuItem_Callback::Init(std::unique_ptr<LibGen_FunctorBase1<int>> ap_Action, const u16& au16_TextureId,
                              const u32& au32_TextId, const LibText_CFont* ap_Font, const u8& au8_Palette)
{
	mp_Action = std::move(ap_Action);
	mo_Icon.Load(au16_TextureId, au32_TextId, ap_Font, gu8_Palettes[ke_Palette_4], au8_Palette,
	             LibGfx_CObjIcon::ke_TextPos_Bottom);
	AttachIcon(mo_Icon);
}

void CMenuItem_Callback::Select()
{
	mo_Icon.SetSelected(true);
}

void CMenuItem_Callback::Unselect()
{
	mo_Icon.SetSelected(false);
}

void CMenuItem_Callback::ProcessInput(enumInput ae_Input)
{
	if (ae_Input == ke_Input_Cross && mp_Action)
		(*mp_Action)(mp_Action->m_Param);
}
