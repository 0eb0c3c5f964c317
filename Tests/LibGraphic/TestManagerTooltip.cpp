#include "TextObjFixture.h"

#include "LibGen_CFileSystem.h"
#include "LibGfx_CManagerCamera.h"
#include "LibGfx_CManagerTooltip.h"

#include <string>

namespace
{
	typedef LibGfx_CManagerTooltip TT;
	const u32 ku32_Black = 0xff000000u;

	class ManagerTooltip : public TextObjTest
	{
	protected:
		void TearDown() override
		{
			delete TT::sp_instance;
			TT::sp_instance = nullptr;
			TextObjTest::TearDown();
		}
		TT* Tooltip() { return TT::Instance(); }

		// Button pictures 20 wide and labels of solid 10-unit glyphs A to Z: hints of 60 and 40 units.
		void LoadSmall()
		{
			for (u16 u = ke_Tex_Key_Cross; u <= ke_Tex_Key_LeftRight; ++u)
				MakePicture(u, 20, 20, 0xff0000ffu);
			ASSERT_TRUE(LoadFont(mo_Font, 10, 10, std::vector<u8>(20 * 26, 0xff)));
			ASSERT_TRUE(LoadStrings({"AAAA", "AA", "%i" + std::string(300, 'A'), "%s here", "Kanji %i of %i"}));
			Tooltip()->Load(&mo_Font, mu8_Palette);
		}
		bool Shown(const LibGfx_CObjBase& ao_Object) const { return ao_Object.mu32_State & LibGfx_CObjBase::ke_Obj_Visible; }
		float HintX(TT::enumKeysId ae_Key) { return Tooltip()->mo_KeyIcon[ae_Key].mo_Pos.x; }

		LibText_CFont mo_Font;
	};
}

TEST_F(ManagerTooltip, HintsStandFromTheRightEdgeAndCloseUp)
{
	LoadSmall();
	Tooltip()->SetTxtKey(TT::ke_KeyId_Cross, 1);
	Tooltip()->SetTxtKey(TT::ke_KeyId_Triangle, 2);
	Tooltip()->SetTxtKey(TT::ke_KeyId_Circle, 2);
	EXPECT_EQ(328, HintX(TT::ke_KeyId_Cross));
	EXPECT_EQ(392, HintX(TT::ke_KeyId_Triangle));
	EXPECT_EQ(436, HintX(TT::ke_KeyId_Circle));

	// Hiding the middle hint closes its gap: 480 - 8 - 100 = 372, 372 + 64 = 436.
	Tooltip()->SetTxtKey(TT::ke_KeyId_Triangle, 0);
	EXPECT_FALSE(Shown(Tooltip()->mo_KeyIcon[TT::ke_KeyId_Triangle]));
	EXPECT_EQ(372, HintX(TT::ke_KeyId_Cross));
	EXPECT_EQ(436, HintX(TT::ke_KeyId_Circle));

	// A hidden hint holds no texture: after every mode's hints the bar holds what it shows.
	const u16 u16_Label = Tooltip()->mo_KeyIcon[TT::ke_KeyId_Triangle].mo_Text.mu16_TextureId;
	EXPECT_EQ(ke_Tex_None, u16_Label);
	Tooltip()->ClearTxtAll();
	for (const LibGfx_CObjIcon& oIcon : Tooltip()->mo_KeyIcon)
		EXPECT_EQ(ke_Tex_None, oIcon.mo_Text.mu16_TextureId);
	// Shown again, it draws its label as before.
	Tooltip()->SetTxtKey(TT::ke_KeyId_Cross, 1);
	EXPECT_NE(ke_Tex_None, Tooltip()->mo_KeyIcon[TT::ke_KeyId_Cross].mo_Text.mu16_TextureId);
	EXPECT_EQ(480 - 4 - 60, HintX(TT::ke_KeyId_Cross));
}

TEST_F(ManagerTooltip, FaceHintsShowTheirKeysLettersOnTheirPictures)
{
	// A newcomer reads on the bar which key is which: the letter each face button's key types,
	// on a key cap over the button's picture, shown and given back with its hint.
	LoadSmall();
	const char* const as_Letter[TT::ku_Face_Hints] = {"D", "S", "F", "A"};
	for (u8 i = 0; i < TT::ku_Face_Hints; ++i)
	{
		const LibGfx_CObjText& o_Letter = Tooltip()->mo_KeyLetter[i];
		EXPECT_FALSE(Shown(o_Letter)) << "hint " << int(i);
		Tooltip()->SetTxtKey(static_cast<TT::enumKeysId>(i), 1);
		EXPECT_TRUE(Shown(o_Letter)) << "hint " << int(i);
		ASSERT_NE(nullptr, o_Letter.TxtGetText());
		EXPECT_STREQ(as_Letter[i], o_Letter.TxtGetText());
		EXPECT_NE(ke_Tex_None, o_Letter.mu16_TextureId);
		EXPECT_EQ(&Tooltip()->mo_KeyIcon[i], o_Letter.mp_Parent) << "the letter moves with its hint";
	}
	// Naming the keys takes no room from the texts: the hints close up as before.
	EXPECT_EQ(480 - 4 * (60 + 4), HintX(TT::ke_KeyId_Cross));

	Tooltip()->SetTxtKey(TT::ke_KeyId_Triangle, 0);
	EXPECT_FALSE(Shown(Tooltip()->mo_KeyLetter[TT::ke_KeyId_Triangle]));
	EXPECT_EQ(ke_Tex_None, Tooltip()->mo_KeyLetter[TT::ke_KeyId_Triangle].mu16_TextureId);
	Tooltip()->ClearTxtAll();
	for (const LibGfx_CObjText& o_Letter : Tooltip()->mo_KeyLetter)
		EXPECT_EQ(ke_Tex_None, o_Letter.mu16_TextureId);
}

