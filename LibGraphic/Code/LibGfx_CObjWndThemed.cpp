#include "LibGfx_CObjWndThemed.h"

#include "LibGen_Utils.h"
#include "LibGfx_CManagerTexture.h"

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
	const float hw = ao_Size.x * 0.5f;
	const float hh = ao_Size.y * 0.5f;
	LibGfx_CManagerTexture* pTextures = LibGfx_CManagerTexture::Instance();
	LibGfx_CTexture* pTex[ke_PolyId_Total];
	for (int i = 0; i < ke_PolyId_Total; ++i)
		pTex[i] = pTextures->GetTexture(static_cast<u16>(ce_ThemeTexture[ae_Theme][i]));
	// Each piece's own picture size sets how far it reaches out of the client area.
	const auto W = [&](int i) { return static_cast<float>(pTex[i]->mu16_Width); };
	const auto H = [&](int i) { return static_cast<float>(pTex[i]->mu16_Height); };

	const V3 oCorner[ke_PolyId_Total][2] =
	{
		{V3(-hw - W(0), hh + H(0), 0), V3(-hw, hh, 0)},
		{V3(-hw, hh + H(1), 0),        V3(hw, hh, 0)},
		{V3(hw, hh + H(2), 0),         V3(hw + W(2), hh, 0)},
		{V3(-hw - W(3), hh, 0),        V3(-hw, -hh, 0)},
		{V3(-hw, hh, 0),               V3(hw, -hh, 0)},
		{V3(hw, hh, 0),                V3(hw + W(5), -hh, 0)},
		{V3(-hw - W(6), -hh, 0),       V3(-hw, -hh - H(6), 0)},
		{V3(-hw, -hh, 0),              V3(hw, -hh - H(7), 0)},
		{V3(hw, -hh, 0),               V3(hw + W(8), -hh - H(8), 0)},
	};
	for (int i = 0; i < ke_PolyId_Total; ++i)
		mo_Poly[i].Set(oCorner[i][0], oCorner[i][1], pTex[i], 0xFFFFFFFFu);
	mu32_State |= ke_Obj_Dirty;
}
