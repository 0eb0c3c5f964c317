#include "LibGfx_CManagerTexture.h"

#include "LibGen_CManagerMem.h"
#include "LibGen_Utils.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace
{
	struct SBaseTexture
	{
		u16 u16_Id;
		const char* s_Dir;
		const char* s_File;
	};

	const char* const ks_DirWnd = "./Data/Themes/Default/Wnd_Main/";
	const char* const ks_DirKey = "./Data/Themes/Default/Tooltips/Pc/";
	const char* const ks_DirIcon = "./Data/Themes/Default/Icon_Menu";

	// In loading order.
	const SBaseTexture coBaseTexture[] =
	{
		{ke_Tex_Wnd_TopLeft, ks_DirWnd, "TopLeft.png"},
		{ke_Tex_Wnd_TopMid, ks_DirWnd, "TopMid.png"},
		{ke_Tex_Wnd_TopRight, ks_DirWnd, "TopRight.png"},
		{ke_Tex_Wnd_MidLeft, ks_DirWnd, "MidLeft.png"},
		{ke_Tex_Wnd_MidMid, ks_DirWnd, "MidMid.png"},
		{ke_Tex_Wnd_MidRight, ks_DirWnd, "MidRight.png"},
		{ke_Tex_Wnd_BotLeft, ks_DirWnd, "BotLeft.png"},
		{ke_Tex_Wnd_BotMid, ks_DirWnd, "BotMid.png"},
		{ke_Tex_Wnd_BotRight, ks_DirWnd, "BotRight.png"},
		{ke_Tex_Icon_MainEmpty, ks_DirIcon, "Main_Empty.png"},
		{ke_Tex_Icon_MainQuit, ks_DirIcon, "Main_Quit.png"},
		{ke_Tex_Icon_MainFromRomanji, ks_DirIcon, "Main_FromRomanji.png"},
		{ke_Tex_Icon_MainToRomanji, ks_DirIcon, "Main_ToRomanji.png"},
		{ke_Tex_Key_Cross, ks_DirKey, "Cross.png"},
		{ke_Tex_Key_Circle, ks_DirKey, "Circle.png"},
		{ke_Tex_Key_Triangle, ks_DirKey, "Triangle.png"},
		{ke_Tex_Key_Square, ks_DirKey, "Square.png"},
		{ke_Tex_Key_Up, ks_DirKey, "Up.png"},
		{ke_Tex_Key_Down, ks_DirKey, "Down.png"},
		{ke_Tex_Key_Left, ks_DirKey, "Left.png"},
		{ke_Tex_Key_Right, ks_DirKey, "Right.png"},
		{ke_Tex_Key_UpDown, ks_DirKey, "UpDown.png"},
		{ke_Tex_Key_LeftRight, ks_DirKey, "LeftRight.png"},
	};

	// The extension test: the characters after the last '.', lower-cased, must add up to
	// those of "png" (325).
	bool HasPngExtension(const char* as_Path)
	{
		const char* sDot = strrchr(as_Path, '.');
		if (sDot == nullptr)
			return false;
		u32 uSum = 0;
		for (const char* s = sDot + 1; *s != 0; ++s)
			uSum += static_cast<u32>(tolower(static_cast<unsigned char>(*s)));
		return uSum == 'p' + 'n' + 'g';
	}
}

LibGfx_CManagerTexture::LibGfx_CManagerTexture()
{
	memset(mb_TextureUsed, 0, sizeof(mb_TextureUsed));
	memset(mb_PaletteUsed, 0, sizeof(mb_PaletteUsed));
	memset(mu32_Palette, 0, sizeof(mu32_Palette));
}

LibGfx_CTexture* LibGfx_CManagerTexture::GetTexture(u16 ae_TextureId)
{
	LIBGEN_ASSERT(ae_TextureId < ke__Total);
	LibGfx_CTexture* pTexture = &mo_Texture[ae_TextureId];
	pTexture->mu32_Flags |= LibGfx_CTexture::ku32_Flag_Dirty;
	return pTexture;
}

