#include "LibGfx_CMenuItemBase.h"

#include "LibGfx_CObjIconSelect.h"
#include "LibGfx_CTexture.h"

LibGfx_CMenuItemBase::LibGfx_CMenuItemBase()
	: mb_Selectable(false), mu16_TooltipId(0)
{
	mo_Obj.SetVisible(true);
	mo_Obj.mu32_Align = LibGfx_CObjBase::ke_Align_Left | LibGfx_CObjBase::ke_Align_Top;
}

void LibGfx_CMenuItemBase::AttachIcon(LibGfx_CObjIcon& ao_Icon)
{
	AttachIcon(ao_Icon, CVector3d<float>());
}

void LibGfx_CMenuItemBase::AttachIcon(LibGfx_CObjIconSelect& ao_Icon)
{
	AttachIcon(ao_Icon, ao_Icon.mo_Shadow.mo_Pos);
}

void LibGfx_CMenuItemBase::AttachIcon(LibGfx_CObjIcon& ao_Icon, const CVector3d<float>& ao_LabelShift)
{
	ao_Icon.mu32_Align = LibGfx_CObjBase::ke_Align_HNone | LibGfx_CObjBase::ke_Align_Top;
	ao_Icon.SetParent(&mo_Obj);
	const LibGfx_CTexture* pPicture = ao_Icon.mo_Quad.mp_Texture;
	// The left half rounded down, as the picture and the label are centred: placed on a whole
	// unit, the item puts them on whole units too.
	const u16 u16_Width = ao_Icon.GetWidth();
	const float fLeft = static_cast<float>(u16_Width / 2);
	const float fRight = static_cast<float>(u16_Width) - fLeft + ao_LabelShift.x;
	const float fHeight = (pPicture != nullptr ? pPicture->mu16_Height : 0) + ao_Icon.mo_Text.TxtGetHeight() - ao_LabelShift.y;
	mo_Obj.SetCorners(CVector3d<float>(-fLeft, 0.0f, 0.0f), CVector3d<float>(fRight, -fHeight, 0.0f));
}
