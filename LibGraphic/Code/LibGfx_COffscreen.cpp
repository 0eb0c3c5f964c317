#include "LibGfx_COffscreen.h"

#include <GL/gl.h>
#include <png.h>
#include <cstdio>
#include <cstring>

LibGfx_COffscreen::LibGfx_COffscreen()
	: mp_Context(nullptr), mu16_Width(0), mu16_Height(0)
{
}

LibGfx_COffscreen::~LibGfx_COffscreen()
{
	Destroy();
}

bool LibGfx_COffscreen::Create(u16 au16_Width, u16 au16_Height)
{
	Destroy();
	if (au16_Width == 0 || au16_Height == 0)
		return false;
	// RGBA with a 16-bit depth buffer, like the window's visual.
	mp_Context = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
	if (mp_Context == nullptr)
		return false;
	mo_Frame.assign(static_cast<size_t>(au16_Width) * au16_Height * 4, 0);
	if (!OSMesaMakeCurrent(mp_Context, mo_Frame.data(), GL_UNSIGNED_BYTE, au16_Width, au16_Height))
	{
		Destroy();
		return false;
	}
	mu16_Width = au16_Width;
	mu16_Height = au16_Height;
	glViewport(0, 0, au16_Width, au16_Height);
	return true;
}

void LibGfx_COffscreen::Destroy()
{
	if (mp_Context != nullptr)
		OSMesaDestroyContext(mp_Context);
	mp_Context = nullptr;
	mo_Frame.clear();
	mu16_Width = 0;
	mu16_Height = 0;
}

u32 LibGfx_COffscreen::GetPixel(u16 au16_X, u16 au16_Y) const
{
	if (au16_X >= mu16_Width || au16_Y >= mu16_Height)
		return 0;
	const size_t uRow = mu16_Height - 1 - au16_Y;
	const u8* p = &mo_Frame[(uRow * mu16_Width + au16_X) * 4];
	return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<u32>(p[3]) << 24);
}

void LibGfx_COffscreen::ReadRows(std::vector<u8>& ao_Rgba) const
{
	const size_t uStride = static_cast<size_t>(mu16_Width) * 4;
	ao_Rgba.resize(uStride * mu16_Height);
	for (size_t y = 0; y < mu16_Height; ++y)
		memcpy(&ao_Rgba[y * uStride], &mo_Frame[(mu16_Height - 1 - y) * uStride], uStride);
}

namespace
{
	// libpng reports errors by longjmp: nothing here is changed between setjmp and the jump.
	bool WriteRows(png_structp ap_Png, png_infop ap_Info, FILE* ap_File, const u8* ap_Rows, u16 au16_Width, u16 au16_Height)
	{
		if (setjmp(png_jmpbuf(ap_Png)) != 0)
			return false;
		png_init_io(ap_Png, ap_File);
		png_set_IHDR(ap_Png, ap_Info, au16_Width, au16_Height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
								 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
		png_write_info(ap_Png, ap_Info);
		for (size_t y = 0; y < au16_Height; ++y)
			png_write_row(ap_Png, ap_Rows + y * au16_Width * 4);
		png_write_end(ap_Png, nullptr);
		return true;
	}
}

bool LibGfx_COffscreen::SavePng(const char* as_Path) const
{
	if (mp_Context == nullptr)
		return false;
	std::vector<u8> oRows;
	ReadRows(oRows);

	FILE* pFile = fopen(as_Path, "wb");
	if (pFile == nullptr)
		return false;
	png_structp pPng = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
	png_infop pInfo = pPng ? png_create_info_struct(pPng) : nullptr;
	const bool bOk = pInfo != nullptr && WriteRows(pPng, pInfo, pFile, oRows.data(), mu16_Width, mu16_Height);
	png_destroy_write_struct(&pPng, &pInfo);
	return (fclose(pFile) == 0) && bOk;
}
