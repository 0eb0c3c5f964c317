#include "TextObjFixture.h"

#include "LibGfx_CObjIconSelect.h"

namespace
{
	typedef CVector3d<float> V3;
	const u16 ku16_Picture = ke_Tex_Icon_MainEmpty;

	// A 20 x 10 red picture and the label "AAAAAA" of solid 4 x 6 glyphs: 24 x 6.
	class ObjIcon : public TextObjTest
	{
	protected:
		void SetUp() override
		{
			TextObjTest::SetUp();
			MakePicture(ku16_Picture, 20, 10, 0xff0000ffu);
			ASSERT_TRUE(LoadFont(mo_Font, 4, 6, std::vector<u8>(6, 0x0f)));
			ASSERT_TRUE(LoadStrings({"AAAAAA"}));
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
		u16 u16_Width;
		V3 o_In, o_Out;   // on screen, half a unit either side of the picture's edge
	};
	const SCase aCases[] =
	{
		{LibGfx_CObjIcon::ke_TextPos_Left, 0x24, 44, V3(-9.5f, 0, 0), V3(-10.5f, 0, 0)},
		{LibGfx_CObjIcon::ke_TextPos_Top, 0x42, 24, V3(0, 4.5f, 0), V3(0, 5.5f, 0)},
		{LibGfx_CObjIcon::ke_TextPos_Right, 0x21, 44, V3(9.5f, 0, 0), V3(10.5f, 0, 0)},
		{LibGfx_CObjIcon::ke_TextPos_Bottom, 0x12, 24, V3(0, -4.5f, 0), V3(0, -5.5f, 0)},
	};
	LibGfx_CObjIcon oIcon;
	oIcon.SetParent(nullptr);
	for (const SCase& c : aCases)
	{
		SCOPED_TRACE(c.e_Pos);
		oIcon.Load(ku16_Picture, 1, &mo_Font, mu8_Palette, c.e_Pos);
		EXPECT_EQ(c.u32_Align, oIcon.mo_Text.mu32_Align);
		EXPECT_EQ(c.u16_Width, oIcon.GetWidth());
		DrawFrame();
		EXPECT_EQ(0xff0000ffu, At(c.o_In.x, c.o_In.y));
		EXPECT_EQ(0xffffffffu, At(c.o_Out.x, c.o_Out.y));
		EXPECT_EQ(0xff000000u, At(c.o_Out.x * 4, c.o_Out.y * 4)) << "the label ends where it should";
	}
	// Any other position leaves the label where it was, its width the label's own.
	oIcon.Load(ku16_Picture, 1, &mo_Font, mu8_Palette, static_cast<LibGfx_CObjIcon::enumTextPos>(7));
	EXPECT_EQ(0x12u, oIcon.mo_Text.mu32_Align);
	EXPECT_EQ(24, oIcon.GetWidth());
	// Without a font only the picture shows.
	oIcon.Load(ku16_Picture, 1, nullptr, mu8_Palette, LibGfx_CObjIcon::ke_TextPos_Right);
	EXPECT_EQ(0, oIcon.mo_Text.mu16_TextureId);
	EXPECT_EQ(20, oIcon.GetWidth());
}

TEST_F(ObjIcon, SelectedIconMovesOnceOntoItsShadow)
{
	LibGfx_CObjIconSelect oIcon(0);
	oIcon.Load(ku16_Picture, 1, &mo_Font, 3, mu8_Palette, LibGfx_CObjIcon::ke_TextPos_Right);
	oIcon.SetSelected(false);
	EXPECT_EQ(V3(0, 0, 0), oIcon.mo_Pos) << "not selected already: nothing moves";
	EXPECT_EQ(V3(6, -6, 0), oIcon.mo_Shadow.mo_Pos);

	oIcon.SetSelected(true);
	oIcon.SetSelected(true);
	EXPECT_EQ(V3(6, -6, 0), oIcon.mo_Pos);
	EXPECT_EQ(V3(0, 0, 0), oIcon.mo_Shadow.mo_Pos);
	EXPECT_EQ(3, oIcon.mo_Text.TxtGetPalette());

	oIcon.SetSelected(false);
	EXPECT_EQ(V3(0, 0, 0), oIcon.mo_Pos);
	EXPECT_EQ(V3(6, -6, 0), oIcon.mo_Shadow.mo_Pos);
	EXPECT_EQ(mu8_Palette, oIcon.mo_Text.TxtGetPalette());
}
