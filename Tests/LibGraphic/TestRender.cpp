#include "GfxTestFixture.h"

#include "LibGen_CFileSystem.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CManagerTexture.h"
#include "LibGfx_CObjBase.h"
#include "LibGfx_CPolyQuad.h"

#include <cstring>
#include <vector>

namespace
{
	typedef CVector3d<float> V3;
	const u32 ku32_Black = 0xff000000u;
	const u32 ku32_Red = 0xff0000ffu;
	const u32 ku32_Green = 0xff00ff00u;
	const u32 ku32_Blue = 0xffff0000u;

	// An object with one quad, shown in the tree under its parent (the root when null).
	struct SQuadObj
	{
		SQuadObj(LibGfx_CObjBase* ap_Parent, const V3& ao_C1, const V3& ao_C2, u32 au32_Color)
		{
			o_Quad.Set(ao_C1, ao_C2, au32_Color);
			o_Obj.AddPoly(&o_Quad);
			o_Obj.SetParent(ap_Parent);
			o_Obj.mu32_State |= LibGfx_CObjBase::ke_Obj_Visible;
		}
		LibGfx_CObjBase o_Obj;
		LibGfx_CPolyQuad o_Quad;
	};

	class Render : public GfxTest
	{
	protected:
		LibGfx_CManagerTexture* Textures() { return LibGfx_CManagerTexture::Instance(); }

		// A locked texture of the format and size, its pixels copied from the bytes.
		LibGfx_CTexture* MakeTexture(enumPixelFormat ae_Format, u16 au16_Width, u16 au16_Height, const std::vector<u8>& ao_Pixels)
		{
			std::vector<u8> oCopy = ao_Pixels;
			SPicInfo oPic = {oCopy.data(), au16_Width, au16_Height, ae_Format};
			LibGfx_CTexture* pTexture = Textures()->GetTexture(Textures()->LockTexture());
			pTexture->Init(oPic, false);
			return pTexture;
		}
	};
}

TEST_F(Render, EmptyFrameIsOpaqueBlack)
{
	DrawFrame();
	EXPECT_EQ(ku32_Black, Pixel(0, 0));
	EXPECT_EQ(ku32_Black, Pixel(240, 136));
	EXPECT_EQ(ku32_Black, Pixel(479, 271));
}

TEST_F(Render, FlatQuadCoversItsBoxAndNothingElse)
{
	SQuadObj oQuad(nullptr, V3(-20, 10, 0), V3(20, -10, 0), ku32_Green);
	DrawFrame();
	EXPECT_EQ(ku32_Green, Pixel(240, 136));
	EXPECT_EQ(ku32_Green, Pixel(ScreenX(-19.5f), ScreenY(9.5f)));
	EXPECT_EQ(ku32_Green, Pixel(ScreenX(19.5f), ScreenY(-9.5f)));
	EXPECT_EQ(ku32_Black, Pixel(ScreenX(-21), 136));
	EXPECT_EQ(ku32_Black, Pixel(ScreenX(21), 136));
	EXPECT_EQ(ku32_Black, Pixel(240, ScreenY(11)));
	EXPECT_EQ(ku32_Black, Pixel(240, ScreenY(-11)));
}

TEST_F(Render, LaterDrawingCoversEarlierAndBlends)
{
	SQuadObj oBack(nullptr, V3(-20, 20, 0), V3(20, -20, 0), ku32_Red);
	SQuadObj oFront(&oBack.o_Obj, V3(0, 20, 0), V3(20, -20, 0), ku32_Blue);
	SQuadObj oGlass(nullptr, V3(-20, 20, 0), V3(-10, -20, 0), 0x8000ff00u);
	DrawFrame();
	EXPECT_EQ(ku32_Blue, Pixel(ScreenX(10), 136));   // the child draws after its parent
	const u32 u = Pixel(ScreenX(-15), 136);           // half green over red
	EXPECT_NEAR(0x7f, u & 0xff, 2);
	EXPECT_NEAR(0x80, (u >> 8) & 0xff, 2);
}

