#include "TextObjFixture.h"

#include "LibGen_CFileSystem.h"
#include "LibGfx_CObjText.h"

#include <vector>

namespace
{
	typedef CVector3d<float> V3;

	// 3 x 2 glyphs, leftmost pixel in bit 0. A: 1 0 1 / 1 1 1. B: 1 1 0 / 0 1 1.
	const std::vector<u8> ko_GlyphsAB = {0x5, 0x7, 0x3, 0x6};

	class ObjText : public TextObjTest
	{
	protected:
		LibGfx_CManagerTexture* Textures() { return LibGfx_CManagerTexture::Instance(); }
		LibGfx_CTexture* TextureOf(const LibGfx_CObjText& ao_Text) { return &Textures()->mo_Texture[ao_Text.mu16_TextureId]; }

		static void Show(LibGfx_CObjText& ao_Text)
		{
			ao_Text.SetParent(nullptr);
			ao_Text.mu32_State |= LibGfx_CObjBase::ke_Obj_Visible;
		}

		// Draws the text alone, centred on the screen, and compares every pixel of its layout
		// with the screen: ink must come out white, the rest black.
		void ExpectScreenShowsLayout(LibGfx_CObjText& ao_Text, int ai_MinInk)
		{
			Show(ao_Text);
			DrawFrame();
			u16 w, h;
			ao_Text.TxtGetSize(w, h);
			ASSERT_NE(nullptr, ao_Text.TxtGetPixels());
			const int iLeft = 240 - w / 2, iTop = 136 - h / 2;
			int iInk = 0, iWrong = 0;
			for (int y = 0; y < h; ++y)
				for (int x = 0; x < w; ++x)
				{
					const bool bInk = ao_Text.TxtGetPixels()[y * w + x] != 0;
					const u32 uRed = Pixel(static_cast<u16>(iLeft + x), static_cast<u16>(iTop + y)) & 0xff;
					iInk += bInk;
					iWrong += bInk ? uRed < 0xc0 : uRed > 0x40;
				}
			EXPECT_EQ(0, iWrong) << "pixels that differ from the layout";
			EXPECT_GE(iInk, ai_MinInk);
			// Nothing around the text's box.
			for (int x = -1; x <= w; ++x)
			{
				EXPECT_EQ(0xff000000u, Pixel(static_cast<u16>(iLeft + x), static_cast<u16>(iTop - 1)));
				EXPECT_EQ(0xff000000u, Pixel(static_cast<u16>(iLeft + x), static_cast<u16>(iTop + h)));
			}
		}

		// 漢 (EUC-JP B4 C1) in a fixed-cell Japanese font of the built data.
		void CheckKan(const char* as_Path, u8 au8_Size, bool ab_BitSwap)
		{
			LibGen_CFileSystem::Instance()->SetCurrentDir(FUDEMARU_DATA_PARENT);
			LibText_CFont oLatin, oKanji;
			ASSERT_TRUE(oLatin.LoadBdf("./Data/Fonts/xtal-14.bdf")) << "build the data first (target FudemaruData)";
			ASSERT_TRUE(oKanji.LoadBinFixed(as_Path, au8_Size, au8_Size, 0, ab_BitSwap));
			LibGfx_CObjText oText;
			oText.TxtSetFont(&oLatin, &oKanji);
			oText.TxtSetTextType(LibText_CTextBase::ke_TxtType_Euc);
			oText.TxtSetPalette(mu8_Palette);
			oText.TxtSetText("\xB4\xC1", false);
			u16 w, h;
			oText.TxtGetSize(w, h);
			EXPECT_EQ(au8_Size, w);
			EXPECT_EQ(au8_Size, h);
			ExpectScreenShowsLayout(oText, au8_Size * au8_Size / 8);
		}
	};
}

TEST_F(ObjText, OddWidthPacksTheLastColumnAloneIntoTheLowNibble)
{
	LibText_CFont oFont;
	ASSERT_TRUE(LoadFont(oFont, 3, 2, ko_GlyphsAB));
	LibGfx_CObjText oText;
	oText.TxtSetFont(&oFont);
	oText.TxtSetText("ABA", false);
	oText.mu32_State |= LibGfx_CObjBase::ke_Obj_Visible;
	oText.Update();

	// 9 columns: the texture is one blank column wider, so each row ends on a byte of its own.
	const LibGfx_CTexture* pTexture = TextureOf(oText);
	ASSERT_EQ(ke_PixelFormat_Pal4, pTexture->mu16_Format);
	ASSERT_EQ(10, pTexture->mu16_Width);
	ASSERT_EQ(2, pTexture->mu16_Height);
	const std::vector<u8> oExpected = {0x01, 0x11, 0x01, 0x01, 0x01,   // 1 0 1 1 1 0 1 0 1
									   0x11, 0x01, 0x11, 0x11, 0x01};  // 1 1 1 0 1 1 1 1 1
	EXPECT_EQ(oExpected, std::vector<u8>(pTexture->mp_Data, pTexture->mp_Data + 10));

	// The quad shows the 9 columns, centred, one texel per unit.
	CVector3d<float> o1, o2;
	oText.mo_Quad.GetCorners(o1, o2);
	EXPECT_EQ(V3(-4, 1, 0), o1);
	EXPECT_EQ(V3(5, -1, 0), o2);
}

