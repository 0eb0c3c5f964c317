#include "GfxTestFixture.h"
#include "PngWriter.h"
#include "ReportLines.h"

#include "LibGfx_PictureLoader.h"

#include <png.h>
#include <cstring>

namespace
{
	class PictureLoader : public GfxTest
	{
	protected:
		// Writes the picture to the scratch folder and decodes it in the requested format.
		bool Load(const SPngSpec& ao_Spec, enumPixelFormat ae_Format)
		{
			EXPECT_TRUE(WritePng(Scratch("pic.png"), ao_Spec));
			delete[] mo_Pic.pData;
			mo_Pic.eFormat = ae_Format;
			return LoadPng("pic.png", &mo_Pic);
		}
		u32 Rgba(u32 au32_Index) const
		{
			u32 u;
			memcpy(&u, mo_Pic.pData + 4 * au32_Index, 4);
			return u;
		}
		u16 Packed(u32 au32_Index) const
		{
			return static_cast<u16>(mo_Pic.pData[2 * au32_Index] | (mo_Pic.pData[2 * au32_Index + 1] << 8));
		}
		void TearDown() override
		{
			delete[] mo_Pic.pData;
			GfxTest::TearDown();
		}
		SPicInfo mo_Pic = {nullptr, 0, 0, ke_PixelFormat_Auto};
	};

	SPngSpec Spec(unsigned int au_Width, int ai_ColorType, int ai_BitDepth, std::vector<unsigned char> ao_Rows)
	{
		SPngSpec o;
		o.u_Width = au_Width;
		o.u_Height = 1;
		o.i_ColorType = ai_ColorType;
		o.i_BitDepth = ai_BitDepth;
		o.o_Rows = ao_Rows;
		return o;
	}
}

TEST_F(PictureLoader, EveryColourTypeBecomesRgbaOpaqueWithoutAlpha)
{
	ASSERT_TRUE(Load(Spec(2, PNG_COLOR_TYPE_RGBA, 8, {1, 2, 3, 4, 250, 251, 252, 0}), ke_PixelFormat_8888));
	EXPECT_EQ(2, mo_Pic.uWidth);
	EXPECT_EQ(1, mo_Pic.uHeight);
	EXPECT_EQ(0x04030201u, Rgba(0));
	EXPECT_EQ(0x00fcfbfau, Rgba(1));

	ASSERT_TRUE(Load(Spec(1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {0x80, 0x40}), ke_PixelFormat_8888));
	EXPECT_EQ(0x40808080u, Rgba(0));
	ASSERT_TRUE(Load(Spec(1, PNG_COLOR_TYPE_RGB, 8, {10, 20, 30}), ke_PixelFormat_8888));
	EXPECT_EQ(0xff1e140au, Rgba(0));
	ASSERT_TRUE(Load(Spec(1, PNG_COLOR_TYPE_GRAY, 8, {0x33}), ke_PixelFormat_8888));
	EXPECT_EQ(0xff333333u, Rgba(0));

	// 16-bit channels keep their high byte; 1-bit grey expands to black and white.
	ASSERT_TRUE(Load(Spec(1, PNG_COLOR_TYPE_RGB, 16, {0x12, 0x34, 0x56, 0x78, 0x9a, 0xbc}), ke_PixelFormat_8888));
	EXPECT_EQ(0xff9a5612u, Rgba(0));
	ASSERT_TRUE(Load(Spec(3, PNG_COLOR_TYPE_GRAY, 1, {0xA0}), ke_PixelFormat_8888));
	EXPECT_EQ(0xffffffffu, Rgba(0));
	EXPECT_EQ(0xff000000u, Rgba(1));
	EXPECT_EQ(0xffffffffu, Rgba(2));
}

TEST_F(PictureLoader, PalettedPicturesExpandWithTheirTransparency)
{
	SPngSpec o = Spec(4, PNG_COLOR_TYPE_PALETTE, 2, {0x1B});   // indices 0, 1, 2, 3
	o.o_Palette = {255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 9, 9};
	o.o_Trans = {0x00, 0x80};
	ASSERT_TRUE(Load(o, ke_PixelFormat_8888));
	EXPECT_EQ(0x000000ffu, Rgba(0));
	EXPECT_EQ(0x8000ff00u, Rgba(1));
	EXPECT_EQ(0xffff0000u, Rgba(2));
	EXPECT_EQ(0xff090909u, Rgba(3));
}