TEST_F(Render, WideQuadRepeatsItsTexture)
{
	// 32 texels: red on the left half, blue on the right.
	std::vector<u8> oPixels;
	for (int x = 0; x < 32; ++x)
		for (u32 c : {x < 16 ? ku32_Red : ku32_Blue})
			oPixels.insert(oPixels.end(), {u8(c), u8(c >> 8), u8(c >> 16), u8(c >> 24)});
	LibGfx_CTexture* pTexture = MakeTexture(ke_PixelFormat_8888, 32, 1, oPixels);
	LibGfx_CObjBase oObj;
	LibGfx_CPolyQuad oQuad;
	oQuad.Set(V3(-32, 4, 0), V3(32, -4, 0), pTexture);
	oObj.AddPoly(&oQuad);
	oObj.SetParent(nullptr);
	oObj.mu32_State |= LibGfx_CObjBase::ke_Obj_Visible;
	DrawFrame();
	EXPECT_EQ(ku32_Red, Pixel(ScreenX(-24), 136));
	EXPECT_EQ(ku32_Blue, Pixel(ScreenX(-8), 136));
	EXPECT_EQ(ku32_Red, Pixel(ScreenX(8), 136));
	EXPECT_EQ(ku32_Blue, Pixel(ScreenX(24), 136));
}

// Magnified, a picture shown once across a side keeps its edge texels to the edge: its top row
// never blends with its bottom row, which is the seam a window's pieces showed between them.
TEST_F(Render, APictureShownOnceDoesNotBlendWithItsOppositeEdge)
{
	Resize(1260, 714);
	// 1 x 4 texels: red on top, green below; the quad shows it once in height, twice across.
	std::vector<u8> oPixels;
	for (u32 c : {ku32_Red, ku32_Green, ku32_Green, ku32_Green})
		oPixels.insert(oPixels.end(), {u8(c), u8(c >> 8), u8(c >> 16), u8(c >> 24)});
	LibGfx_CTexture* pTexture = MakeTexture(ke_PixelFormat_8888, 1, 4, oPixels);
	LibGfx_CObjBase oObj;
	LibGfx_CPolyQuad oQuad;
	oQuad.Set(V3(-1, 2, 0), V3(1, -2, 0), pTexture);
	oObj.AddPoly(&oQuad);
	oObj.SetParent(nullptr);
	oObj.mu32_State |= LibGfx_CObjBase::ke_Obj_Visible;
	DrawFrame();
	// 2.625 pixels a unit: the quad's last row of pixels, just above y = -2.
	const u32 uBottom = Pixel(630, static_cast<u16>(357 + 2 * 2.625f - 1));
	EXPECT_EQ(0u, uBottom & 0xff) << "red from the top row bled into the bottom edge";
	EXPECT_EQ(0xffu, (uBottom >> 8) & 0xff);
}

TEST_F(Render, PolygonsWithoutATextureToShowAreNotTextured)
{
	LibGfx_CTexture* pRed = MakeTexture(ke_PixelFormat_8888, 1, 1, {0xff, 0, 0, 0xff});
	LibGfx_CTexture* pEmpty = Textures()->GetTexture(Textures()->LockTexture());
	LibGfx_CObjBase oObj;
	LibGfx_CPolyQuad oTextured, oFlat, oNoPixels;
	oTextured.Set(V3(-30, 4, 0), V3(-10, -4, 0), pRed);
	oFlat.Set(V3(-10, 4, 0), V3(10, -4, 0), ku32_Green);
	oNoPixels.Set(V3(10, 4, 0), V3(30, -4, 0), pEmpty);
	for (LibGfx_CPolyBase* pPoly : {static_cast<LibGfx_CPolyBase*>(&oTextured), static_cast<LibGfx_CPolyBase*>(&oFlat),
									static_cast<LibGfx_CPolyBase*>(&oTextured), static_cast<LibGfx_CPolyBase*>(&oNoPixels)})
		oObj.AddPoly(pPoly);
	oObj.SetParent(nullptr);
	oObj.mu32_State |= LibGfx_CObjBase::ke_Obj_Visible;
	DrawFrame();
	EXPECT_EQ(ku32_Red, Pixel(ScreenX(-20), 136));
	EXPECT_EQ(ku32_Green, Pixel(240, 136));
	EXPECT_EQ(0xffffffffu, Pixel(ScreenX(20), 136));   // its vertex colour, white
}

