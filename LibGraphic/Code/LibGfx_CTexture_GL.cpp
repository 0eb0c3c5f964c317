#include "LibGfx_CTexture.h"

#include "LibGen_CManagerMem.h"
#include "LibGen_Utils.h"
#include "LibGfx_CManagerTexture.h"
#include "LibGfx_CPolyBase.h"

#include <GL/gl.h>
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
	GLuint uName = 0;
	glGenTextures(1, &uName);
	mu32_GLName = uName;
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
	GLuint uName = mu32_GLName;
	glDeleteTextures(1, &uName);
	delete[] mp_RGBA;
	mp_RGBA = nullptr;
	mu32_GLName = ku32_GLName_None;
}

void LibGfx_CTexture::ConvertToRGBA()
{
	const u32 uWidth = mu16_Width;
	const size_t uTotal = static_cast<size_t>(uWidth) * mu16_Height;
	memset(mp_RGBA, 0, uTotal * 4);
	const u8* pSrc = mp_Data;
	u32* pDst = mp_RGBA;
	const u32 uRowSize = GetRowSize();
	const u32* pPalette = nullptr;
	if (mu16_Format == ke_PixelFormat_Pal4 || mu16_Format == ke_PixelFormat_Pal8)
	{
		LIBGEN_ASSERT(mu16_PaletteId < LibGfx_CManagerTexture::ku_PaletteTotal);
		pPalette = LibGfx_CManagerTexture::Instance()->mu32_Palette[mu16_PaletteId];
	}

	for (u32 y = 0; y < mu16_Height; ++y, pSrc += uRowSize, pDst += uWidth)
	{
		switch (mu16_Format)
		{
		case ke_PixelFormat_4444:
			for (u32 x = 0; x < uWidth; ++x)
			{
				const u32 u = pSrc[2 * x] | (pSrc[2 * x + 1] << 8);
				pDst[x] = PackRGBA((u & 0xF) << 4, ((u >> 4) & 0xF) << 4, ((u >> 8) & 0xF) << 4, ((u >> 12) & 0xF) << 4);
			}
			break;
		case ke_PixelFormat_5551:
			for (u32 x = 0; x < uWidth; ++x)
			{
				const u32 u = pSrc[2 * x] | (pSrc[2 * x + 1] << 8);
				pDst[x] = PackRGBA(Expand5(u), Expand5(u >> 5), Expand5(u >> 10), (u & 0x8000) ? 0xFF : 0);
			}
			break;
		case ke_PixelFormat_8888:
			memcpy(pDst, pSrc, uRowSize);
			break;
		case ke_PixelFormat_Pal4:
			// An odd last column is not stored and stays transparent black.
			for (u32 x = 0; x < uRowSize; ++x)
			{
				pDst[2 * x] = pPalette[pSrc[x] & 0xF];
				pDst[2 * x + 1] = pPalette[pSrc[x] >> 4];
			}
			break;
		case ke_PixelFormat_Pal8:
			for (u32 x = 0; x < uWidth; ++x)
				pDst[x] = pPalette[pSrc[x]];
			break;
		default:
			break;
		}
	}
}

void LibGfx_CTexture::SetAsCurrent(u8 au8_Repeat)
{
	if (mu32_GLName == ku32_GLName_None)
		return;
	glEnable(GL_TEXTURE_2D);
	glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
	glBindTexture(GL_TEXTURE_2D, mu32_GLName);
	if (mu32_Flags & ku32_Flag_Dirty)
	{
		ConvertToRGBA();
		glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, mu16_Width, mu16_Height, 0, GL_RGBA, GL_UNSIGNED_BYTE, mp_RGBA);
		mu32_Flags &= ~static_cast<u32>(ku32_Flag_Dirty);
	}
	glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
	glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
	glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, (au8_Repeat & LibGfx_CPolyBase::ku8_Repeat_S) ? GL_REPEAT : GL_CLAMP_TO_EDGE);
	glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, (au8_Repeat & LibGfx_CPolyBase::ku8_Repeat_T) ? GL_REPEAT : GL_CLAMP_TO_EDGE);
}
