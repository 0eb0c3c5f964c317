#include "LibGfx_CObjIconSelect.h"

#include "LibGfx_CTexture.h"
#include "LibGfx_Utilities.h"

namespace
{
	// Red, green and blue 0x40, alpha 200: the picture modulated into a translucent dark silhouette.
	const u32 ku32_ShadowColor = 0xC8404040;
	const CVector3d<float> ko_ShadowOffset(6.0f, -6.0f, 0.0f);
}

LibGfx_CObjIconSelect::LibGfx_CObjIconSelect(const u32& au32_Id)
	: LibGfx_CObjIcon(au32_Id), mu8_PaletteSelected(0), mu8_PaletteNormal(0), mb_Selected(false)
{
	mo_Shadow.SetParent(this);
	mo_Shadow.mu32_State |= ke_Obj_Visible | ke_Obj_Dirty;
	mo_Shadow.mo_Pos = ko_ShadowOffset;
	mo_Shadow.AddPoly(&mo_ShadowQuad);
	mo_Text.SetParent(&mo_Shadow);
}

void LibGfx_CObjIconSelect::Load(u16 au16_TextureId, u32 au32_TextId, const LibText_CFont* ap_Font, u8 au8_PaletteSelected,
								 u8 au8_PaletteNormal, enumTextPos ae_TextPos)
{
	mu8_PaletteSelected = au8_PaletteSelected;
	mu8_PaletteNormal = au8_PaletteNormal;
	LibGfx_CObjIcon::Load(au16_TextureId, au32_TextId, ap_Font, au8_PaletteNormal, ae_TextPos);
	SetSelected(false);
	CVector3d<float> oCorner1, oCorner2;
	LibGfx_CentredCorners(mo_Quad.mp_Texture->mu16_Width, mo_Quad.mp_Texture->mu16_Height, 0.0f, oCorner1, oCorner2);
	mo_ShadowQuad.Set(oCorner1, oCorner2, mo_Quad.mp_Texture, ku32_ShadowColor);
}

void LibGfx_CObjIconSelect::SetSelected(bool ab_Selected)
{
	if (ab_Selected != static_cast<bool>(mb_Selected))
	{
		const float fSign = ab_Selected ? 1.0f : -1.0f;
		mo_Pos.x += fSign * ko_ShadowOffset.x;
		mo_Pos.y += fSign * ko_ShadowOffset.y;
		mo_Shadow.mo_Pos = ab_Selected ? CVector3d<float>() : ko_ShadowOffset;
		mo_Text.TxtSetPalette(ab_Selected ? mu8_PaletteSelected : mu8_PaletteNormal);
		mu32_State |= ke_Obj_Dirty;
		mo_Shadow.mu32_State |= ke_Obj_Dirty;
	}
	mb_Selected = ab_Selected;
}