TEST_F(Render, PaletteChangesShowOnlyOnceTheTextureIsDirty)
{
	const u8 u8_Palette = Textures()->LockPalette();
	const u32 au32_Colors[2] = {0, ku32_Red};
	Textures()->SetPalette(u8_Palette, au32_Colors, 2);
	const u16 u16_Id = Textures()->LockTexture();
	LibGfx_CTexture* pTexture = Textures()->GetTexture(u16_Id);
	pTexture->mu16_PaletteId = u8_Palette;
	std::vector<u8> oPixels(8 * 8, 1);
	SPicInfo oPic = {oPixels.data(), 8, 8, ke_PixelFormat_Pal8};
	pTexture->Init(oPic, false);

	LibGfx_CObjBase oObj;
	LibGfx_CPolyQuad oQuad;
	oQuad.Set(V3(-4, 4, 0), V3(4, -4, 0), pTexture);
	oObj.AddPoly(&oQuad);
	oObj.SetParent(nullptr);
	oObj.mu32_State |= LibGfx_CObjBase::ke_Obj_Visible;
	DrawFrame();
	EXPECT_EQ(ku32_Red, Pixel(240, 136));

	const u32 au32_New[2] = {0, ku32_Green};
	Textures()->SetPalette(u8_Palette, au32_New, 2);
	DrawFrame();
	EXPECT_EQ(ku32_Red, Pixel(240, 136));
	Textures()->GetTexture(u16_Id);
	DrawFrame();
	EXPECT_EQ(ku32_Green, Pixel(240, 136));
}

TEST_F(Render, OddWidthFourBitTextureLeavesItsLastColumnTransparent)
{
	const u8 u8_Palette = Textures()->LockPalette();
	const u32 au32_Colors[3] = {ku32_Blue, ku32_Red, ku32_Green};
	Textures()->SetPalette(u8_Palette, au32_Colors, 3);
	const u16 u16_Id = Textures()->LockTexture();
	LibGfx_CTexture* pTexture = Textures()->GetTexture(u16_Id);
	pTexture->mu16_PaletteId = u8_Palette;
	// Two stored bytes a row: columns 0-3 are 1, 2, 1, 2; the fifth is not stored.
	SPicInfo oPic = {nullptr, 5, 1, ke_PixelFormat_Pal4};
	pTexture->Init(oPic, false);
	ASSERT_EQ(2u, pTexture->GetRowSize());
	pTexture->mp_Data[0] = 0x21;
	pTexture->mp_Data[1] = 0x21;
	pTexture->SetAsCurrent(0);
	EXPECT_EQ(ku32_Red, pTexture->mp_RGBA[0]);
	EXPECT_EQ(ku32_Green, pTexture->mp_RGBA[1]);
	EXPECT_EQ(ku32_Green, pTexture->mp_RGBA[3]);
	EXPECT_EQ(0u, pTexture->mp_RGBA[4]);

	// On screen: the quad five units wide shows black where the fifth column is.
	LibGfx_CObjBase oObj;
	LibGfx_CPolyQuad oQuad;
	oQuad.Set(V3(0, 1, 0), V3(5, 0, 0), pTexture);
	oObj.AddPoly(&oQuad);
	oObj.SetParent(nullptr);
	oObj.mu32_State |= LibGfx_CObjBase::ke_Obj_Visible;
	Textures()->GetTexture(u16_Id);
	DrawFrame();
	EXPECT_EQ(ku32_Black, Pixel(ScreenX(4.5f), ScreenY(0.5f)));
	EXPECT_NE(ku32_Black, Pixel(ScreenX(2.5f), ScreenY(0.5f)));
}