// Every colour type in every depth, with and without transparency, decodes whole; an interlaced
// picture gives the pixels of its plain twin.
TEST_F(PictureLoader, EveryKindDecodesAndInterlacingChangesNoPixel)
{
	std::vector<unsigned char> oPlain;
	for (const std::pair<std::string, SPngSpec>& oEntry : PngVariety())
	{
		SCOPED_TRACE(oEntry.first);
		ASSERT_TRUE(Load(oEntry.second, ke_PixelFormat_8888));
		ASSERT_EQ(oEntry.second.u_Width, mo_Pic.uWidth);
		ASSERT_EQ(oEntry.second.u_Height, mo_Pic.uHeight);
		const std::vector<unsigned char> oPixels(mo_Pic.pData, mo_Pic.pData + 4 * mo_Pic.uWidth * mo_Pic.uHeight);
		if (oEntry.second.b_Interlace)
		{
			EXPECT_EQ(oPlain, oPixels);
		}
		oPlain = oPixels;
	}
}

TEST_F(PictureLoader, SixteenBitFormatsKeepTheTopBits)
{
	const std::vector<unsigned char> oRow = {0xF0, 0x80, 0x18, 0xC0, 0x00, 0xFF, 0x08, 0x7F};
	ASSERT_TRUE(Load(Spec(2, PNG_COLOR_TYPE_RGBA, 8, oRow), ke_PixelFormat_4444));
	EXPECT_EQ(0xC18Fu, Packed(0));
	EXPECT_EQ(0x70F0u, Packed(1));
	ASSERT_TRUE(Load(Spec(2, PNG_COLOR_TYPE_RGBA, 8, oRow), ke_PixelFormat_5551));
	EXPECT_EQ(0x8000u | (3 << 10) | (16 << 5) | 30, Packed(0));   // alpha 0xC0 sets the bit
	EXPECT_EQ((1 << 10) | (31 << 5), Packed(1));                   // alpha 0x7F clears it

	// Grey goes into all three colours; no alpha channel means opaque.
	ASSERT_TRUE(Load(Spec(1, PNG_COLOR_TYPE_GRAY, 8, {0xA5}), ke_PixelFormat_4444));
	EXPECT_EQ(0xFAAAu, Packed(0));
	ASSERT_TRUE(Load(Spec(1, PNG_COLOR_TYPE_RGB, 8, {0xFF, 0x00, 0x08}), ke_PixelFormat_5551));
	EXPECT_EQ(0x8000u | (1 << 10) | 31, Packed(0));
}

TEST_F(PictureLoader, FormatChoiceAndRefusedFormats)
{
	ASSERT_TRUE(Load(Spec(1, PNG_COLOR_TYPE_GRAY, 2, {0x40}), ke_PixelFormat_Auto));
	EXPECT_EQ(ke_PixelFormat_8888, mo_Pic.eFormat);   // every depth is 8 bits once decoded
	EXPECT_EQ(0xff555555u, Rgba(0));

	EXPECT_FALSE(Load(Spec(1, PNG_COLOR_TYPE_RGB, 8, {1, 2, 3}), ke_PixelFormat_Pal4));
	EXPECT_EQ(nullptr, mo_Pic.pData);
	EXPECT_FALSE(Load(Spec(1, PNG_COLOR_TYPE_RGB, 8, {1, 2, 3}), ke_PixelFormat_Pal8));
	EXPECT_EQ(nullptr, mo_Pic.pData);
}

