#include "LibGfx_CTexture.h"

#include "LibGen_CManagerMem.h"
#include "LibGen_Utils.h"

#include <cstring>

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
