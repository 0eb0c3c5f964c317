#include "TextObjFixture.h"

#include "LibGfx_CObjIconSelect.h"

namespace
{
	typedef CVector3d<float> V3;
	const u32 ku32_Black = 0xff000000u;
	const u32 ku32_Red = 0xff0000ffu;
	const u32 ku32_White = 0xffffffffu;
	const u16 ku16_Picture = ke_Tex_Icon_MainEmpty;

	// A 20 x 10 red picture and a label "AAAAAA" of solid 4 x 6 glyphs: 24 x 6.
	class ObjIcon : public TextObjTest
	{
	protected:
		void SetUp() override
		{
			TextObjTest::SetUp();
			MakePicture(ku16_Picture, 20, 10, ku32_Red);
			ASSERT_TRUE(LoadFont(mo_Font, 4, 6, std::vector<u8>(6, 0x0f)));
			ASSERT_TRUE(LoadStrings({"AAAAAA"}));
		}
		static void Show(LibGfx_CObjBase& ao_Object)
		{
			ao_Object.SetParent(nullptr);
			ao_Object.mu32_State |= LibGfx_CObjBase::ke_Obj_Visible;
		}
		u32 At(float af_X, float af_Y) const { return Pixel(ScreenX(af_X), ScreenY(af_Y)); }

		LibText_CFont mo_Font;
	};
}

TEST_F(ObjIcon, LabelSitsJustOutsideThePictureOnItsSide)
{
	struct SCase
	{
		LibGfx_CObjIcon::enumTextPos e_Pos;
		u32 u32_Align;
		V3 o_Pos;
		u16 u16_Width;
		V3 o_LabelCentre;   // on screen
		V3 o_In, o_Out;     // half a unit either side of the picture's edge
	};
	const SCase aCases[] =
	{
		{LibGfx_CObjIcon::ke_TextPos_Left, 0x24, V3(-20, 0, 0), 44, V3(-22, 0, 0), V3(-9.5f, 0, 0), V3(-10.5f, 0, 0)},
		{LibGfx_CObjIcon::ke_TextPos_Top, 0x42, V3(0, 10, 0), 24, V3(0, 8, 0), V3(0, 4.5f, 0), V3(0, 5.5f, 0)},
		{LibGfx_CObjIcon::ke_TextPos_Right, 0x21, V3(20, 0, 0), 44, V3(22, 0, 0), V3(9.5f, 0, 0), V3(10.5f, 0, 0)},
		{LibGfx_CObjIcon::ke_TextPos_Bottom, 0x12, V3(0, -10, 0), 24, V3(0, -8, 0), V3(0, -4.5f, 0), V3(0, -5.5f, 0)},
	};
	LibGfx_CObjIcon oIcon;
	EXPECT_FALSE(oIcon.mu32_State & LibGfx_CObjBase::ke_Obj_Visible);
	Show(oIcon);
	for (const SCase& c : aCases)
	{
		SCOPED_TRACE(c.e_Pos);
		oIcon.Load(ku16_Picture, 1, &mo_Font, mu8_Palette, c.e_Pos);
		EXPECT_EQ(c.u32_Align, oIcon.mo_Text.mu32_Align);
		EXPECT_EQ(c.o_Pos, oIcon.mo_Text.mo_Pos);
		EXPECT_EQ(c.u16_Width, oIcon.GetWidth());
		EXPECT_EQ(LibText_CTextBase::ke_TxtAlign_Center, oIcon.mo_Text.TxtGetAlign() & 0x0f);

		DrawFrame();
		EXPECT_EQ(ku32_Red, At(0, 0));
		for (const SCase& o : aCases)
			EXPECT_EQ(&o == &c ? ku32_White : ku32_Black, At(o.o_LabelCentre.x, o.o_LabelCentre.y)) << "label of " << o.e_Pos;
		// The label touches the picture without covering it.
		EXPECT_EQ(ku32_Red, At(c.o_In.x, c.o_In.y));
		EXPECT_EQ(ku32_White, At(c.o_Out.x, c.o_Out.y));
	}
}

TEST_F(ObjIcon, NullFontShowsOnlyThePicture)
{
	LibGfx_CObjIcon oIcon(7);
	EXPECT_EQ(7u, oIcon.mu32_Id);
	oIcon.Load(ku16_Picture, 1, &mo_Font, mu8_Palette, LibGfx_CObjIcon::ke_TextPos_Right);
	ASSERT_NE(0, oIcon.mo_Text.mu16_TextureId);
	oIcon.Load(ku16_Picture, 1, nullptr, mu8_Palette, LibGfx_CObjIcon::ke_TextPos_Right);
	EXPECT_TRUE(oIcon.mu32_State & LibGfx_CObjBase::ke_Obj_Visible);
	EXPECT_EQ(0, oIcon.mo_Text.mu16_TextureId);
	EXPECT_EQ(20, oIcon.GetWidth());

	Show(oIcon);
	DrawFrame();
	EXPECT_EQ(ku32_Red, At(0, 0));
	EXPECT_EQ(ku32_Black, At(22, 0));
}

TEST_F(ObjIcon, SelectedIconSitsOnItsShadowAndRecoloursItsLabel)
{
	const u8 u8_Green = LibGfx_CManagerTexture::Instance()->LockPalette();
	const u32 au32_Green[2] = {0, 0xff00ff00u};
	LibGfx_CManagerTexture::Instance()->SetPalette(u8_Green, au32_Green, 2);

	LibGfx_CObjIconSelect oIcon(0);
	EXPECT_EQ(V3(6, -6, 0), oIcon.mo_Shadow.mo_Pos);
	oIcon.Load(ku16_Picture, 1, &mo_Font, u8_Green, mu8_Palette, LibGfx_CObjIcon::ke_TextPos_Right);
	oIcon.SetSelected(false);
	EXPECT_EQ(V3(0, 0, 0), oIcon.mo_Pos) << "not selected already: nothing moves";
	EXPECT_EQ(mu8_Palette, oIcon.mo_Text.TxtGetPalette());

	// Not selected: the dark shadow shows below and right of the picture; the label hangs under
	// the shadow, beside its right edge.
	Show(oIcon);
	DrawFrame();
	EXPECT_EQ(ku32_Red, At(0, 0));
	const u32 uShadow = At(13, -8);
	EXPECT_NEAR(0x32, uShadow & 0xff, 3);
	EXPECT_EQ(0u, uShadow & 0xffff00);
	EXPECT_EQ(ku32_White, At(28, -6));

	oIcon.SetSelected(true);
	oIcon.SetSelected(true);
	EXPECT_EQ(V3(6, -6, 0), oIcon.mo_Pos) << "moved once";
	EXPECT_EQ(V3(0, 0, 0), oIcon.mo_Shadow.mo_Pos);
	EXPECT_TRUE(oIcon.IsSelected());
	DrawFrame();
	EXPECT_EQ(ku32_Red, At(13, -8)) << "the picture covers its shadow";
	EXPECT_EQ(ku32_Black, At(-8, 3));
	EXPECT_EQ(0xff00ff00u, At(28, -6)) << "same place, selected palette";

	oIcon.SetSelected(false);
	EXPECT_EQ(V3(0, 0, 0), oIcon.mo_Pos);
	EXPECT_EQ(V3(6, -6, 0), oIcon.mo_Shadow.mo_Pos);
	EXPECT_EQ(mu8_Palette, oIcon.mo_Text.TxtGetPalette());
}
