#include "PngWriter.h"

#include <png.h>
#include <cstdio>

namespace
{
	bool WriteAll(png_structp ap_Png, png_infop ap_Info, FILE* ap_File, const SPngSpec& ao)
	{
		if (setjmp(png_jmpbuf(ap_Png)) != 0)
			return false;
		png_init_io(ap_Png, ap_File);
		png_set_IHDR(ap_Png, ap_Info, ao.u_Width, ao.u_Height, ao.i_BitDepth, ao.i_ColorType,
					 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
		if (!ao.o_Palette.empty())
			png_set_PLTE(ap_Png, ap_Info, reinterpret_cast<png_const_colorp>(ao.o_Palette.data()),
						 static_cast<int>(ao.o_Palette.size() / 3));
		if (!ao.o_Trans.empty())
			png_set_tRNS(ap_Png, ap_Info, ao.o_Trans.data(), static_cast<int>(ao.o_Trans.size()), nullptr);
		png_write_info(ap_Png, ap_Info);
		const size_t uRowSize = ao.o_Rows.size() / ao.u_Height;
		for (unsigned int y = 0; y < ao.u_Height; ++y)
			png_write_row(ap_Png, ao.o_Rows.data() + y * uRowSize);
		png_write_end(ap_Png, nullptr);
		return true;
	}
}

bool WritePng(const std::string& as_Path, const SPngSpec& ao_Spec)
{
	FILE* pFile = fopen(as_Path.c_str(), "wb");
	if (pFile == nullptr)
		return false;
	png_structp pPng = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
	png_infop pInfo = pPng ? png_create_info_struct(pPng) : nullptr;
	const bool bOk = pInfo != nullptr && WriteAll(pPng, pInfo, pFile, ao_Spec);
	png_destroy_write_struct(&pPng, &pInfo);
	return fclose(pFile) == 0 && bOk;
}

std::vector<unsigned char> ReadFileBytes(const std::string& as_Path)
{
	std::vector<unsigned char> oBytes;
	FILE* pFile = fopen(as_Path.c_str(), "rb");
	if (pFile == nullptr)
		return oBytes;
	unsigned char au8[4096];
	size_t uRead;
	while ((uRead = fread(au8, 1, sizeof(au8), pFile)) > 0)
		oBytes.insert(oBytes.end(), au8, au8 + uRead);
	fclose(pFile);
	return oBytes;
}

bool WriteFileBytes(const std::string& as_Path, const std::vector<unsigned char>& ao_Bytes)
{
	FILE* pFile = fopen(as_Path.c_str(), "wb");
	if (pFile == nullptr)
		return false;
	// An empty vector may hold no buffer at all, and fwrite takes none.
	const bool bOk = ao_Bytes.empty() || fwrite(ao_Bytes.data(), 1, ao_Bytes.size(), pFile) == ao_Bytes.size();
	return fclose(pFile) == 0 && bOk;
}