bool LibGfx_CManagerTexture::LoadTexture(u16 ae_TextureId, const char* as_Path, enumPixelFormat ae_Format, bool ab_Flag)
{
	LibGfx_CTexture* pTexture = GetTexture(ae_TextureId);
	if (!HasPngExtension(as_Path))
		return false;
	SPicInfo oPic;
	oPic.eFormat = ae_Format;
	if (!LoadPng(as_Path, &oPic))
		return false;
	// A picture too large for what is left of the video memory is refused like a bad file, and
	// the slot keeps what it held.
	const bool bFits = gManagerVRam.CanGetMem(LibGfx_CTexture::GetReserveSize(oPic), LibGfx_CTexture::ku8_VRamAlign);
	if (bFits)
		pTexture->Init(oPic, ab_Flag);
	else
		LibGen_ReportData(as_Path, "its %ux%u pixels do not fit the video memory left", oPic.uWidth, oPic.uHeight);
	delete[] oPic.pData;
	return bFits;
}

bool LibGfx_CManagerTexture::LoadTexture(u16 ae_TextureId, const char* as_dirname, const char* as_filename, enumPixelFormat ae_Format, bool ab_Flag)
{
	LIBGEN_ASSERT(strlen(as_dirname) + strlen(as_filename) + 2 < ku_Filename_Size);
	char sPath[ku_Filename_Size];
	const size_t uDirLen = strlen(as_dirname);
	const bool bHasSeparator = uDirLen > 0 && (as_dirname[uDirLen - 1] == '/' || as_dirname[uDirLen - 1] == '\\');
	const int iLen = snprintf(sPath, sizeof(sPath), "%s%s%s", as_dirname, bHasSeparator ? "" : "/", as_filename);
	// Never cut: a cut path would name another file.
	LIBGEN_ASSERT(iLen > 0 && iLen < static_cast<int>(sizeof(sPath)));
	return LoadTexture(ae_TextureId, sPath, ae_Format, ab_Flag);
}

void LibGfx_CManagerTexture::LoadBaseTextures()
{
	for (const SBaseTexture& oBase : coBaseTexture)
		LoadTexture(oBase.u16_Id, oBase.s_Dir, oBase.s_File, ke_PixelFormat_Auto, true);
}

u16 LibGfx_CManagerTexture::LockTexture()
{
	for (u16 u = ke__Custom_Start; u <= ke__Custom_End; ++u)
	{
		if (!mb_TextureUsed[u])
		{
			mb_TextureUsed[u] = true;
			return u;
		}
	}
	LIBGEN_ASSERT(0);
}

void LibGfx_CManagerTexture::FreeTexture(u16 au16_TextureId)
{
	if (au16_TextureId == ke_Tex_None)
		return;
	LIBGEN_ASSERT(au16_TextureId >= ke__Custom_Start);
	LIBGEN_ASSERT(au16_TextureId <= ke__Custom_End);
	LIBGEN_ASSERT(mb_TextureUsed[au16_TextureId] == true);
	mo_Texture[au16_TextureId].Free();
	mb_TextureUsed[au16_TextureId] = false;
}

void LibGfx_CManagerTexture::FreeAllTexture()
{
	for (LibGfx_CTexture& oTexture : mo_Texture)
		oTexture.Free();
}

u8 LibGfx_CManagerTexture::LockPalette()
{
	for (u8 u = 1; u < ku_PaletteTotal; ++u)
	{
		if (!mb_PaletteUsed[u])
		{
			mb_PaletteUsed[u] = true;
			return u;
		}
	}
	LIBGEN_ASSERT(0);
}

void LibGfx_CManagerTexture::FreePalette(u8 au8_PaletteId)
{
	LIBGEN_ASSERT(au8_PaletteId < ku_PaletteTotal);
	LIBGEN_ASSERT(mb_PaletteUsed[au8_PaletteId] == true);
	mb_PaletteUsed[au8_PaletteId] = false;
}

u32* LibGfx_CManagerTexture::GetPalette(u8 au8_PaletteId)
{
	LIBGEN_ASSERT(au8_PaletteId < ku_PaletteTotal);
	LIBGEN_ASSERT(mb_PaletteUsed[au8_PaletteId] == true);
	return mu32_Palette[au8_PaletteId];
}

void LibGfx_CManagerTexture::SetPalette(u8 au8_PaletteId, const u32* ap_Colors, u8 au8_Count)
{
	// The id indexes the table: out of range is a programming error, not something to write past.
	LIBGEN_ASSERT(au8_PaletteId < ku_PaletteTotal);
	memcpy(mu32_Palette[au8_PaletteId], ap_Colors, static_cast<size_t>(au8_Count) * sizeof(u32));
}
