#include "GfxTestFixture.h"

#include "LibGen_CManagerPlugin.h"
#include "LibGfx_CManagerCamera.h"
#include "LibGfx_CManagerMenu.h"
#include "LibGfx_CMenu.h"
#include "LibGfx_CMenuItemBase.h"
#include "LibGfx_CPolyQuad.h"
#include "LibInput_ManagerKey.h"

#include <cmath>
#include <string>

namespace
{
	typedef CVector3d<float> V3;
	const float kf_Face = static_cast<float>(2.0 * M_PI / 3.0);

	// An item of a given width that records what the menu asks of it.
	struct SItem : LibGfx_CMenuItemBase
	{
		explicit SItem(bool ab_Selectable, float af_Width = 100.0f)
		{
			mb_Selectable = ab_Selectable;
			mo_Obj.SetCorners(V3(0, 0, 0), V3(af_Width, -50, 0));
		}
		void Select() override { s_Log += "S"; }
		void Unselect() override { s_Log += "U"; }
		void ProcessInput(enumInput ae_Input) override { s_Log += static_cast<char>('0' + ae_Input); }
		std::string s_Log;
	};

	// One frame in which the buttons go up after being held the frame before.
	void Release(u32 au32_Keys)
	{
		LibInput_ManagerKey::Instance()->UpdateCommon(au32_Keys & ku_Key_BitMask);
		LibInput_ManagerKey::Instance()->UpdateCommon(0);
	}
	void NoKeys() { LibInput_ManagerKey::Instance()->UpdateCommon(0); }

	bool Visible(const LibGfx_CObjBase& ao_Obj) { return ao_Obj.mu32_State & LibGfx_CObjBase::ke_Obj_Visible; }

	class Menu : public ::testing::Test
	{
	protected:
		void SetUp() override { NoKeys(); }
		LibGfx_CMenu mo_Menu;
	};
}

TEST_F(Menu, NavigationSkipsUnselectableItemsWithoutWrapping)
{
	SItem oA(true), oB(false), oC(true);
	mo_Menu.AddMenuItem(&oA);
	mo_Menu.AddMenuItem(&oB);
	mo_Menu.AddMenuItem(&oC);
	EXPECT_EQ("S", oA.s_Log);   // the first item is current from the start

	Release(ke_Key_Right);
	mo_Menu.Update();
	EXPECT_EQ(2, mo_Menu.mu8_Selected);
	EXPECT_EQ("SU", oA.s_Log);
	EXPECT_EQ("", oB.s_Log);
	EXPECT_EQ("S", oC.s_Log);

	Release(ke_Key_Right);
	mo_Menu.Update();
	EXPECT_EQ(2, mo_Menu.mu8_Selected);
	EXPECT_EQ("S", oC.s_Log);

	Release(ke_Key_Left);
	mo_Menu.Update();
	EXPECT_EQ(0, mo_Menu.mu8_Selected);
	EXPECT_EQ("SUS", oA.s_Log);
	EXPECT_EQ("SU", oC.s_Log);

	// Cross, Up and Down released together reach the current item in that order.
	Release(ke_Key_Cross | ke_Key_Down | ke_Key_Up);
	mo_Menu.Update();
	EXPECT_EQ("SUS021", oA.s_Log);
	EXPECT_EQ("", oB.s_Log);
}

