#include "MenuItems/CMenuItem_Label.h"

void CMenuItem_Label::Init(const u16& au16_TextureId, const u32& au32_TextId, const LibText_CFont* ap_Font,
                           const u8& au8_Palette)
{
	mo_Icon.Load(au16_TextureId, au32_TextId, ap_Font, au8_Palette, LibGfx_CObjIcon::ke_TextPos_Bottom);
	AttachIcon(mo_Icon);
}
