#include "LibGfx_CObjIcon.h"

#include "LibGfx_CManagerTexture.h"
#include "LibGfx_Utilities.h"

#include <algorithm>

namespace
{
	const u32 ku32_White = 0xFFFFFFFF;
	const float kf_PictureZ = 2.0f;
}

LibGfx_CObjIcon::LibGfx_CObjIcon(const u32& au32_Id)
	: mu32_Id(au32_Id), mo_Text(true), me_TextPos(ke_TextPos_Right), mu16_Width(0)
{
	AddPoly(&mo_Quad);
	mo_Text.SetParent(this);
	SetVisible(false);
}

void LibGfx_CObjIcon::Load(u16 au16_TextureId, u32 au32_TextId, const LibText_CFont* ap_Font, u8 au8_Palette, enumTextPos ae_TextPos)
{
	mu32_State |= ke_Obj_Visible | ke_Obj_Dirty;
	LibGfx_CTexture* pTexture = LibGfx_CManagerTexture::Instance()->GetTexture(au16_TextureId);
	CVector3d<float> oCorner1, oCorner2;
	LibGfx_CentredCorners(pTexture->mu16_Width, pTexture->mu16_Height, kf_PictureZ, oCorner1, oCorner2);
	mo_Quad.Set(oCorner1, oCorner2, pTexture, ku32_White);
	if (ap_Font == nullptr)
	{
		mo_Text.Unload();
		mu16_Width = pTexture->mu16_Width;
		return;
	}
	me_TextPos = ae_TextPos;
	mo_Text.TxtSetFont(ap_Font, nullptr);
	mo_Text.TxtSetPalette(au8_Palette);
	SetTextId(au32_TextId);
}

void LibGfx_CObjIcon::SetTextId(const u32& au32_TextId)
{
	mo_Text.TxtSetTextId(au32_TextId);
	mo_Text.SetVisible(true);
	u16 u16_Width, u16_Height;
	mo_Text.TxtGetSize(u16_Width, u16_Height);
	mu16_Width = u16_Width;

	const LibGfx_CTexture* pPicture = mo_Quad.mp_Texture;
	const float fW = pPicture != nullptr ? pPicture->mu16_Width : 0.0f;
	const float fH = pPicture != nullptr ? pPicture->mu16_Height : 0.0f;
	// An edge of the label is aligned to the same edge of the picture, then the label is moved
	// by the picture's full size: it ends up just outside the picture on that side.
	u32 u32_Align;
	CVector3d<float> oPos;
	switch (me_TextPos)
	{
	case ke_TextPos_Left:   u32_Align = ke_Align_Right | ke_Align_VNone; oPos.x = -fW; break;
	case ke_TextPos_Top:    u32_Align = ke_Align_HNone | ke_Align_Bottom; oPos.y = fH; break;
	case ke_TextPos_Right:  u32_Align = ke_Align_Left | ke_Align_VNone;  oPos.x = fW; break;
	case ke_TextPos_Bottom: u32_Align = ke_Align_HNone | ke_Align_Top;   oPos.y = -fH; break;
	default: return;
	}
	mo_Text.mu32_Align = u32_Align;
	mo_Text.mo_Pos = oPos;
	mo_Text.mu32_State |= ke_Obj_Dirty;
	mo_Text.TxtSetAlign(LibText_CTextBase::ke_TxtAlign_Center, 255);
	if (me_TextPos == ke_TextPos_Left || me_TextPos == ke_TextPos_Right)
		mu16_Width = static_cast<u16>(mu16_Width + fW);
	else
		mu16_Width = std::max<u16>(mu16_Width, static_cast<u16>(fW));
}

void LibGfx_CObjIcon::Unload()
{
	SetVisible(false);
	mo_Text.Unload();
}

void LibGfx_CObjIcon::Reload()
{
	SetVisible(true);
	mo_Text.Reload();
}
