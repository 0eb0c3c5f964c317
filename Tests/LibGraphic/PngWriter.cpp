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
					 ao.b_Interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
					 PNG_FILTER_TYPE_DEFAULT);
		if (!ao.o_Palette.empty())
			png_set_PLTE(ap_Png, ap_Info, reinterpret_cast<png_const_colorp>(ao.o_Palette.data()),
						 static_cast<int>(ao.o_Palette.size() / 3));
		if (!ao.o_Trans.empty())
			png_set_tRNS(ap_Png, ap_Info, ao.o_Trans.data(), static_cast<int>(ao.o_Trans.size()), nullptr);
		if (!ao.o_TransColour.empty())
		{
			png_color_16 oColour = {};
			oColour.gray = ao.o_TransColour[0];
			oColour.red = ao.o_TransColour[0];
			oColour.green = ao.o_TransColour.size() > 2 ? ao.o_TransColour[1] : 0;
			oColour.blue = ao.o_TransColour.size() > 2 ? ao.o_TransColour[2] : 0;
			png_set_tRNS(ap_Png, ap_Info, nullptr, 0, &oColour);
		}
		png_write_info(ap_Png, ap_Info);
		// Every pass of an interlaced picture reads the rows again.
		const int iPasses = ao.b_Interlace ? png_set_interlace_handling(ap_Png) : 1;
		const size_t uRowSize = ao.o_Rows.size() / ao.u_Height;
		for (int iPass = 0; iPass < iPasses; ++iPass)
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

std::vector<std::pair<std::string, SPngSpec>> PngVariety()
{
	struct SKind
	{
		const char* s_Name;
		int i_ColorType;
		int i_Channels;
		std::vector<int> o_Depths;
	};
	const SKind aKinds[] = {
		{"grey", PNG_COLOR_TYPE_GRAY, 1, {1, 2, 4, 8, 16}},
		{"rgb", PNG_COLOR_TYPE_RGB, 3, {8, 16}},
		{"palette", PNG_COLOR_TYPE_PALETTE, 1, {1, 2, 4, 8}},
		{"greyalpha", PNG_COLOR_TYPE_GRAY_ALPHA, 2, {8, 16}},
		{"rgba", PNG_COLOR_TYPE_RGBA, 4, {8, 16}},
	};
	// 9 x 7 pixels: every Adam7 pass has pixels, and rows end inside a byte at the small depths.
	const unsigned int uWidth = 9;
	const unsigned int uHeight = 7;
	std::vector<std::pair<std::string, SPngSpec>> oVariety;
	for (const SKind& oKind : aKinds)
		for (int iDepth : oKind.o_Depths)
			for (int iTrans = 0; iTrans < 2; ++iTrans)
			{
				// Transparency is a table for palettes and one colour for grey and RGB.
				const bool bPalette = oKind.i_ColorType == PNG_COLOR_TYPE_PALETTE;
				if (iTrans == 1 && oKind.i_ColorType != PNG_COLOR_TYPE_GRAY && oKind.i_ColorType != PNG_COLOR_TYPE_RGB && !bPalette)
					continue;
				SPngSpec o;
				o.u_Width = uWidth;
				o.u_Height = uHeight;
				o.i_ColorType = oKind.i_ColorType;
				o.i_BitDepth = iDepth;
				const size_t uRowBytes = (static_cast<size_t>(uWidth) * oKind.i_Channels * iDepth + 7) / 8;
				for (size_t u = 0; u < uRowBytes * uHeight; ++u)
					o.o_Rows.push_back(static_cast<unsigned char>(u * 37 + 11));
				if (bPalette)
				{
					// As many colours as the depth reaches, so that every index names one.
					for (int i = 0; i < (1 << iDepth); ++i)
						for (int c = 0; c < 3; ++c)
							o.o_Palette.push_back(static_cast<unsigned char>(i * 29 + c * 85));
					// No more alphas than colours: libpng drops a longer table.
					if (iTrans == 1)
						o.o_Trans = iDepth == 1 ? std::vector<unsigned char>{0, 128} : std::vector<unsigned char>{0, 128, 255};
				}
				else if (iTrans == 1)
				{
					const unsigned short uMax = static_cast<unsigned short>((1u << iDepth) - 1);
					o.o_TransColour = oKind.i_ColorType == PNG_COLOR_TYPE_GRAY
						? std::vector<unsigned short>{uMax}
						: std::vector<unsigned short>{0, uMax, 0};
				}
				const std::string sName = std::string(oKind.s_Name) + std::to_string(iDepth) + (iTrans ? "-trns" : "");
				oVariety.emplace_back(sName, o);
				o.b_Interlace = true;
				oVariety.emplace_back(sName + "-adam7", o);
			}
	return oVariety;
}