TEST_F(Menu, ItemsShareTheBandInEqualSlots)
{
	SItem oA(true), oB(true);
	mo_Menu.AddMenuItem(&oA);
	EXPECT_EQ(190.0f, oA.mo_Obj.mo_Pos.x);   // 4 + (472 - 100) / 2
	mo_Menu.AddMenuItem(&oB);
	EXPECT_EQ(72.0f, oA.mo_Obj.mo_Pos.x);
	EXPECT_EQ(308.0f, oB.mo_Obj.mo_Pos.x);
	EXPECT_EQ(-6.0f, oB.mo_Obj.mo_Pos.y);
	EXPECT_EQ(0x11u, oB.mo_Obj.mu32_Align);
	EXPECT_EQ(&mo_Menu.mo_Obj, oB.mo_Obj.mp_Parent);

	// Items of different widths each take their own width and an equal share of the 72 units
	// left between the band's 4-unit edges, so none runs into the next one or near the screen's
	// side; each stands on a whole unit.
	SItem oWide(true, 200.0f);
	mo_Menu.AddMenuItem(&oWide);
	EXPECT_EQ(16.0f, oA.mo_Obj.mo_Pos.x);     // 4 + 72 / 3 / 2
	EXPECT_EQ(140.0f, oB.mo_Obj.mo_Pos.x);    // + 100 + 72 / 3
	EXPECT_EQ(264.0f, oWide.mo_Obj.mo_Pos.x);

	// A row wider than the band runs from one 4-unit edge to the other, its items drawn together
	// by what it lacks (228 units, 76 between two items).
	SItem oWider(true, 300.0f);
	mo_Menu.AddMenuItem(&oWider);
	EXPECT_EQ(4.0f, oA.mo_Obj.mo_Pos.x);
	EXPECT_EQ(28.0f, oB.mo_Obj.mo_Pos.x);
	EXPECT_EQ(176.0f, oWider.mo_Obj.mo_Pos.x);   // its right edge at 476
}

namespace
{
	// A loaded menu manager over fresh camera and plug-in managers.
	class MenuManager : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			NoKeys();
			Manager()->Load();
		}
		void TearDown() override
		{
			// A release left for the next test would reach its menus.
			NoKeys();
			LibGfx_CManagerMenu* pManager = Manager();
			if (pManager->IsActive())
				pManager->Stop();
			// The slide must leave the plug-in list before its owner goes.
			if (pManager->mo_Slide.mb_Loaded)
			{
				pManager->mo_Slide.Unload();
				LibGen_CManagerPlugin::Instance()->Update();
			}
			delete LibGfx_CManagerMenu::sp_instance;
			LibGfx_CManagerMenu::sp_instance = nullptr;
			delete LibGfx_CManagerCamera::sp_instance;
			LibGfx_CManagerCamera::sp_instance = nullptr;
		}
		LibGfx_CManagerMenu* Manager() { return LibGfx_CManagerMenu::Instance(); }
		void Updates(int ai_Count)
		{
			for (int i = 0; i < ai_Count; ++i)
				Manager()->Update();
		}
		// Menus of one item each, opened one after the other, every roll run to its end.
		void Open(int ai_Count)
		{
			for (int i = 0; i < ai_Count; ++i)
			{
				mo_Menu[i].AddMenuItem(&mo_Item[i]);
				Manager()->MenuAdd(&mo_Menu[i]);
				Updates(42);
			}
		}

		LibGfx_CMenu mo_Menu[5];
		SItem mo_Item[5] = {SItem(true), SItem(true), SItem(true), SItem(true), SItem(true)};
	};
}

TEST_F(MenuManager, OpeningAMenuRollsOneFaceIn42Frames)
{
	Manager()->Start();
	Open(1);
	EXPECT_EQ(&Manager()->mo_Face[0], mo_Menu[0].mo_Obj.mp_Parent);
	mo_Menu[1].AddMenuItem(&mo_Item[1]);
	Manager()->MenuAdd(&mo_Menu[1]);
	EXPECT_EQ(-0.05f, Manager()->mf_Speed);
	EXPECT_EQ(&Manager()->mo_Face[1], mo_Menu[1].mo_Obj.mp_Parent);
	EXPECT_TRUE(Visible(mo_Menu[1].mo_Obj));
	Updates(41);
	EXPECT_NE(0.0f, Manager()->mf_Speed);
	Updates(1);
	EXPECT_EQ(0.0f, Manager()->mf_Speed);
	EXPECT_EQ(static_cast<float>(-2.0 * M_PI / 3.0), Manager()->mf_Angle);
	EXPECT_EQ(Manager()->mf_Angle, Manager()->mo_Prism.mo_RotLocal.x);
}

