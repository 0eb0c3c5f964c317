// The Windows program's texture formats and pixel conversions, read on Linux.
#include "LibGfx_CTexture_Win.h"
#include "LibGfx_Utilities.h"

#include <gtest/gtest.h>
#include <cstring>

TEST(TextureWin, FormatTableMapsTheFiveFormats)
{
	const struct { u32 mu32_Format; u32 mu32_Texture; u32 mu32_Source; u8 mu8_Bits; } ao_Expected[] =
	{
		{ke_PixelFormat_4444, 26, 26, 16},   // A4R4G4B4
		{ke_PixelFormat_5551, 25, 25, 16},   // A1R5G5B5
		{ke_PixelFormat_8888, 21, 32, 32},   // A8R8G8B8, read from A8B8G8R8 (red first in memory)
		{ke_PixelFormat_Pal4, 41, 41, 4},    // P8
		{ke_PixelFormat_Pal8, 41, 41, 8},
	};
	for (const auto& o : ao_Expected)
	{
		const STextureFormatWin* p = LibGfx_FindTextureFormatWin(o.mu32_Format);
		ASSERT_NE(nullptr, p) << "format " << o.mu32_Format;
		EXPECT_EQ(o.mu32_Texture, u32(p->me_Texture)) << "format " << o.mu32_Format;
		EXPECT_EQ(o.mu32_Source, u32(p->me_Source)) << "format " << o.mu32_Format;
		EXPECT_EQ(o.mu8_Bits, p->mu8_Bits) << "format " << o.mu32_Format;
	}
	EXPECT_EQ(nullptr, LibGfx_FindTextureFormatWin(ke_PixelFormat_Auto));
	EXPECT_EQ(nullptr, LibGfx_FindTextureFormatWin(6));
}

TEST(TextureWin, FourBitIndicesExpandLowNibbleFirst)
{
	// Width 5: two stored bytes a row, the fifth column not stored.
	const u8 au8_Rows[4] = {0x21, 0x43, 0xBA, 0xDC};
	u8 au8_Out[10];
	memset(au8_Out, 0xEE, sizeof(au8_Out));
	LibGfx_ExpandPal4(au8_Rows, 2, 5, 2, au8_Out);
	const u8 au8_Expected[10] = {1, 2, 3, 4, 0, 0xA, 0xB, 0xC, 0xD, 0};
	for (int i = 0; i < 10; ++i)
		EXPECT_EQ(au8_Expected[i], au8_Out[i]) << "texel " << i;
}

TEST(TextureWin, ColoursGoUpWithRedAndBlueInDirect3DsPlaces)
{
	// 4444 and 5551 keep red in the low bits, Direct3D blue.
	const u8 au8_4444[2] = {0x21, 0xF3};             // alpha F, blue 3, green 2, red 1
	const u8 au8_5551[2] = {0x1F, 0x80};             // alpha set, red full
	u16 u16_Out = 0;
	LibGfx_SwapRedBlue16(au8_4444, 1, 4, &u16_Out);
	EXPECT_EQ(0xF123, u16_Out);
	LibGfx_SwapRedBlue16(au8_5551, 1, 5, &u16_Out);
	EXPECT_EQ(0xFC00, u16_Out);

	// Palette colours (red in the lowest byte) become A8R8G8B8 texels; rows follow the pitch.
	u32 au32_Palette[256] = {};
	au32_Palette[1] = 0x80112233;   // alpha 80, blue 11, green 22, red 33
	au32_Palette[2] = 0xFF0000FF;   // opaque red
	const u8 au8_Index[6] = {1, 2, 9, 2, 1, 9};   // two rows of 2 texels, pitch 3
	u32 au32_Out[4];
	LibGfx_PaletteToArgb(au8_Index, 3, 2, 2, au32_Palette, au32_Out);
	EXPECT_EQ(0x80332211u, au32_Out[0]);
	EXPECT_EQ(0xFFFF0000u, au32_Out[1]);
	EXPECT_EQ(0xFFFF0000u, au32_Out[2]);
	EXPECT_EQ(0x80332211u, au32_Out[3]);
}
