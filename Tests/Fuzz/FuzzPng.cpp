// A PNG picture read from an untrusted file in each pixel format the game asks for.
#include "FuzzScratch.h"
#include "LibGfx_PictureLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* ap_Data, size_t au_Size)
{
	FuzzScratch::Write("Data/picture.png", ap_Data, au_Size);
	const enumPixelFormat ae_Formats[] = { ke_PixelFormat_Auto, ke_PixelFormat_4444, ke_PixelFormat_5551, ke_PixelFormat_8888 };
	// One format per input, picked by its size, so that every input is decoded once.
	SPicInfo o_Pic = {};
	o_Pic.eFormat = ae_Formats[au_Size % 4];
	if (!LoadPng("./Data/picture.png", &o_Pic))
		return 0;
	// The last pixel is read: the buffer must hold the whole picture.
	const u32 u_PixelSize = (o_Pic.eFormat == ke_PixelFormat_8888) ? 4 : 2;
	volatile u8 u8_Last = o_Pic.pData[(size_t)o_Pic.uWidth * o_Pic.uHeight * u_PixelSize - 1];
	(void)u8_Last;
	delete[] o_Pic.pData;
	return 0;
}