TEST_F(ManagerTooltip, LinesHideKeepingTheirTextAndFormatIntoTheirBuffer)
{
	LoadSmall();
	LibGfx_CObjText& oLine = Tooltip()->mo_TxtLine[1];
	Tooltip()->SetTxtMain(1, 1u);
	Tooltip()->SetTxtMain(1, 0u);
	EXPECT_FALSE(Shown(oLine));
	EXPECT_EQ(1u, oLine.TxtGetTextId()) << "hidden, the text stays";

	Tooltip()->SetTxtMainFmt(1, 5, 3, 12);
	EXPECT_TRUE(Shown(oLine));
	EXPECT_STREQ("Kanji 3 of 12", oLine.TxtGetText());
	Tooltip()->SetTxtMainFmt(1, 3, 7);
	EXPECT_EQ(255u, std::string(oLine.TxtGetText()).size()) << "cut to the 256-byte buffer";
	Tooltip()->SetTxtMainFmt(1, 4, 7);
	EXPECT_STREQ("%s here", oLine.TxtGetText()) << "a conversion other than a number is not formatted";
}

TEST_F(ManagerTooltip, BarKeepsItsPlaceInFrontOfTheCamera)
{
	LoadSmall();
	Tooltip()->Update();
	EXPECT_NEAR(0.0f, Tooltip()->mo_Bar.mo_Pos.z, 1e-3f);

	// A camera 100 units nearer: the bar comes 100 units nearer too, and looks the same.
	LibGfx_CCameraBase oNear;
	oNear.SetPos(CVector3d<float>(0, 0, 228.33304f), CVector3d<float>(0, 0, -100));
	LibGfx_CManagerCamera::Instance()->Push(&oNear, 1.0f);
	LibGfx_CManagerCamera::Instance()->Update();
	Tooltip()->Update();
	EXPECT_NEAR(-100.0f, Tooltip()->mo_Bar.mo_Pos.z, 1e-3f);
	DrawFrame();
	EXPECT_EQ(ku32_Black, Pixel(5, 239));
	EXPECT_NE(ku32_Black, Pixel(5, 240));

	// A camera off to the side and above: the bar moves across with it and stays at the bottom.
	LibGfx_CCameraBase o_Aside;
	o_Aside.SetPos(CVector3d<float>(720, 300, 328.33304f), CVector3d<float>(720, 300, 0));
	LibGfx_CManagerCamera::Instance()->Push(&o_Aside, 1.0f);
	LibGfx_CManagerCamera::Instance()->Update();
	Tooltip()->Update();
	DrawFrame();
	EXPECT_EQ(ku32_Black, Pixel(5, 239));
	EXPECT_NE(ku32_Black, Pixel(5, 240));
	EXPECT_NE(ku32_Black, Pixel(474, 270));
}

TEST_F(ManagerTooltip, RealThemeBarWithAHint)
{
	LibGen_CFileSystem::Instance()->SetCurrentDir(FUDEMARU_DATA_PARENT);
	LibGfx_CManagerTexture::Instance()->LoadBaseTextures();
	ASSERT_TRUE(mo_Font.LoadBdf("./Data/Fonts/xtal-14.bdf")) << "build the data first (target FudemaruData)";
	LibText_CManagerString::Instance()->SetLanguagePath("./Data/Languages");
	ASSERT_TRUE(LibText_CManagerString::Instance()->Load(0));
	Tooltip()->Load(&mo_Font, mu8_Palette);
	Tooltip()->SetTxtKey(TT::ke_KeyId_Cross, 4);   // "Choose"
	Tooltip()->Update();
	DrawFrame();

	// The bar: the bottom 32 rows, an opaque light-blue line over translucent blue.
	EXPECT_EQ(ku32_Black, Pixel(5, 239));
	EXPECT_EQ(0xffff2020u, Pixel(5, 240));
	const u32 uBar = Pixel(5, 242);
	EXPECT_EQ(0u, uBar & 0xffff);
	EXPECT_NEAR(0x97, (uBar >> 16) & 0xff, 2);   // 0xC8 at alpha 0xC0 over black
	EXPECT_EQ(uBar, Pixel(5, 271));

	// The hint at the right end: the button picture, then its label in ink.
	const LibGfx_CObjIcon& oHint = Tooltip()->mo_KeyIcon[TT::ke_KeyId_Cross];
	const int iPicture = static_cast<int>(oHint.mo_Pos.x);
	EXPECT_EQ(480 - 4, iPicture + oHint.GetWidth());
	int iPictureInk = 0, iLabelInk = 0, iOutside = 0;
	for (int y = 242; y < 272; ++y)
		for (int x = iPicture - 4; x < 480; ++x)
		{
			const u32 u = Pixel(static_cast<u16>(x), static_cast<u16>(y));
			if (x < iPicture || x >= 476)
				iOutside += u != uBar;
			else if (x < iPicture + 24)
				iPictureInk += u != uBar;
			else
				iLabelInk += (u & 0xff) > 0xc0;
		}
	EXPECT_EQ(0, iOutside);
	EXPECT_GT(iPictureInk, 100);
	EXPECT_GT(iLabelInk, 40);
}