TEST_F(MenuManager, CircleRollsBackAndHidesTheClosedMenu)
{
	Manager()->Start();
	Open(2);
	ASSERT_FLOAT_EQ(-kf_Face, Manager()->mf_Angle);
	Release(ke_Key_Circle);
	Manager()->Update();
	EXPECT_EQ(1, Manager()->mu8_MenuCount);
	EXPECT_EQ(0.05f, Manager()->mf_Speed);
	EXPECT_TRUE(Manager()->IsActive());
	NoKeys();
	Updates(41);
	EXPECT_TRUE(Visible(mo_Menu[1].mo_Obj));   // still in sight while rolling away
	Updates(1);
	EXPECT_FALSE(Visible(mo_Menu[1].mo_Obj));
	EXPECT_TRUE(Visible(mo_Menu[0].mo_Obj));
	EXPECT_EQ(0.0f, Manager()->mf_Angle);
	EXPECT_EQ(0.0f, Manager()->mf_Speed);
	EXPECT_EQ(0, Manager()->mu8_MenuRemoved);
}

TEST_F(MenuManager, CircleOnTheLastMenuStopsAtOnce)
{
	Manager()->Start();
	Open(1);
	LibGfx_CManagerCamera* pCameras = LibGfx_CManagerCamera::Instance();
	EXPECT_EQ(&Manager()->mo_Camera, pCameras->mo_CameraList.front());
	Release(ke_Key_Circle);
	Manager()->Update();
	EXPECT_FALSE(Manager()->IsActive());
	EXPECT_EQ(0, Manager()->mu8_MenuCount);
	EXPECT_TRUE(pCameras->mo_CameraList.empty());
	EXPECT_TRUE(Manager()->mo_Slide.mb_Loaded);
	EXPECT_EQ(LibGfx_Plugin_CObjSlide::ke_Slide_Out, Manager()->mo_Slide.me_Type);
	// The prism leaves to the right over a second and is hidden.
	for (int i = 0; i < 61; ++i)
		LibGen_CManagerPlugin::Instance()->Update();
	EXPECT_FALSE(Visible(Manager()->mo_Prism));
	EXPECT_EQ(480.0f, Manager()->mo_Prism.mo_Pos.x);
}

TEST_F(MenuManager, AFourthMenuTakesTheFirstOnesFace)
{
	Manager()->Start();
	Open(4);
	EXPECT_EQ(&Manager()->mo_Face[0], mo_Menu[3].mo_Obj.mp_Parent);
	EXPECT_FALSE(Visible(mo_Menu[0].mo_Obj));
	EXPECT_FLOAT_EQ(-3 * kf_Face, Manager()->mf_Angle);
	EXPECT_EQ(3, Manager()->MenuRemCurrent());
	Updates(42);
	EXPECT_TRUE(Visible(mo_Menu[0].mo_Obj));
	EXPECT_FALSE(Visible(mo_Menu[3].mo_Obj));

	// Closing them all detaches every open menu.
	Manager()->MenuRemAll();
	for (int i = 0; i < 3; ++i)
	{
		EXPECT_EQ(&LibGfx_CObjBase::so_RootObject, mo_Menu[i].mo_Obj.mp_Parent);
		EXPECT_FALSE(Visible(mo_Menu[i].mo_Obj));
		LibGfx_CObjBase::so_RootObject.RemChild(&mo_Menu[i].mo_Obj);
	}
	EXPECT_EQ(0.0f, Manager()->mf_Angle);
	EXPECT_EQ(0, Manager()->MenuRemCurrent());
}