TEST_F(Render, TopLeftAlignmentPutsTheCornerAtTheParentsClientCorner)
{
	LibGfx_CObjBase oParent;
	oParent.SetCorners(V3(-100, 50, 0), V3(100, -50, 0));
	oParent.SetParent(nullptr);
	oParent.mu32_State |= LibGfx_CObjBase::ke_Obj_Visible;
	SQuadObj oChild(&oParent, V3(0, 0, 0), V3(40, -20, 0), ku32_Red);
	oChild.o_Obj.mu32_Align = LibGfx_CObjBase::ke_Align_Left | LibGfx_CObjBase::ke_Align_Top;
	oChild.o_Obj.mo_Pos = V3(10, -5, 0);
	DrawFrame();
	EXPECT_EQ(ku32_Red, Pixel(ScreenX(-89.5f), ScreenY(44.5f)));
	EXPECT_EQ(ku32_Red, Pixel(ScreenX(-50.5f), ScreenY(25.5f)));
	EXPECT_EQ(ku32_Black, Pixel(ScreenX(-91), ScreenY(44.5f)));
	EXPECT_EQ(ku32_Black, Pixel(ScreenX(-89.5f), ScreenY(46)));
	EXPECT_EQ(ku32_Black, Pixel(ScreenX(-49), ScreenY(30)));
}

TEST_F(Render, MovingAParentMovesItsCleanChildrenInTheSameFrame)
{
	SQuadObj oParent(nullptr, V3(-5, 5, 0), V3(5, -5, 0), ku32_Red);
	SQuadObj oChild(&oParent.o_Obj, V3(20, 5, 0), V3(30, -5, 0), ku32_Blue);
	DrawFrame();
	ASSERT_EQ(ku32_Blue, Pixel(ScreenX(25), 136));
	ASSERT_FALSE(oChild.o_Obj.mu32_State & LibGfx_CObjBase::ke_Obj_Dirty);

	oParent.o_Obj.mo_Pos = V3(100, 0, 0);
	oParent.o_Obj.mu32_State |= LibGfx_CObjBase::ke_Obj_Dirty;
	DrawFrame();
	EXPECT_EQ(ku32_Red, Pixel(ScreenX(100), 136));
	EXPECT_EQ(ku32_Blue, Pixel(ScreenX(125), 136));
	EXPECT_EQ(ku32_Black, Pixel(ScreenX(25), 136));

	// Without the dirty bit the cached matrices stay.
	oParent.o_Obj.mo_Pos = V3(-100, 0, 0);
	DrawFrame();
	EXPECT_EQ(ku32_Blue, Pixel(ScreenX(125), 136));
}

TEST_F(Render, HiddenParentHidesItsSubtree)
{
	SQuadObj oParent(nullptr, V3(-5, 5, 0), V3(5, -5, 0), ku32_Red);
	SQuadObj oChild(&oParent.o_Obj, V3(20, 5, 0), V3(30, -5, 0), ku32_Blue);
	oParent.o_Obj.mu32_State &= ~static_cast<u32>(LibGfx_CObjBase::ke_Obj_Visible);
	DrawFrame();
	EXPECT_EQ(ku32_Black, Pixel(240, 136));
	EXPECT_EQ(ku32_Black, Pixel(ScreenX(25), 136));

	// Moved while hidden, it shows at the new place once visible again.
	oParent.o_Obj.mo_Pos = V3(0, 50, 0);
	oParent.o_Obj.mu32_State |= LibGfx_CObjBase::ke_Obj_Visible | LibGfx_CObjBase::ke_Obj_Dirty;
	DrawFrame();
	EXPECT_EQ(ku32_Blue, Pixel(ScreenX(25), ScreenY(50)));
}

