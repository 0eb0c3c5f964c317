#include "LibGfx_CObjWndThemed.h"

#include "LibGen_Utils.h"
#include "LibGfx_CManagerTexture.h"
#include "LibGfx_Utilities.h"

// Both themes draw with the window pictures of the default theme.
const u32 LibGfx_CObjWndThemed::ce_ThemeTexture[ke_WinTheme_Total][ke_PolyId_Total] =
{
	{2, 3, 4, 5, 6, 7, 8, 9, 10},
	{2, 3, 4, 5, 6, 7, 8, 9, 10},
};

void LibGfx_CObjWndThemed::Set(const CVector2d<float>& ao_Size, const enumWinTheme& ae_Theme)
{
	LIBGEN_ASSERT(ae_Theme < ke_WinTheme_Total);
	typedef CVector3d<float> V3;
	// The client area's edges lie on whole units, so that the pieces and the children aligned
	// to them are drawn sharp, without a half-pixel seam, whatever the size.
	V3 oClient1, oClient2;
	LibGfx_CentredCorners(ao_Size.x, ao_Size.y, 0.0f, oClient1, oClient2);
	const float fLeft = oClient1.x, fRight = oClient2.x, fTop = oClient1.y, fBottom = oClient2.y;
	LibGfx_CManagerTexture* pTextures = LibGfx_CManagerTexture::Instance();
	LibGfx_CTexture* pTex[ke_PolyId_Total];
	for (int i = 0; i < ke_PolyId_Total; ++i)
		pTex[i] = pTextures->GetTexture(static_cast<u16>(ce_ThemeTexture[ae_Theme][i]));
	// Each piece's own picture size sets how far it reaches out of the client area.
	const auto W = [&](int i) { return static_cast<float>(pTex[i]->mu16_Width); };
	const auto H = [&](int i) { return static_cast<float>(pTex[i]->mu16_Height); };

	const V3 oCorner[ke_PolyId_Total][2] =
	{
		{V3(fLeft - W(0), fTop + H(0), 0), V3(fLeft, fTop, 0)},
		{V3(fLeft, fTop + H(1), 0),        V3(fRight, fTop, 0)},
		{V3(fRight, fTop + H(2), 0),       V3(fRight + W(2), fTop, 0)},
		{V3(fLeft - W(3), fTop, 0),        V3(fLeft, fBottom, 0)},
		{V3(fLeft, fTop, 0),               V3(fRight, fBottom, 0)},
		{V3(fRight, fTop, 0),              V3(fRight + W(5), fBottom, 0)},
		{V3(fLeft - W(6), fBottom, 0),     V3(fLeft, fBottom - H(6), 0)},
		{V3(fLeft, fBottom, 0),            V3(fRight, fBottom - H(7), 0)},
		{V3(fRight, fBottom, 0),           V3(fRight + W(8), fBottom - H(8), 0)},
	};
	for (int i = 0; i < ke_PolyId_Total; ++i)
		mo_Poly[i].Set(oCorner[i][0], oCorner[i][1], pTex[i], 0xFFFFFFFFu);
	mu32_State |= ke_Obj_Dirty;
}