TEST_F(MenuManager, StoppingAgainChangesNothingAndNoClosedMenuStaysOnAFace)
{
	Manager()->Start();
	Open(2);
	// The submenu closed with Circle stays on its face, hidden, until every menu goes.
	Release(ke_Key_Circle);
	Manager()->Update();
	NoKeys();
	Updates(42);
	EXPECT_EQ(&Manager()->mo_Face[1], mo_Menu[1].mo_Obj.mp_Parent);

	// Circle on the root menu stops the manager; the owner's own Stop a frame later must not
	// start the slide-out over.
	Release(ke_Key_Circle);
	Manager()->Update();
	ASSERT_FALSE(Manager()->IsActive());
	for (int i = 0; i < 10; ++i)
		LibGen_CManagerPlugin::Instance()->Update();
	const float fProgress = Manager()->mo_Slide.mf_Progress;
	ASSERT_GT(fProgress, 0.0f);
	Manager()->Stop();
	EXPECT_EQ(fProgress, Manager()->mo_Slide.mf_Progress);

	for (const LibGfx_CObjBase& oFace : Manager()->mo_Face)
		EXPECT_TRUE(oFace.mo_ChildList.empty());
	for (LibGfx_CMenu* pMenu : Manager()->mpo_Menu)
		EXPECT_EQ(nullptr, pMenu);
	for (int i = 0; i < 2; ++i)
		EXPECT_FALSE(Visible(mo_Menu[i].mo_Obj));
}

// A menu destroyed while open leaves the stack: the rolls, the top menu's input and the final
// Stop no longer reach it (under AddressSanitizer they read the freed menu).
TEST_F(MenuManager, AMenuDestroyedWhileOpenLeavesTheStack)
{
	Manager()->Start();
	Open(1);
	{
		LibGfx_CMenu oGone;
		SItem oItem(true);
		oGone.AddMenuItem(&oItem);
		Manager()->MenuAdd(&oGone);
		Updates(10);
	}
	EXPECT_EQ(nullptr, Manager()->mpo_Menu[1]);
	EXPECT_TRUE(Manager()->mo_Face[1].mo_ChildList.empty());
	Updates(32);
	Release(ke_Key_Right | ke_Key_Cross);
	Manager()->Update();
	Release(ke_Key_Circle);
	Manager()->Update();
	NoKeys();
	Updates(42);
	EXPECT_EQ(1, Manager()->mu8_MenuCount);
	EXPECT_TRUE(Visible(mo_Menu[0].mo_Obj));
}

namespace
{
	class MenuRender : public GfxTest
	{
	protected:
		void TearDown() override
		{
			LibGfx_CManagerMenu* pManager = LibGfx_CManagerMenu::Instance();
			pManager->Stop();
			pManager->mo_Slide.Unload();
			LibGen_CManagerPlugin::Instance()->Update();
			delete LibGfx_CManagerMenu::sp_instance;
			LibGfx_CManagerMenu::sp_instance = nullptr;
			GfxTest::TearDown();
		}
	};
}