namespace
{
	class Background : public Render
	{
	protected:
		void SetUp() override
		{
			Render::SetUp();
			LibGen_CFileSystem::Instance()->SetCurrentDir(FUDEMARU_DATA_PARENT);
			SPicInfo oPic = {nullptr, 0, 0, ke_PixelFormat_8888};
			if (!LoadPng(ks_Intro, &oPic))
				GTEST_SKIP() << "the theme pictures are not built";
			delete[] oPic.pData;
		}
		void ExpectOpaqueFill()
		{
			std::vector<u8> oRows;
			mo_Screen.ReadRows(oRows);
			size_t uOpaque = 0;
			for (size_t u = 3; u < oRows.size(); u += 4)
				uOpaque += oRows[u] == 0xFF;
			EXPECT_EQ(oRows.size() / 4, uOpaque);
		}
		const char* ks_Intro = "./Data/Themes/Default/Background/FondIntro.png";
	};
}

TEST_F(Background, FillsTheFrameOpaquelyTopRowUp)
{
	LibGfx_CEngine::Instance()->LoadBg(ks_Intro);
	// A textured polygon last in the frame must not texture the next frame's background.
	LibGfx_CObjBase oObj;
	LibGfx_CPolyQuad oQuad;
	oQuad.Set(V3(-4, 4, 0), V3(4, -4, 0), MakeTexture(ke_PixelFormat_8888, 1, 1, {0xff, 0, 0, 0xff}));
	oObj.AddPoly(&oQuad);
	oObj.SetParent(nullptr);
	oObj.mu32_State |= LibGfx_CObjBase::ke_Obj_Visible;
	DrawFrame();
	DrawFrame();
	ExpectOpaqueFill();
	EXPECT_EQ(ku32_Red, Pixel(240, 136));

	// The picture's top row is at the top of the frame.
	SPicInfo oPic = {nullptr, 0, 0, ke_PixelFormat_8888};
	ASSERT_TRUE(LoadPng(ks_Intro, &oPic));
	u32 uTopLeft, uBottomLeft;
	memcpy(&uTopLeft, oPic.pData, 4);
	memcpy(&uBottomLeft, oPic.pData + (oPic.uHeight - 1) * oPic.uWidth * 4, 4);
	delete[] oPic.pData;
	EXPECT_EQ(uTopLeft, Pixel(0, 0));
	EXPECT_EQ(uBottomLeft, Pixel(0, 271));
}

TEST_F(Background, StretchesToADoubledWindow)
{
	Resize(960, 544);
	LibGfx_CEngine::Instance()->LoadBg(ks_Intro);
	SQuadObj oQuad(nullptr, V3(-10, 10, 0), V3(10, -10, 0), ku32_Red);
	DrawFrame();
	ExpectOpaqueFill();
	// The scene keeps its 480 x 272 proportions: the quad is twice as large, still centred.
	EXPECT_EQ(ku32_Red, Pixel(480 - 19, 272 + 19));
	EXPECT_NE(ku32_Red, Pixel(480 - 21, 272));
}

TEST_F(Background, FailedLoadLeavesNoBackground)
{
	LibGfx_CEngine::Instance()->LoadBg(ks_Intro);
	LibGfx_CEngine::Instance()->LoadBg("./Data/absent.png");
	DrawFrame();
	EXPECT_EQ(ku32_Black, Pixel(240, 136));
}

TEST_F(Background, BaseTexturesAllLoadFromTheTheme)
{
	Textures()->LoadBaseTextures();
	EXPECT_EQ(nullptr, Textures()->mo_Texture[1].mp_Data);
	for (u16 u = ke_Tex_Wnd_TopLeft; u < ke__Custom_Start; ++u)
	{
		EXPECT_NE(nullptr, Textures()->mo_Texture[u].mp_Data) << "texture " << u;
		EXPECT_EQ(ke_PixelFormat_8888, Textures()->mo_Texture[u].mu16_Format);
	}
}