TEST_F(PictureLoader, RefusesPicturesWiderOrTallerThan2048)
{
	EXPECT_TRUE(Load(Spec(2048, PNG_COLOR_TYPE_GRAY, 8, std::vector<unsigned char>(2048, 7)), ke_PixelFormat_8888));
	EXPECT_EQ(2048, mo_Pic.uWidth);
	// Past the limit, and past what the 16-bit sizes hold.
	EXPECT_FALSE(Load(Spec(2049, PNG_COLOR_TYPE_GRAY, 8, std::vector<unsigned char>(2049, 7)), ke_PixelFormat_8888));
	EXPECT_FALSE(Load(Spec(70000, PNG_COLOR_TYPE_GRAY, 1, std::vector<unsigned char>(8750, 0)), ke_PixelFormat_8888));
	EXPECT_EQ(nullptr, mo_Pic.pData);
	EXPECT_EQ(0, mo_Pic.uWidth);
}

TEST_F(PictureLoader, MissingOrForeignFilesFail)
{
	ReportLines oReport;
	mo_Pic.eFormat = ke_PixelFormat_8888;
	EXPECT_FALSE(LoadPng("absent.png", &mo_Pic));
	ASSERT_TRUE(WriteFileBytes(Scratch("short.png"), {0x89, 'P', 'N', 'G'}));
	EXPECT_FALSE(LoadPng("short.png", &mo_Pic));
	ASSERT_TRUE(WriteFileBytes(Scratch("text.png"), std::vector<unsigned char>(64, 'x')));
	EXPECT_FALSE(LoadPng("text.png", &mo_Pic));
	EXPECT_EQ(nullptr, mo_Pic.pData);
	// libpng's own reason, on the file's one line (and none of its warnings).
	EXPECT_FALSE(Load(Spec(3000, PNG_COLOR_TYPE_GRAY, 8, std::vector<unsigned char>(3000, 7)), ke_PixelFormat_8888));
	EXPECT_EQ(oReport.Take(), (std::vector<std::string>{"Fudemaru: absent.png: cannot be opened (No such file or directory)",
		"Fudemaru: short.png: is no PNG picture: it does not start with the PNG signature",
		"Fudemaru: text.png: is no PNG picture: it does not start with the PNG signature",
		"Fudemaru: pic.png: is a corrupt PNG picture (Invalid IHDR data)"}));
}

TEST_F(PictureLoader, TruncatedOrCorruptFilesFailCleanly)
{
	SPngSpec o = Spec(16, PNG_COLOR_TYPE_RGBA, 8, {});
	o.u_Height = 16;
	for (int i = 0; i < 16 * 16 * 4; ++i)
		o.o_Rows.push_back(static_cast<unsigned char>(i * 7));
	ASSERT_TRUE(WritePng(Scratch("whole.png"), o));
	const std::vector<unsigned char> oWhole = ReadFileBytes(Scratch("whole.png"));
	ASSERT_GT(oWhole.size(), 100u);

	// Every cut before the image data ends fails; the decoder never reads past the file.
	const size_t uEndChunk = 12;   // IEND: length, type, CRC
	for (size_t uLen = 0; uLen < oWhole.size() - uEndChunk; ++uLen)
	{
		ASSERT_TRUE(WriteFileBytes(Scratch("cut.png"), std::vector<unsigned char>(oWhole.begin(), oWhole.begin() + uLen)));
		mo_Pic.eFormat = ke_PixelFormat_8888;
		EXPECT_FALSE(LoadPng("cut.png", &mo_Pic)) << "cut at " << uLen;
		EXPECT_EQ(nullptr, mo_Pic.pData);
	}

	// A flipped byte anywhere after the signature either fails or still gives a whole picture.
	for (size_t u = 8; u < oWhole.size(); ++u)
	{
		std::vector<unsigned char> oBad = oWhole;
		oBad[u] ^= 0x5A;
		ASSERT_TRUE(WriteFileBytes(Scratch("bad.png"), oBad));
		mo_Pic.eFormat = ke_PixelFormat_8888;
		if (LoadPng("bad.png", &mo_Pic))
		{
			EXPECT_EQ(16, mo_Pic.uWidth);
			EXPECT_EQ(16, mo_Pic.uHeight);
			delete[] mo_Pic.pData;
			mo_Pic.pData = nullptr;
		}
		else
			EXPECT_EQ(nullptr, mo_Pic.pData);
	}
}
