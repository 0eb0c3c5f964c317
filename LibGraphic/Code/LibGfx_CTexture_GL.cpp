// The OpenGL side of textures: one texture name each, pixels expanded to RGBA at upload.
#include "LibGfx_CTexture.h"

#include "LibGen_Utils.h"
#include "LibGfx_CManagerTexture.h"
#include "LibGfx_CPolyBase.h"
#include "LibGfx_Utilities.h"

#include <GL/gl.h>
#include <cstring>
#include <vector>

namespace
{
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
}

void LibGfx_CTexture::CreateDeviceTexture()
{
	GLuint uName = 0;
	glGenTextures(1, &uName);
	mu32_GLName = uName;
}

void LibGfx_CTexture::FreeDeviceTexture()
{
	GLuint uName = mu32_GLName;
	glDeleteTextures(1, &uName);
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
