#include "GfxTestFixture.h"
#include "PngWriter.h"
#include "TestAssert.h"

#include "LibGen_CManagerMem.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CManagerTexture.h"

#include <png.h>
#include <string>
#include <sys/stat.h>

namespace
{
	class ManagerTexture : public GfxTest
	{
	protected:
		// The driver runs threads: a dying child starts afresh rather than from a fork.
		void SetUp() override
		{
			GTEST_FLAG_SET(death_test_style, "threadsafe");
			GfxTest::SetUp();
		}
		LibGfx_CManagerTexture* Manager() { return LibGfx_CManagerTexture::Instance(); }

		void WriteRgb(const char* as_Name, unsigned int au_Width, unsigned int au_Height = 1)
		{
			SPngSpec o;
			o.u_Width = au_Width;
			o.u_Height = au_Height;
			o.i_ColorType = PNG_COLOR_TYPE_RGB;
			o.o_Rows.assign(3 * au_Width * au_Height, 0x40);
			ASSERT_TRUE(WritePng(Scratch(as_Name), o));
		}
	};
}

TEST_F(ManagerTexture, CustomIdsAreHandedOutLowestFirst)
{
	EXPECT_EQ(25, Manager()->LockTexture());
	EXPECT_EQ(26, Manager()->LockTexture());
	Manager()->FreeTexture(25);
	EXPECT_EQ(25, Manager()->LockTexture());
	EXPECT_EQ(27, Manager()->LockTexture());
	Manager()->FreeTexture(0);   // no texture: nothing happens
}

TEST_F(ManagerTexture, AllCustomIdsUsedFailsTheAssertion)
{
	for (int i = ke__Custom_Start; i <= ke__Custom_End; ++i)
		Manager()->LockTexture();
	EXPECT_LIBGEN_ASSERT(Manager()->LockTexture(), "0");
}

TEST_F(ManagerTexture, FreeingAnIdNotLockedFailsTheAssertion)
{
	EXPECT_LIBGEN_ASSERT(Manager()->FreeTexture(24), "au16_TextureId >= ke__Custom_Start");
	EXPECT_LIBGEN_ASSERT(Manager()->FreeTexture(282), "au16_TextureId <= ke__Custom_End");
	EXPECT_LIBGEN_ASSERT(Manager()->FreeTexture(30), "mb_TextureUsed\\[au16_TextureId\\] == true");
	EXPECT_LIBGEN_ASSERT(Manager()->GetTexture(ke__Total), "ae_TextureId < ke__Total");
}

TEST_F(ManagerTexture, PalettesOneToFifteenThenTheAssertion)
{
	EXPECT_EQ(1, Manager()->LockPalette());
	for (int i = 2; i <= 15; ++i)
		EXPECT_EQ(i, Manager()->LockPalette());
	EXPECT_LIBGEN_ASSERT(Manager()->LockPalette(), "0");
	Manager()->FreePalette(7);
	EXPECT_EQ(7, Manager()->LockPalette());
}

TEST_F(ManagerTexture, PaletteAccessNeedsALockedPalette)
{
	EXPECT_LIBGEN_ASSERT(Manager()->GetPalette(3), "mb_PaletteUsed\\[au8_PaletteId\\] == true");
	EXPECT_LIBGEN_ASSERT(Manager()->GetPalette(16), "au8_PaletteId < ku_PaletteTotal");
	EXPECT_LIBGEN_ASSERT(Manager()->FreePalette(2), "mb_PaletteUsed\\[au8_PaletteId\\] == true");
	// Writing a palette past the table is refused rather than done.
	const u32 au32[2] = {1, 2};
	EXPECT_LIBGEN_ASSERT(Manager()->SetPalette(16, au32, 2), "au8_PaletteId < ku_PaletteTotal");

	const u8 u8_Id = Manager()->LockPalette();
	Manager()->SetPalette(u8_Id, au32, 2);
	EXPECT_EQ(2u, Manager()->GetPalette(u8_Id)[1]);
	EXPECT_EQ(0u, Manager()->GetPalette(u8_Id)[2]);
}

