#include "LibGfx_PictureLoader.h"

#include "LibGen_CFileSystem.h"
#include "LibGen_Utils.h"

#include <png.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace
{
	const u32 ku32_SignatureSize = 8;
	// Larger pictures are refused before decoding: no texture or background needs them, and a
	// hostile header must not make the decoder allocate without bound.
	const u32 ku32_SideMax = 2048;

	struct SRgba
	{
		u8 r, g, b, a;
	};

	// libpng's own message for the line that reports the file; its warnings change nothing
	// in the picture and are left unsaid.
	struct SPngError
	{
		char ms_Text[128];
	};

	void OnPngError(png_structp ap_Png, png_const_charp as_Message)
	{
		SPngError* pError = static_cast<SPngError*>(png_get_error_ptr(ap_Png));
		snprintf(pError->ms_Text, sizeof(pError->ms_Text), "%s", as_Message);
		png_longjmp(ap_Png, 1);
	}

	void OnPngWarning(png_structp, png_const_charp)
	{
	}

	// libpng ends its errors with a jump back here: no local is changed between the two.
	bool DecodeAll(png_structp ap_Png, png_infop ap_Info, FILE* ap_File)
	{
		if (setjmp(png_jmpbuf(ap_Png)) != 0)
			return false;
		png_set_user_limits(ap_Png, ku32_SideMax, ku32_SideMax);
		png_init_io(ap_Png, ap_File);
		png_set_sig_bytes(ap_Png, ku32_SignatureSize);
		png_read_png(ap_Png, ap_Info, PNG_TRANSFORM_STRIP_16 | PNG_TRANSFORM_PACKING | PNG_TRANSFORM_EXPAND, nullptr);
		return true;
	}

	// One decoded pixel of 8-bit channels; pictures without alpha are opaque.
	SRgba ReadPixel(const u8* ap_Pixel, u8 au8_Channels)
	{
		switch (au8_Channels)
		{
		case 1: return SRgba{ap_Pixel[0], ap_Pixel[0], ap_Pixel[0], 0xFF};
		case 2: return SRgba{ap_Pixel[0], ap_Pixel[0], ap_Pixel[0], ap_Pixel[1]};
		case 3: return SRgba{ap_Pixel[0], ap_Pixel[1], ap_Pixel[2], 0xFF};
		default: return SRgba{ap_Pixel[0], ap_Pixel[1], ap_Pixel[2], ap_Pixel[3]};
		}
	}

	void WriteU16(u8* ap_Out, u16 au16_Value)
	{
		ap_Out[0] = static_cast<u8>(au16_Value);
		ap_Out[1] = static_cast<u8>(au16_Value >> 8);
	}

	void WritePixel(u8* ap_Out, enumPixelFormat ae_Format, const SRgba& ao)
	{
		switch (ae_Format)
		{
		case ke_PixelFormat_4444:
			WriteU16(ap_Out, static_cast<u16>((ao.r >> 4) | ((ao.g >> 4) << 4) | ((ao.b >> 4) << 8) | ((ao.a >> 4) << 12)));
			break;
		case ke_PixelFormat_5551:
			WriteU16(ap_Out, static_cast<u16>((ao.r >> 3) | ((ao.g >> 3) << 5) | ((ao.b >> 3) << 10) | ((ao.a >> 7) << 15)));
			break;
		default:
			ap_Out[0] = ao.r;
			ap_Out[1] = ao.g;
			ap_Out[2] = ao.b;
			ap_Out[3] = ao.a;
			break;
		}
	}

	// Packs the decoded rows into a new buffer of the format; null for a format LoadPng does not produce.
	u8* Convert(png_structp ap_Png, png_infop ap_Info, enumPixelFormat ae_Format)
	{
		u32 uPixelSize;
		if (ae_Format == ke_PixelFormat_8888)
			uPixelSize = 4;
		else if (ae_Format == ke_PixelFormat_4444 || ae_Format == ke_PixelFormat_5551)
			uPixelSize = 2;
		else
			return nullptr;

		const u32 uWidth = png_get_image_width(ap_Png, ap_Info);
		const u32 uHeight = png_get_image_height(ap_Png, ap_Info);
		const u8 u8_Channels = png_get_channels(ap_Png, ap_Info);
		png_bytepp pRows = png_get_rows(ap_Png, ap_Info);
		// Every colour type is 8-bit grey, grey+alpha, RGB or RGBA after the expand transforms.
		if (pRows == nullptr || u8_Channels < 1 || u8_Channels > 4 || png_get_bit_depth(ap_Png, ap_Info) != 8)
			return nullptr;

		u8* pOut = new u8[static_cast<size_t>(uWidth) * uHeight * uPixelSize];
		u8* pDst = pOut;
		for (u32 y = 0; y < uHeight; ++y)
		{
			const u8* pSrc = pRows[y];
			for (u32 x = 0; x < uWidth; ++x, pSrc += u8_Channels, pDst += uPixelSize)
				WritePixel(pDst, ae_Format, ReadPixel(pSrc, u8_Channels));
		}
		return pOut;
	}

	// Format 0 asks for the file's own: small depths in 16 bits, the rest in 32.
	enumPixelFormat ChooseFormat(png_structp ap_Png, png_infop ap_Info)
	{
		if (png_get_bit_depth(ap_Png, ap_Info) < 8)
			return png_get_channels(ap_Png, ap_Info) == 4 ? ke_PixelFormat_4444 : ke_PixelFormat_5551;
		return ke_PixelFormat_8888;
	}

	bool HasPngSignature(FILE* ap_File)
	{
		png_byte au8_Sig[ku32_SignatureSize];
		return fread(au8_Sig, 1, ku32_SignatureSize, ap_File) == ku32_SignatureSize
			&& png_sig_cmp(au8_Sig, 0, ku32_SignatureSize) == 0;
	}
}

bool LoadPng(const char* as_Path, SPicInfo* ap_Pic)
{
	ap_Pic->pData = nullptr;
	ap_Pic->uWidth = 0;
	ap_Pic->uHeight = 0;

	FILE* pFile = LibGen_CFileSystem::Instance()->OpenFile(as_Path, "rb");
	if (pFile == nullptr)
	{
		LibGen_ReportData(as_Path, "cannot be opened (%s)", strerror(errno));
		return false;
	}
	if (!HasPngSignature(pFile))
	{
		LibGen_ReportData(as_Path, "is no PNG picture: it does not start with the PNG signature");
		fclose(pFile);
		return false;
	}

	SPngError oError = {"out of memory"};
	png_structp pPng = png_create_read_struct(PNG_LIBPNG_VER_STRING, &oError, OnPngError, OnPngWarning);
	png_infop pInfo = pPng ? png_create_info_struct(pPng) : nullptr;
	if (pInfo == nullptr || !DecodeAll(pPng, pInfo, pFile))
		LibGen_ReportData(as_Path, "is a corrupt PNG picture (%s)", oError.ms_Text);
	else
	{
		if (ap_Pic->eFormat == ke_PixelFormat_Auto)
			ap_Pic->eFormat = ChooseFormat(pPng, pInfo);
		ap_Pic->pData = Convert(pPng, pInfo, ap_Pic->eFormat);
		if (ap_Pic->pData != nullptr)
		{
			ap_Pic->uWidth = static_cast<u16>(png_get_image_width(pPng, pInfo));
			ap_Pic->uHeight = static_cast<u16>(png_get_image_height(pPng, pInfo));
		}
	}
	png_destroy_read_struct(&pPng, &pInfo, nullptr);
	fclose(pFile);
	return ap_Pic->pData != nullptr;
}
