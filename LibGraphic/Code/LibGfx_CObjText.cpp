#include "LibGfx_CObjText.h"

#include "LibGfx_CManagerTexture.h"
#include "LibGfx_Utilities.h"

LibGfx_CObjText::LibGfx_CObjText(bool ab_Quad3d)
	: mu16_TextureId(ke_Tex_None), mu16_Palette(ku16_PaletteNone), mb_Quad3d(ab_Quad3d)
{
}

LibGfx_CObjText::~LibGfx_CObjText()
{
	Unload();
}

void LibGfx_CObjText::TxtSetSize(const u16& au16_Width, const u16& au16_Height)
{
	// The layout takes a zero size too, so that the size read back is never a stale one.
	LibText_CTextBase::TxtSetSize(au16_Width, au16_Height);
	if (au16_Width == 0 || au16_Height == 0)
	{
		Unload();
		return;
	}
	BuildTexture();
}

void LibGfx_CObjText::BuildTexture()
{
	LibGfx_CManagerTexture* pTextures = LibGfx_CManagerTexture::Instance();
	if (mu16_TextureId == ke_Tex_None)
		mu16_TextureId = pTextures->LockTexture();
	// Stored rows end on a whole byte: an odd width gets one blank column more, so the last
	// column of the text has a nibble of its own. The quad shows only the text's width.
	SPicInfo oPic = {nullptr, static_cast<u16>(mu16_Width + (mu16_Width & 1)), mu16_Height, ke_PixelFormat_Pal4};
	LibGfx_CTexture* pTexture = pTextures->GetTexture(mu16_TextureId);
	pTexture->Init(oPic, false);
	// Without a palette the texture keeps palette 0, never handed out: it draws nothing.
	pTexture->mu16_PaletteId = mu16_Palette == ku16_PaletteNone ? 0 : mu16_Palette;

	CVector3d<float> oCorner1, oCorner2;
	LibGfx_CentredCorners(mu16_Width, mu16_Height, 0.0f, oCorner1, oCorner2);
	RemPoly(&mo_Quad);
	RemPoly(&mo_Quad2d);
	if (mb_Quad3d)
	{
		mo_Quad.Set(oCorner1, oCorner2, pTexture);
		AddPoly(&mo_Quad);
	}
	else
	{
		mo_Quad2d.Set(oCorner1, oCorner2, pTexture);
		AddPoly(&mo_Quad2d);
	}
	// The box changed: an aligned text must be placed again.
	mu32_State |= ke_Obj_Dirty;
	mu8_Dirty |= ke_Dirty_Draw;
}

void LibGfx_CObjText::TxtSetPalette(u8 au8_Palette)
{
	mu16_Palette = au8_Palette;
	if (mu16_TextureId != ke_Tex_None)
		LibGfx_CManagerTexture::Instance()->GetTexture(mu16_TextureId)->mu16_PaletteId = au8_Palette;
}

void LibGfx_CObjText::TxtGetSize(u16& au16_Width, u16& au16_Height) const
{
	au16_Width = mu16_Width;
	au16_Height = mu16_Height;
}

void LibGfx_CObjText::Unload()
{
	if (mu16_TextureId != ke_Tex_None)
	{
		LibGfx_CManagerTexture::Instance()->FreeTexture(mu16_TextureId);
		mu16_TextureId = ke_Tex_None;
	}
	// The quads would otherwise still point at the freed slot and draw as blank rectangles.
	RemPoly(&mo_Quad);
	RemPoly(&mo_Quad2d);
	SetVisible(false);
}

void LibGfx_CObjText::Reload()
{
	if (mu16_TextureId != ke_Tex_None || mu16_Width == 0 || mu16_Height == 0)
		return;
	BuildTexture();
}

void LibGfx_CObjText::CopyPixels(u8* ap_Texture, u32 au32_RowSize) const
{
	const u8* pSrc = TxtGetPixels();
	for (u32 y = 0; y < mu16_Height; ++y, ap_Texture += au32_RowSize)
	{
		u8* pDst = ap_Texture;
		u32 x = 0;
		for (; x + 1 < mu16_Width; x += 2)
			*pDst++ = static_cast<u8>((pSrc[x] & 0x0F) | (pSrc[x + 1] << 4));
		if (x < mu16_Width)
			*pDst = static_cast<u8>(pSrc[x] & 0x0F);
		pSrc += mu16_Width;
	}
}

void LibGfx_CObjText::Update()
{
	UpdateTexture();
}

void LibGfx_CObjText::Render()
{
	UpdateTexture();
	LibGfx_CObjBase::Render();
}

void LibGfx_CObjText::UpdateTexture()
{
	if (mu16_TextureId == ke_Tex_None || !(mu32_State & ke_Obj_Visible) || !TxtUpdate() || TxtGetPixels() == nullptr)
		return;
	// Taken only now: the manager marks a texture it hands out for upload, which an unchanged
	// text must not pay for every frame.
	LibGfx_CTexture* pTexture = LibGfx_CManagerTexture::Instance()->GetTexture(mu16_TextureId);
	// The slot may have been emptied behind the object's back (FreeAllTexture): never write
	// into a texture that does not have the text's size.
	if (pTexture->mp_Data != nullptr && pTexture->GetRowSize() * 2 >= mu16_Width && pTexture->mu16_Height == mu16_Height)
		CopyPixels(pTexture->mp_Data, pTexture->GetRowSize());
}
