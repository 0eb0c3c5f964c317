#ifndef LIBGFX_CTEXTURE_WIN_H
#define LIBGFX_CTEXTURE_WIN_H

#include "LibGen_DataTypes.h"
#include "LibGfx_PictureLoader.h"

#include <cstddef>

// The Direct3D formats the textures use (d3d9types.h's D3DFMT_ values).
enum eD3DFormat : u32
{
	ke_D3DFmt_A8R8G8B8 = 21,
	ke_D3DFmt_A1R5G5B5 = 25,
	ke_D3DFmt_A4R4G4B4 = 26,
	ke_D3DFmt_A8B8G8R8 = 32,
	ke_D3DFmt_P8       = 41,
};

// How a stored format goes to Direct3D: the texture's format, the format the uploaded pixels
// are read in, and the stored bits per texel. The 16-bit formats keep red in their low
// bits, Direct3D's blue: they go up with red and blue swapped. 4-bit indices go up one a byte.
struct STextureFormatWin
{
	u32 mu32_Format;
	eD3DFormat me_Texture;
	eD3DFormat me_Source;
	u8  mu8_Bits;
};

inline constexpr STextureFormatWin coTextureFormatWin[] =
{
	{ke_PixelFormat_4444, ke_D3DFmt_A4R4G4B4, ke_D3DFmt_A4R4G4B4, 16},
	{ke_PixelFormat_5551, ke_D3DFmt_A1R5G5B5, ke_D3DFmt_A1R5G5B5, 16},
	{ke_PixelFormat_8888, ke_D3DFmt_A8R8G8B8, ke_D3DFmt_A8B8G8R8, 32},
	{ke_PixelFormat_Pal4, ke_D3DFmt_P8, ke_D3DFmt_P8, 4},
	{ke_PixelFormat_Pal8, ke_D3DFmt_P8, ke_D3DFmt_P8, 8},
};

// The entry of a stored format, or null for an unknown one.
inline const STextureFormatWin* LibGfx_FindTextureFormatWin(u32 au32_Format)
{
	for (const STextureFormatWin& o : coTextureFormatWin)
		if (o.mu32_Format == au32_Format)
			return &o;
	return nullptr;
}

// Colours of 8-bit indices (rows of au32_Pitch bytes) from a palette of the manager's colours
// (red in the lowest byte), as Direct3D's A8R8G8B8 texels (blue in the lowest byte).
inline void LibGfx_PaletteToArgb(const u8* ap_Index, u32 au32_Pitch, u16 au16_Width, u16 au16_Height, const u32* ap_Palette, u32* ap_Dst)
{
	for (u32 y = 0; y < au16_Height; ++y, ap_Index += au32_Pitch)
		for (u32 x = 0; x < au16_Width; ++x)
		{
			const u32 u = ap_Palette[ap_Index[x]];
			*ap_Dst++ = (u & 0xFF00FF00) | ((u & 0xFF) << 16) | ((u >> 16) & 0xFF);
		}
}

// 16-bit texels with the low and high colour fields swapped (red and blue), alpha and green
// kept: au8_Bits is 4 for the 4444 layout, 5 for the 5551 one.
inline void LibGfx_SwapRedBlue16(const u8* ap_Src, u32 au32_Count, u8 au8_Bits, u16* ap_Dst)
{
	const u32 u32_Field = (1u << au8_Bits) - 1;
	const u32 u32_High = 2 * au8_Bits;
	for (u32 i = 0; i < au32_Count; ++i)
	{
		const u32 u = ap_Src[2 * i] | (ap_Src[2 * i + 1] << 8);
		const u32 u32_Kept = u & ~(u32_Field | (u32_Field << u32_High));
		ap_Dst[i] = static_cast<u16>(u32_Kept | ((u >> u32_High) & u32_Field) | ((u & u32_Field) << u32_High));
	}
}

// Copies a picture of au16_Width x au16_Height texels of au8_Bytes bytes (rows of au32_Pitch
// bytes) over a whole texture of au16_DstWidth x au16_DstHeight (rows of au32_DstPitch bytes),
// stretched by the nearest texel, so that it maps and wraps as the quads expect also in a
// texture rounded up to powers of two. ab_SwapRedBlue swaps the first and third bytes of
// 4-byte texels (A8B8G8R8 into A8R8G8B8).
inline void LibGfx_StretchTexels(const u8* ap_Src, u32 au32_Pitch, u16 au16_Width, u16 au16_Height, u8 au8_Bytes, bool ab_SwapRedBlue,
                                 u8* ap_Dst, u32 au32_DstPitch, u16 au16_DstWidth, u16 au16_DstHeight)
{
	for (u32 y = 0; y < au16_DstHeight; ++y)
	{
		const u8* p_SrcRow = ap_Src + static_cast<size_t>(y * au16_Height / au16_DstHeight) * au32_Pitch;
		u8* p_DstRow = ap_Dst + static_cast<size_t>(y) * au32_DstPitch;
		for (u32 x = 0; x < au16_DstWidth; ++x)
		{
			const u8* p_Texel = p_SrcRow + static_cast<size_t>(x * au16_Width / au16_DstWidth) * au8_Bytes;
			u8* p_Out = p_DstRow + static_cast<size_t>(x) * au8_Bytes;
			for (u32 i = 0; i < au8_Bytes; ++i)
				p_Out[i] = p_Texel[i];
			if (ab_SwapRedBlue)
			{
				p_Out[0] = p_Texel[2];
				p_Out[2] = p_Texel[0];
			}
		}
	}
}

// A texture side the device takes: rounded up to a power of two where it needs them.
inline u16 LibGfx_TextureSide(u16 au16_Side, bool ab_PowerOfTwo)
{
	u32 u32_Side = 1;
	while (ab_PowerOfTwo && u32_Side < au16_Side)
		u32_Side <<= 1;
	return static_cast<u16>(ab_PowerOfTwo ? u32_Side : au16_Side);
}

#endif
