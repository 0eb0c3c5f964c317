// The Windows program's texture formats and pixel conversions, read on Linux.
#include "LibGfx_CTexture_Win.h"
#include "LibGfx_Utilities.h"

#include <gtest/gtest.h>
#include <cmath>
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

TEST(TextureWin, PicturesFillTheirTextureByTheNearestTexel)
{
	// A 3 x 2 picture of 2-byte texels in rows of 8 bytes, copied as is, then over a 4 x 4 texture.
	const u8 au8_Src[16] = {1, 2, 3, 4, 5, 6, 0xEE, 0xEE, 7, 8, 9, 10, 11, 12, 0xEE, 0xEE};
	u8 au8_Same[12];
	LibGfx_StretchTexels(au8_Src, 8, 3, 2, 2, false, au8_Same, 6, 3, 2);
	const u8 au8_SameExpected[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
	EXPECT_EQ(0, memcmp(au8_SameExpected, au8_Same, sizeof(au8_Same)));
	u8 au8_Big[32];
	LibGfx_StretchTexels(au8_Src, 8, 3, 2, 2, false, au8_Big, 8, 4, 4);
	// Columns 0, 0, 1, 2 of rows 0, 0, 1, 1.
	const u8 au8_Row0[8] = {1, 2, 1, 2, 3, 4, 5, 6};
	const u8 au8_Row1[8] = {7, 8, 7, 8, 9, 10, 11, 12};
	EXPECT_EQ(0, memcmp(au8_Row0, au8_Big, 8));
	EXPECT_EQ(0, memcmp(au8_Row0, au8_Big + 8, 8));
	EXPECT_EQ(0, memcmp(au8_Row1, au8_Big + 16, 8));
	EXPECT_EQ(0, memcmp(au8_Row1, au8_Big + 24, 8));

	// Bytes red, green, blue, alpha go up as A8R8G8B8, blue in the lowest byte.
	const u8 au8_Rgba[4] = {0x11, 0x22, 0x33, 0x44};
	u8 au8_Argb[4];
	LibGfx_StretchTexels(au8_Rgba, 4, 1, 1, 4, true, au8_Argb, 4, 1, 1);
	const u8 au8_ArgbExpected[4] = {0x33, 0x22, 0x11, 0x44};
	EXPECT_EQ(0, memcmp(au8_ArgbExpected, au8_Argb, 4));

	EXPECT_EQ(480, LibGfx_TextureSide(480, false));
	EXPECT_EQ(512, LibGfx_TextureSide(480, true));
	EXPECT_EQ(256, LibGfx_TextureSide(256, true));
	EXPECT_EQ(1, LibGfx_TextureSide(1, true));
}

// Where a point lands through the row-vector view and projection: x, y and depth after the divide.
static void Project(const float* ap_View, const float* ap_Proj, const CVector3d<float>& ao_P, float* ap_Out)
{
	const float af_In[4] = {ao_P.x, ao_P.y, ao_P.z, 1.0f};
	float af_Eye[4] = {}, af_Clip[4] = {};
	for (int c = 0; c < 4; ++c)
		for (int r = 0; r < 4; ++r)
			af_Eye[c] += af_In[r] * ap_View[4 * r + c];
	for (int c = 0; c < 4; ++c)
		for (int r = 0; r < 4; ++r)
			af_Clip[c] += af_Eye[r] * ap_Proj[4 * r + c];
	for (int i = 0; i < 3; ++i)
		ap_Out[i] = af_Clip[i] / af_Clip[3];
}

TEST(TextureWin, TheCameraMatricesPutTheTargetInTheMiddleAndDepthsInZeroToOne)
{
	// The game's camera: 45 degrees, the screen's ratio, depths 1 to 1000, the eye on +z.
	float af_View[16], af_Proj[16], af_Out[3];
	const CVector3d<float> o_Eye(10.0f, 20.0f, 300.0f), o_Target(10.0f, 20.0f, 0.0f), o_Up(0.0f, 1.0f, 0.0f);
	LibGfx_LookAtRH(o_Eye, o_Target, o_Up, af_View);
	LibGfx_PerspectiveRH(static_cast<float>(M_PI / 4.0), 480.0f / 272.0f, 1.0f, 1000.0f, ke_Depth_ZeroToOne, af_Proj);
	Project(af_View, af_Proj, o_Target, af_Out);
	EXPECT_NEAR(0.0f, af_Out[0], 1e-5f);
	EXPECT_NEAR(0.0f, af_Out[1], 1e-5f);
	// Right of and above the target land right and up; the top edge of the view at y = 1.
	const float f_Half = 300.0f * static_cast<float>(std::tan(M_PI / 8.0));
	Project(af_View, af_Proj, CVector3d<float>(10.0f + f_Half * 480.0f / 272.0f, 20.0f + f_Half, 0.0f), af_Out);
	EXPECT_NEAR(1.0f, af_Out[0], 1e-4f);
	EXPECT_NEAR(1.0f, af_Out[1], 1e-4f);
	// Depth: the near plane at 0, the far one at 1.
	Project(af_View, af_Proj, CVector3d<float>(10.0f, 20.0f, 299.0f), af_Out);
	EXPECT_NEAR(0.0f, af_Out[2], 1e-4f);
	Project(af_View, af_Proj, CVector3d<float>(10.0f, 20.0f, -700.0f), af_Out);
	EXPECT_NEAR(1.0f, af_Out[2], 1e-4f);
}