TEST_F(ObjText, PaletteIsRememberedUntilThereIsATexture)
{
	LibGfx_CObjText oText, oNoPalette;
	oText.TxtSetPalette(7);
	EXPECT_EQ(0, oText.mu16_TextureId);
	oText.TxtSetSize(8, 4);
	EXPECT_EQ(7, TextureOf(oText)->mu16_PaletteId);
	EXPECT_EQ(7, oText.TxtGetPalette());

	TextureOf(oText)->mu32_Flags = 0;
	oText.TxtSetPalette(mu8_Palette);
	EXPECT_EQ(mu8_Palette, TextureOf(oText)->mu16_PaletteId);
	EXPECT_TRUE(TextureOf(oText)->mu32_Flags & LibGfx_CTexture::ku32_Flag_Dirty) << "uploaded again with the new colours";

	// Never given a palette: palette 0, which no one is handed, instead of an id out of the table.
	oNoPalette.TxtSetSize(8, 4);
	EXPECT_EQ(0, TextureOf(oNoPalette)->mu16_PaletteId);
}

TEST_F(ObjText, ZeroSizeReleasesTheTextureAndHides)
{
	{
		LibGfx_CObjText oText;
		oText.TxtSetSize(8, 4);
		oText.TxtSetSize(16, 4);   // a new size reuses the slot
		const u16 u16_Id = oText.mu16_TextureId;
		EXPECT_EQ(ke__Custom_Start, u16_Id);
		EXPECT_FALSE(Textures()->mb_TextureUsed[u16_Id + 1]);
		EXPECT_EQ(16, TextureOf(oText)->mu16_Width);
		oText.mu32_State |= LibGfx_CObjBase::ke_Obj_Visible;

		oText.TxtSetSize(0, 4);
		EXPECT_EQ(0, oText.mu16_TextureId);
		EXPECT_FALSE(Textures()->mb_TextureUsed[u16_Id]);
		EXPECT_FALSE(oText.mu32_State & LibGfx_CObjBase::ke_Obj_Visible);
		EXPECT_TRUE(oText.mo_PolyList.empty()) << "no quad left pointing at the freed slot";
		u16 w, h;
		oText.TxtGetSize(w, h);
		EXPECT_EQ(0, w);

		oText.TxtSetSize(8, 4);
		EXPECT_EQ(u16_Id, oText.mu16_TextureId);
		oText.Unload();
		oText.Reload();   // at the size it had
		EXPECT_EQ(u16_Id, oText.mu16_TextureId);
		EXPECT_EQ(8, TextureOf(oText)->mu16_Width);
		EXPECT_EQ(1u, oText.mo_PolyList.size());
	}
	EXPECT_FALSE(Textures()->mb_TextureUsed[ke__Custom_Start]) << "the destructor gives the slot back";
}

TEST_F(ObjText, AutoSizeFollowsTheTextAndHiddenTextWaits)
{
	LibText_CFont oFont;
	ASSERT_TRUE(LoadFont(oFont, 3, 2, ko_GlyphsAB));
	LibGfx_CObjText oText(false);
	oText.TxtSetFont(&oFont);
	oText.TxtSetText("AB", false);
	ASSERT_EQ(1u, oText.mo_PolyList.size());
	EXPECT_EQ(&oText.mo_Quad2d, oText.mo_PolyList.front());
	CVector3d<float> o1, o2;
	oText.mo_Quad2d.GetCorners(o1, o2);
	EXPECT_EQ(V3(-3, 1, 0), o1);
	EXPECT_EQ(V3(3, -1, 0), o2);

	oText.TxtSetText("ABAB", false);
	EXPECT_EQ(12, TextureOf(oText)->mu16_Width);
	EXPECT_EQ(1u, oText.mo_PolyList.size());

	// Hidden, the rendering waits; shown, the next update copies it.
	oText.Update();
	EXPECT_EQ(0, TextureOf(oText)->mp_Data[0]);
	oText.mu32_State |= LibGfx_CObjBase::ke_Obj_Visible;
	oText.Update();
	EXPECT_EQ(0x01, TextureOf(oText)->mp_Data[0]);
}

TEST_F(ObjText, RenderedOddWidthTextKeepsItsLastColumn)
{
	LibText_CFont oFont;
	ASSERT_TRUE(LoadFont(oFont, 3, 2, ko_GlyphsAB));
	LibGfx_CObjText oText;
	oText.TxtSetFont(&oFont);
	oText.TxtSetPalette(mu8_Palette);
	oText.TxtSetText("ABA", false);
	ExpectScreenShowsLayout(oText, 14);
}

TEST_F(ObjText, KanInThe16PixelFontOnScreen)
{
	CheckKan("./Data/Fonts/kijis16.fnt", 16, false);
}

TEST_F(ObjText, KanInThe48PixelFontOnScreen)
{
	CheckKan("./Data/Fonts/jis48.fnt", 48, true);
}

TEST_F(ObjText, LatinAAndEAcuteOnScreen)
{
	LibGen_CFileSystem::Instance()->SetCurrentDir(FUDEMARU_DATA_PARENT);
	LibText_CFont oLatin;
	ASSERT_TRUE(oLatin.LoadBdf("./Data/Fonts/xtal-14.bdf")) << "build the data first (target FudemaruData)";
	LibGfx_CObjText oText;
	oText.TxtSetFont(&oLatin);
	oText.TxtSetPalette(mu8_Palette);
	oText.TxtSetText("A\xE9", false);
	ExpectScreenShowsLayout(oText, 30);
}