TEST_F(ManagerTexture, LoadTextureDecodesPngInAnyCaseOnly)
{
	WriteRgb("a.PNG", 3);
	WriteRgb("b.jpg", 5);   // a PNG inside, but not by name
	WriteRgb("nodot", 5);
	LibGfx_CTexture* pTexture = &Manager()->mo_Texture[30];

	EXPECT_TRUE(Manager()->LoadTexture(30, "a.PNG", ke_PixelFormat_Auto, true));
	EXPECT_EQ(3, pTexture->mu16_Width);
	EXPECT_EQ(ke_PixelFormat_8888, pTexture->mu16_Format);

	pTexture->mu32_Flags = 0;
	EXPECT_FALSE(Manager()->LoadTexture(30, "b.jpg", ke_PixelFormat_Auto, true));
	EXPECT_FALSE(Manager()->LoadTexture(30, "nodot", ke_PixelFormat_Auto, true));
	EXPECT_FALSE(Manager()->LoadTexture(30, "absent.png", ke_PixelFormat_Auto, true));
	EXPECT_EQ(3, pTexture->mu16_Width);   // left as it was, marked dirty
	EXPECT_TRUE(pTexture->mu32_Flags & LibGfx_CTexture::ku32_Flag_Dirty);

	// A picture larger than the whole video memory is refused, not an assertion.
	WriteRgb("huge.png", 700, 700);
	EXPECT_FALSE(Manager()->LoadTexture(30, "huge.png", ke_PixelFormat_Auto, true));
	EXPECT_EQ(3, pTexture->mu16_Width);
}

TEST_F(ManagerTexture, DirectoryFormJoinsWithOneSeparator)
{
	ASSERT_EQ(0, mkdir(Scratch("Dir").c_str(), 0700));
	WriteRgb("Dir/p.png", 4);
	EXPECT_TRUE(Manager()->LoadTexture(40, "Dir", "p.png", ke_PixelFormat_8888, false));
	EXPECT_TRUE(Manager()->LoadTexture(41, "Dir/", "p.png", ke_PixelFormat_8888, false));
	EXPECT_EQ(4, Manager()->mo_Texture[41].mu16_Width);

	// A joined path that would not fit is refused before anything is written.
	const std::string sLong(250, 'd');
	EXPECT_LIBGEN_ASSERT(Manager()->LoadTexture(40, sLong.c_str(), "p.png", ke_PixelFormat_8888, false),
						 "strlen\\(as_dirname\\) \\+ strlen\\(as_filename\\) \\+ 2 < ku_Filename_Size");
}

TEST_F(ManagerTexture, TexturesTakeAndGiveBackVideoMemory)
{
	// Video memory survives an unload and a second load: textures still come from the block.
	LibGfx_CEngine::Instance()->Unload();
	ASSERT_TRUE(LibGfx_CEngine::Instance()->Load());
	const uintptr_t uStart = reinterpret_cast<uintptr_t>(g_pVRAm) + LibGfx_CEngine::ku32_VRamReserved;
	const uintptr_t uEnd = reinterpret_cast<uintptr_t>(g_pVRAm) + LibGfx_CEngine::ku32_VRamSize;

	SPicInfo oPic = {nullptr, 100, 10, ke_PixelFormat_Pal4};
	LibGfx_CTexture* pTexture = Manager()->GetTexture(Manager()->LockTexture());
	pTexture->Init(oPic, false);
	const uintptr_t uData = reinterpret_cast<uintptr_t>(pTexture->mp_Data);
	EXPECT_EQ(0u, uData % 16);
	EXPECT_GE(uData, uStart);
	EXPECT_LE(uData + 64 * 10, uEnd);   // reserved for a power-of-two width
	EXPECT_EQ(50u, pTexture->GetRowSize());
	for (u32 u = 0; u < 50 * 10; ++u)
		ASSERT_EQ(0, pTexture->mp_Data[u]);

	// Freed memory is handed out again.
	Manager()->FreeAllTexture();
	EXPECT_EQ(nullptr, pTexture->mp_Data);
	EXPECT_EQ(0xFFFFFFFFu, pTexture->mu32_GLName);
	pTexture->Init(oPic, false);
	EXPECT_EQ(uData, reinterpret_cast<uintptr_t>(pTexture->mp_Data));
}

TEST_F(ManagerTexture, UnknownFormatFailsTheAssertion)
{
	SPicInfo oPic = {nullptr, 4, 4, static_cast<enumPixelFormat>(6)};
	EXPECT_LIBGEN_ASSERT(Manager()->GetTexture(25)->Init(oPic, false), "0");
}
