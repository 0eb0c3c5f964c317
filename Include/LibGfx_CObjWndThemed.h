#ifndef LIBGFX_COBJWNDTHEMED_H
#define LIBGFX_COBJWNDTHEMED_H

#include "LibGen_Vector2D.h"
#include "LibGfx_CObjWndBase.h"

// A window whose nine pieces come from a theme's textures, laid around a client area.
class LibGfx_CObjWndThemed : public LibGfx_CObjWndBase
{
public:
	enum enumWinTheme
	{
		ke_WinTheme_Default = 0,
		ke_WinTheme_Alt,
		ke_WinTheme_Total,
	};

	virtual ~LibGfx_CObjWndThemed() {}

	// A client area of ao_Size.x by ao_Size.y centred on the window's origin, the frame
	// outside it; visibility and position are left alone.
	void Set(const CVector2d<float>& ao_Size, const enumWinTheme& ae_Theme);

	// The texture id of each piece, per theme, in enumPolyId order.
	static const u32 ce_ThemeTexture[ke_WinTheme_Total][ke_PolyId_Total];
};

#endif
