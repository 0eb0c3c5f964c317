#include "TextObjFixture.h"

#include "LibGen_CFileSystem.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CObjText.h"

namespace
{
	class ObjText : public TextObjTest
	{
	protected:
		LibGfx_CTexture* TextureOf(const LibGfx_CObjText& ao_Text)
		{
			return &LibGfx_CManagerTexture::Instance()->mo_Texture[ao_Text.mu16_TextureId];
		}

		// Draws the text of the built fonts alone, centred on the screen: each pixel of its
		// layout must come out white where it has ink and black elsewhere.
		void ExpectOnScreen(const char* as_Text, const char* as_KanjiFont, u8 au8_Size, bool ab_BitSwap, int ai_MinInk)
		{
			LibGen_CFileSystem::Instance()->SetCurrentDir(FUDEMARU_DATA_PARENT);
			LibText_CFont oLatin, oKanji;
			ASSERT_TRUE(oLatin.LoadBdf("./Data/Fonts/xtal-14.bdf")) << "build the data first (target FudemaruData)";
			ASSERT_TRUE(as_KanjiFont == nullptr || oKanji.LoadBinFixed(as_KanjiFont, au8_Size, au8_Size, 0, ab_BitSwap));
			LibGfx_CObjText oText;
			// Without a Japanese font the bytes are ISO-8859-1 characters of the Latin font.
			oText.TxtSetFont(&oLatin, as_KanjiFont != nullptr ? &oKanji : nullptr);
			if (as_KanjiFont != nullptr)
				oText.TxtSetTextType(LibText_CTextBase::ke_TxtType_Euc);
			oText.TxtSetPalette(mu8_Palette);
			oText.TxtSetText(as_Text, false);
			oText.SetParent(nullptr);
			oText.mu32_State |= LibGfx_CObjBase::ke_Obj_Visible;
			DrawFrame();

			u16 w, h;
			oText.TxtGetSize(w, h);
			int iInk = 0, iWrong = 0;
			for (int y = 0; y < h; ++y)
				for (int x = 0; x < w; ++x)
				{
					const bool bInk = oText.TxtGetPixels()[y * w + x] != 0;
					const u32 uRed = Pixel(static_cast<u16>(240 - w / 2 + x), static_cast<u16>(136 - h / 2 + y)) & 0xff;
					iInk += bInk;
					iWrong += bInk ? uRed < 0xc0 : uRed > 0x40;
				}
			EXPECT_EQ(0, iWrong) << "pixels unlike the layout, of " << w << " x " << h;
			EXPECT_GE(iInk, ai_MinInk);
		}
	};
}

TEST_F(ObjText, OddWidthPacksTheLastColumnAloneIntoTheLowNibble)
{
	// 3 x 2 glyphs, leftmost pixel in bit 0. A: 1 0 1 / 1 1 1. B: 1 1 0 / 0 1 1.
	LibText_CFont oFont;
	ASSERT_TRUE(LoadFont(oFont, 3, 2, {0x5, 0x7, 0x3, 0x6}));
	LibGfx_CObjText oText;
	oText.TxtSetFont(&oFont);
	oText.TxtSetText("ABA", false);
	oText.mu32_State |= LibGfx_CObjBase::ke_Obj_Visible;
	oText.Update();

	// 9 columns: the texture is one blank column wider, so each row ends on a byte of its own.
	const LibGfx_CTexture* pTexture = TextureOf(oText);
	ASSERT_EQ(10, pTexture->mu16_Width);
	const std::vector<u8> oExpected = {0x01, 0x11, 0x01, 0x01, 0x01,   // 1 0 1 1 1 0 1 0 1
									   0x11, 0x01, 0x11, 0x11, 0x01};  // 1 1 1 0 1 1 1 1 1
	EXPECT_EQ(oExpected, std::vector<u8>(pTexture->mp_Data, pTexture->mp_Data + 10));
	CVector3d<float> o1, o2;
	oText.mo_Quad.GetCorners(o1, o2);
	EXPECT_EQ(-4.0f, o1.x);
	EXPECT_EQ(5.0f, o2.x);
}

TEST_F(ObjText, PaletteSetBeforeTheFirstSizeIsApplied)
{
	LibGfx_CObjText oText, oNoPalette;
	oText.TxtSetPalette(7);
	oText.TxtSetSize(8, 4);
	EXPECT_EQ(7, TextureOf(oText)->mu16_PaletteId);
	// Never given one: palette 0, which no one is handed, not an id out of the table.
	oNoPalette.TxtSetSize(8, 4);
	EXPECT_EQ(0, TextureOf(oNoPalette)->mu16_PaletteId);
}

TEST_F(ObjText, ZeroSizeGivesTheTextureBack)
{
	LibGfx_CObjText oText;
	oText.TxtSetSize(8, 4);
	oText.mu32_State |= LibGfx_CObjBase::ke_Obj_Visible;
	oText.TxtSetSize(0, 4);
	EXPECT_EQ(0, oText.mu16_TextureId);
	EXPECT_FALSE(LibGfx_CManagerTexture::Instance()->mb_TextureUsed[ke__Custom_Start]);
	EXPECT_FALSE(oText.mu32_State & LibGfx_CObjBase::ke_Obj_Visible);
	EXPECT_TRUE(oText.mo_PolyList.empty()) << "no quad left pointing at the freed slot";
	oText.Reload();
	EXPECT_EQ(0, oText.mu16_TextureId) << "nothing to rebuild at a zero size";
}

TEST_F(ObjText, KanInThe16PixelFont)
{
	ExpectOnScreen("\xB4\xC1", "./Data/Fonts/kijis16.fnt", 16, false, 16 * 16 / 8);
}

TEST_F(ObjText, KanInThe48PixelFont)
{
	ExpectOnScreen("\xB4\xC1", "./Data/Fonts/jis48.fnt", 48, true, 48 * 48 / 8);
}

TEST_F(ObjText, LatinAAndEAcute)
{
	// A alone has about 25 ink pixels.
	ExpectOnScreen("A\xE9", nullptr, 0, false, 40);
}

// A state changes its texts after the frame's update pass: a new text of another size must still
// be drawn in that frame, not as an empty texture.
TEST_F(ObjText, ATextChangedAfterTheUpdatePassShowsInTheSameFrame)
{
	LibText_CFont oFont;
	ASSERT_TRUE(LoadFont(oFont, 3, 2, {0x7, 0x7}));
	LibGfx_CObjText oText;
	oText.TxtSetFont(&oFont);
	oText.TxtSetPalette(mu8_Palette);
	oText.TxtSetText("A", false);
	oText.SetParent(nullptr);
	oText.mu32_State |= LibGfx_CObjBase::ke_Obj_Visible;
	DrawFrame();

	LibGfx_CEngine* pEngine = LibGfx_CEngine::Instance();
	pEngine->Update();
	oText.TxtSetText("AAAA", false);
	ASSERT_TRUE(pEngine->SceneBegin());
	pEngine->SceneRender();
	pEngine->SceneEnd();
	// The fourth A, right of the centre, is white.
	EXPECT_GT(Pixel(240 + 4, 136) & 0xff, 0xc0u);
}
