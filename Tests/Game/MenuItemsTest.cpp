#include "KanjiWndFixture.h"

#include "LibGfx_CManagerMenu.h"
#include "LibGfx_CMenu.h"
#include "LibInput_ManagerKey.h"
#include "MenuItems/CMenuItem_Callback.h"
#include "MenuItems/CMenuItem_Label.h"
#include "MenuItems/CMenuItem_SubMenu.h"

#include <memory>
#include <string>

namespace
{
	// An action that writes down its calls and its own end.
	class CActionLog : public LibGen_FunctorBase1<int>
	{
	public:
		CActionLog(std::string& as_Log, int ai_Param) : LibGen_FunctorBase1<int>(ai_Param), ms_Log(as_Log) {}
		~CActionLog() override { ms_Log += "~"; }
		void operator()(int ai_Param) const override { ms_Log += std::to_string(ai_Param); }
		std::string& ms_Log;
	};

	class MenuItems : public KanjiWnd
	{
	protected:
		void Init(CMenuItem_Callback& ao_Item, int ai_Param)
		{
			ao_Item.Init(std::make_unique<CActionLog>(ms_Log, ai_Param), ke_Tex_Icon_MainEmpty, 12, &goFontAscii,
			             gu8_Palettes[ke_Palette_1]);
		}
		// One frame in which the buttons go up after being held the frame before.
		static void Release(u32 au32_Keys)
		{
			LibInput_ManagerKey::Instance()->UpdateCommon(au32_Keys);
			LibInput_ManagerKey::Instance()->UpdateCommon(0);
		}
		std::string ms_Log;
	};
}

TEST_F(MenuItems, ACallbackEntryRunsItsOwnActionOnCrossOnlyAndFreesItOnce)
{
	{
		CMenuItem_Callback oItem;
		Init(oItem, 7);
		oItem.ProcessInput(LibGfx_CMenuItemBase::ke_Input_Down);
		oItem.ProcessInput(LibGfx_CMenuItemBase::ke_Input_Up);
		oItem.ProcessInput(LibGfx_CMenuItemBase::ke_Input_Cross);
		EXPECT_EQ("7", ms_Log);
		// A second action replaces the first, which goes at once.
		Init(oItem, 8);
		EXPECT_EQ("7~", ms_Log);
		oItem.ProcessInput(LibGfx_CMenuItemBase::ke_Input_Cross);
		EXPECT_EQ("7~8", ms_Log);
	}
	EXPECT_EQ("7~8~", ms_Log);

	// Without an action Cross does nothing; selecting presses the icon.
	CMenuItem_Callback oInert;
	oInert.Init(nullptr, ke_Tex_Icon_MainEmpty, 18, &goFontAscii, gu8_Palettes[ke_Palette_1]);
	oInert.ProcessInput(LibGfx_CMenuItemBase::ke_Input_Cross);
	EXPECT_TRUE(oInert.mb_Selectable);
	oInert.Select();
	EXPECT_TRUE(oInert.mo_Icon.IsSelected());
	oInert.Unselect();
	EXPECT_FALSE(oInert.mo_Icon.IsSelected());
	EXPECT_EQ(18u, oInert.mo_Icon.mo_Text.TxtGetTextId());
}

TEST_F(MenuItems, ASubMenuEntryOpensItsMenuAndTheMenuSkipsLabels)
{
	LibGfx_CMenu oMenu, oSubMenu;
	CMenuItem_SubMenu oOpen;
	CMenuItem_Label oLabel;
	CMenuItem_Callback oLast;
	oOpen.Init(&oSubMenu, ke_Tex_Icon_MainEmpty, 10, &goFontAscii, gu8_Palettes[ke_Palette_1]);
	oLabel.Init(ke_Tex_Icon_MainQuit, 16, &goFontAscii, gu8_Palettes[ke_Palette_1]);
	Init(oLast, 3);
	oMenu.AddMenuItem(&oOpen);
	oMenu.AddMenuItem(&oLabel);
	oMenu.AddMenuItem(&oLast);
	EXPECT_TRUE(oOpen.mo_Icon.IsSelected());
	Release(ke_Key_Right);
	oMenu.Update();
	EXPECT_EQ(2, oMenu.mu8_Selected);

	LibGfx_CManagerMenu* pMenus = LibGfx_CManagerMenu::Instance();
	oOpen.ProcessInput(LibGfx_CMenuItemBase::ke_Input_Down);
	EXPECT_EQ(0, pMenus->mu8_MenuCount);
	oOpen.ProcessInput(LibGfx_CMenuItemBase::ke_Input_Cross);
	EXPECT_EQ(1, pMenus->mu8_MenuCount);
	EXPECT_EQ(&oSubMenu, pMenus->mpo_Menu[0]);
	pMenus->MenuRemAll();
	LibInput_ManagerKey::Instance()->UpdateCommon(0);
}

TEST_F(MenuItems, LabelsOfDifferentWidthsShareTheBandWithoutTouching)
{
	// The quiz menu's labels, wider together than equal slots allow.
	const u32 cu32_Label[] = {20, 22, 24, 28, 26, 30};
	LibGfx_CMenu oMenu;
	CMenuItem_Callback oItem[6];
	for (int i = 0; i < 6; ++i)
	{
		oItem[i].Init(nullptr, ke_Tex_Icon_MainFromRomanji, cu32_Label[i], &goFontAscii, gu8_Palettes[ke_Palette_1]);
		oMenu.AddMenuItem(&oItem[i]);
	}
	// Each label's left and right edge on the band, the shadow's shift included.
	float fRight = 0.0f;
	for (int i = 0; i < 6; ++i)
	{
		const LibGfx_CObjIconSelect& oIcon = oItem[i].mo_Icon;
		const float fWidth = oIcon.mo_Text.TxtGetWidth();
		CVector3d<float> oBox1, oBox2;
		oItem[i].mo_Obj.GetCorners(oBox1, oBox2, false);
		const float fCentre = oItem[i].mo_Obj.mo_Pos.x - oBox1.x + oIcon.mo_Pos.x + oIcon.mo_Shadow.mo_Pos.x;
		const float fLeft = fCentre - static_cast<float>(static_cast<u16>(fWidth) / 2);
		EXPECT_GT(fLeft, fRight + 2.0f) << i;
		fRight = fLeft + fWidth;
	}
	EXPECT_LE(fRight, 480.0f);
}
