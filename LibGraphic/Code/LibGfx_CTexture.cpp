#include "LibGfx_CTexture.h"

#include "LibGen_CManagerMem.h"
#include "LibGen_Utils.h"
#include "LibGfx_CManagerTexture.h"
#include "LibGfx_Utilities.h"

#include <cstring>
#include <vector>

namespace
{
	// Nibbles per pixel of a stored format; 0 for an unknown one.
	u32 NibblesPerPixel(u16 au16_Format)
	{
		switch (au16_Format)
		{
		case ke_PixelFormat_4444:
		case ke_PixelFormat_5551: return 4;
		case ke_PixelFormat_8888: return 8;
		case ke_PixelFormat_Pal4: return 1;
		case ke_PixelFormat_Pal8: return 2;
		default: return 0;
		}
	}

	// 4-bit indices one a byte, for the upload; kept to spare an allocation each time.
	std::vector<u8> so_Index;

	u8 Expand5(u32 au32_Value)
	{
		const u32 u = au32_Value & 0x1F;
		return static_cast<u8>((u << 3) | (u >> 2));
	}

	u32 PackRGBA(u32 r, u32 g, u32 b, u32 a)
	{
		u8 au8[4] = {static_cast<u8>(r), static_cast<u8>(g), static_cast<u8>(b), static_cast<u8>(a)};
		u32 u;
		memcpy(&u, au8, 4);
		return u;
	}

	u32 PowerOfTwoAtLeast(u32 au32_Value)
	{
		u32 u = 1;
		while (u < au32_Value)
			u <<= 1;
		return u;
	}
}

LibGfx_CTexture::LibGfx_CTexture()
	: mp_Data(nullptr), mu16_Format(0), mu16_PaletteId(0), mu16_Width(0), mu16_Height(0),
	  mu16_TexWidth(0), mu16_TexHeight(0), mu32_Flags(ku32_Flag_Dirty), mu32_GLName(ku32_GLName_None),
	  mp_RGBA(nullptr)
{
}

LibGfx_CTexture::~LibGfx_CTexture()
{
	Free();
}

u32 LibGfx_CTexture::GetRowSize() const
{
	return static_cast<u32>(mu16_Width) * NibblesPerPixel(mu16_Format) / 2;
}

void LibGfx_CTexture::Init(const SPicInfo& ao_Pic, bool)
{
	Free();
	mu16_Format = static_cast<u16>(ao_Pic.eFormat);
	const u32 uNibbles = NibblesPerPixel(mu16_Format);
	if (uNibbles == 0)
		LIBGEN_ASSERT(0);
	mu16_Width = mu16_TexWidth = ao_Pic.uWidth;
	mu16_Height = mu16_TexHeight = ao_Pic.uHeight;
	mu32_Flags |= ku32_Flag_Dirty;

	mp_Data = reinterpret_cast<u8*>(gManagerVRam.GetMem(GetReserveSize(ao_Pic), ku8_VRamAlign));
	const u32 uRowSize = GetRowSize();
	memset(mp_Data, 0, static_cast<size_t>(uRowSize) * mu16_Height);
	if (ao_Pic.pData != nullptr)
		memcpy(mp_Data, ao_Pic.pData, static_cast<size_t>(uRowSize) * mu16_Height);

	mp_RGBA = new u32[static_cast<size_t>(mu16_Width) * mu16_Height];
	CreateDeviceTexture();
}

u32 LibGfx_CTexture::GetReserveSize(const SPicInfo& ao_Pic)
{
	// Reserved for a power-of-two width; rows are stored at their own length.
	return PowerOfTwoAtLeast(ao_Pic.uWidth) * NibblesPerPixel(static_cast<u16>(ao_Pic.eFormat)) / 2 * ao_Pic.uHeight;
}

void LibGfx_CTexture::Free()
{
	if (mp_Data == nullptr)
		return;
	gManagerVRam.FreeMem(mp_Data);
	mp_Data = nullptr;
	mu16_Width = mu16_Height = mu16_TexWidth = mu16_TexHeight = 0;
	FreeDeviceTexture();
	delete[] mp_RGBA;
	mp_RGBA = nullptr;
	mu32_GLName = ku32_GLName_None;
}

void LibGfx_CTexture::ConvertToRGBA()
{
	const u32 u32_Width = mu16_Width;
	const u32 u32_Total = u32_Width * mu16_Height;
	memset(mp_RGBA, 0, static_cast<size_t>(u32_Total) * 4);
	const u8* p_Src = mp_Data;
	u32* p_Dst = mp_RGBA;
	const u32 u32_RowSize = GetRowSize();
	const u32* p_Palette = nullptr;
	if (mu16_Format == ke_PixelFormat_Pal4 || mu16_Format == ke_PixelFormat_Pal8)
	{
		LIBGEN_ASSERT(mu16_PaletteId < LibGfx_CManagerTexture::ku_PaletteTotal);
		p_Palette = LibGfx_CManagerTexture::Instance()->mu32_Palette[mu16_PaletteId];
	}
	if (mu16_Format == ke_PixelFormat_Pal4)
	{
		// One index a byte, as Direct3D takes them, then their colours; an odd last column is
		// not stored and stays transparent black.
		so_Index.resize(u32_Total);
		LibGfx_ExpandPal4(mp_Data, u32_RowSize, mu16_Width, mu16_Height, so_Index.data());
		for (u32 y = 0; y < mu16_Height; ++y, p_Dst += u32_Width)
			for (u32 x = 0; x < u32_RowSize * 2; ++x)
				p_Dst[x] = p_Palette[so_Index[y * u32_Width + x]];
		return;
	}

	for (u32 y = 0; y < mu16_Height; ++y, p_Src += u32_RowSize, p_Dst += u32_Width)
	{
		switch (mu16_Format)
		{
		case ke_PixelFormat_4444:
			for (u32 x = 0; x < u32_Width; ++x)
			{
				const u32 u32_Pixel = p_Src[2 * x] | (p_Src[2 * x + 1] << 8);
				p_Dst[x] = PackRGBA((u32_Pixel & 0xF) << 4, ((u32_Pixel >> 4) & 0xF) << 4, ((u32_Pixel >> 8) & 0xF) << 4, ((u32_Pixel >> 12) & 0xF) << 4);
			}
			break;
		case ke_PixelFormat_5551:
			for (u32 x = 0; x < u32_Width; ++x)
			{
				const u32 u32_Pixel = p_Src[2 * x] | (p_Src[2 * x + 1] << 8);
				p_Dst[x] = PackRGBA(Expand5(u32_Pixel), Expand5(u32_Pixel >> 5), Expand5(u32_Pixel >> 10), (u32_Pixel & 0x8000) ? 0xFF : 0);
			}
			break;
		case ke_PixelFormat_8888:
			memcpy(p_Dst, p_Src, u32_RowSize);
			break;
		case ke_PixelFormat_Pal8:
			for (u32 x = 0; x < u32_Width; ++x)
				p_Dst[x] = p_Palette[p_Src[x]];
			break;
		default:
			break;
		}
	}
}