TEST_F(MenuRender, TheBandCrossesTheScreen)
{
	LibGfx_CManagerMenu* pManager = LibGfx_CManagerMenu::Instance();
	pManager->Load();
	LibGfx_CMenu oMenu;
	SItem oItem(true, 40.0f);
	LibGfx_CPolyQuad oQuad;
	oQuad.Set(V3(0, 0, 0), V3(40, -40, 0), 0xff0000ffu);
	oItem.mo_Obj.AddPoly(&oQuad);
	oMenu.AddMenuItem(&oItem);
	pManager->MenuAdd(&oMenu);
	pManager->Start();
	for (int i = 0; i < 61; ++i)
	{
		LibGen_CManagerPlugin::Instance()->Update();
		pManager->Update();
		DrawFrame();
	}
	ASSERT_EQ(0.0f, pManager->mo_Prism.mo_Pos.x);

	// Translucent blue from edge to edge between its two opaque lines, one unit a pixel.
	for (u16 uX : {0, 100, 479})
	{
		EXPECT_EQ(0xff000000u, Pixel(uX, ScreenY(40)) | 0xff000000u) << uX;
		EXPECT_EQ(0xc8u, (Pixel(uX, ScreenY(35.5f)) >> 16) & 0xff) << uX;
		EXPECT_NEAR(0x97, (Pixel(uX, ScreenY(20)) >> 16) & 0xff, 2) << uX;   // 0xC8 at alpha 0xC0 over black
		EXPECT_EQ(0u, Pixel(uX, ScreenY(20)) & 0xffff) << uX;
		EXPECT_EQ(0xc8u, (Pixel(uX, ScreenY(-35.5f)) >> 16) & 0xff) << uX;
		EXPECT_EQ(0xff000000u, Pixel(uX, ScreenY(-40)) | 0xff000000u) << uX;
	}
	// The item, centred in its slot, hangs 6 units below the top of the band's top line.
	EXPECT_EQ(0xff0000ffu, Pixel(ScreenX(-19.5f), ScreenY(29.5f)));
	EXPECT_EQ(0xff0000ffu, Pixel(ScreenX(19.5f), ScreenY(-9.5f)));
	EXPECT_NE(0xff0000ffu, Pixel(ScreenX(-20.5f), ScreenY(0)));
	EXPECT_NE(0xff0000ffu, Pixel(ScreenX(20.5f), ScreenY(0)));
	EXPECT_NE(0xff0000ffu, Pixel(ScreenX(0), ScreenY(30.5f)));
	// The menu goes before the fixture stops the manager: it has left the manager's stack.
}

TEST_F(MenuRender, AtRestOnlyTheFaceTowardsThePlayerIsDrawn)
{
	LibGfx_CManagerMenu* p_Manager = LibGfx_CManagerMenu::Instance();
	p_Manager->Load();
	// A red item on the root menu, a submenu with an item of no colour of its own.
	LibGfx_CMenu o_Root, o_Sub;
	SItem o_Red(true, 100.0f), o_Plain(true, 100.0f);
	LibGfx_CPolyQuad o_Quad;
	o_Quad.Set(V3(0, 0, 0), V3(100, -50, 0), 0xff0000ffu);
	o_Red.mo_Obj.AddPoly(&o_Quad);
	o_Root.AddMenuItem(&o_Red);
	o_Sub.AddMenuItem(&o_Plain);
	p_Manager->MenuAdd(&o_Root);
	p_Manager->Start();
	const auto RedPixels = [this]() {
		int i_Red = 0;
		for (u16 y = 0; y < 272; ++y)
			for (u16 x = 0; x < 480; ++x)
				i_Red += (Pixel(x, y) & 0xff) > 0x20;
		return i_Red;
	};
	for (int i = 0; i < 61; ++i)
	{
		LibGen_CManagerPlugin::Instance()->Update();
		p_Manager->Update();
	}
	DrawFrame();
	EXPECT_GT(RedPixels(), 4000);

	// The submenu rolls in; the root's face, turned away behind the band, is gone once it rests.
	p_Manager->MenuAdd(&o_Sub);
	p_Manager->Update();
	DrawFrame();
	EXPECT_GT(RedPixels(), 0);
	for (int i = 0; i < 41; ++i)
		p_Manager->Update();
	ASSERT_EQ(0.0f, p_Manager->mf_Speed);
	DrawFrame();
	EXPECT_EQ(0, RedPixels());

	// Back on the root, it alone is drawn again: its red, and nothing of the submenu's face.
	p_Manager->MenuRemCurrent();
	for (int i = 0; i < 42; ++i)
		p_Manager->Update();
	DrawFrame();
	EXPECT_GT(RedPixels(), 4000);
	EXPECT_FALSE(Visible(p_Manager->mo_Face[1]));
	EXPECT_FALSE(Visible(p_Manager->mo_Face[2]));
}
