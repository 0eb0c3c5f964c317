#include "LibGfx_CMenu.h"

#include "LibGen_Utils.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CManagerMenu.h"
#include "LibGfx_CManagerTooltip.h"
#include "LibGfx_CMenuItemBase.h"
#include "LibInput_ManagerKey.h"

#include <cmath>

namespace
{
	// NOTE: an icon, its shadow and a label under them take 61 of the band's 68 inner units:
	// hung 6 units below the top line they clear the bottom line, descenders included.
	const float kf_ItemY = -6.0f;
}

LibGfx_CMenu::LibGfx_CMenu()
	: mpo_Item(), mu8_MenuTotal(0), mu8_Selected(0)
{
	mo_Obj.SetVisible(true);
	mo_Obj.mu32_Align = LibGfx_CObjBase::ke_Align_Left | LibGfx_CObjBase::ke_Align_Top;
}

LibGfx_CMenu::~LibGfx_CMenu()
{
	// The manager only links its menus: without this it would read a destroyed one next frame.
	if (LibGfx_CManagerMenu::sp_instance != nullptr)
		LibGfx_CManagerMenu::sp_instance->MenuForget(this);
}

void LibGfx_CMenu::ShowTooltip() const
{
	if (mu8_MenuTotal == 0)
		return;
	const u8 uLine = 0;
	const u32 uText = mpo_Item[mu8_Selected]->mu16_TooltipId;
	LibGfx_CManagerTooltip::Instance()->SetTxtMain(uLine, uText);
}

void LibGfx_CMenu::AddMenuItem(LibGfx_CMenuItemBase* ap_Item)
{
	LIBGEN_ASSERT(mu8_MenuTotal < ku_menu_item_max);
	mpo_Item[mu8_MenuTotal++] = ap_Item;
	ap_Item->mo_Obj.SetParent(&mo_Obj);
	if (mu8_MenuTotal == 1)
	{
		ap_Item->Select();
		ShowTooltip();
	}
	LayoutRow();
}

void LibGfx_CMenu::LayoutRow()
{
	LibGfx_CObjBase& oLast = mpo_Item[mu8_MenuTotal - 1]->mo_Obj;
	oLast.mo_Pos.y = kf_ItemY;
	oLast.mu32_State |= LibGfx_CObjBase::ke_Obj_Dirty;
	// NOTE: each item takes its own width and an equal share of the room left, half of it on
	// either side. Items of one width thus fall centred in equal slots, and a row of labels of
	// different widths still fits the band where equal slots would make the widest overlap.
	float fWidth[ku_menu_item_max];
	float fRoom = static_cast<float>(ku16_Screen_Width);
	for (u8 u = 0; u < mu8_MenuTotal; ++u)
	{
		CVector3d<float> oCorner1, oCorner2;
		mpo_Item[u]->mo_Obj.GetCorners(oCorner1, oCorner2, true);
		fWidth[u] = oCorner2.x - oCorner1.x;
		fRoom -= fWidth[u];
	}
	// Too wide a row starts at the band's left edge.
	const float fGap = fRoom > 0.0f ? fRoom / mu8_MenuTotal : 0.0f;
	float fX = fGap * 0.5f;
	for (u8 u = 0; u < mu8_MenuTotal; ++u)
	{
		LibGfx_CObjBase& oObj = mpo_Item[u]->mo_Obj;
		oObj.mu32_Align = LibGfx_CObjBase::ke_Align_Left | LibGfx_CObjBase::ke_Align_Top;
		// Whole units: a label between two screen pixels would be drawn blurred.
		oObj.mo_Pos.x = std::floor(fX + 0.5f);
		oObj.mu32_State |= LibGfx_CObjBase::ke_Obj_Dirty;
		fX += fWidth[u] + fGap;
	}
}

void LibGfx_CMenu::Navigate(int ai_Direction)
{
	for (int i = mu8_Selected + ai_Direction; i >= 0 && i < mu8_MenuTotal; i += ai_Direction)
	{
		if (!mpo_Item[i]->mb_Selectable)
			continue;
		mpo_Item[mu8_Selected]->Unselect();
		mpo_Item[i]->Select();
		mu8_Selected = static_cast<u8>(i);
		ShowTooltip();
		return;
	}
}

void LibGfx_CMenu::Update()
{
	// An empty menu has no item to act on.
	if (mu8_MenuTotal == 0)
		return;
	const LibInput_ManagerKey* pKeys = LibInput_ManagerKey::Instance();
	if (pKeys->KeyReleaseAny(ke_Key_Right))
		Navigate(1);
	else if (pKeys->KeyReleaseAny(ke_Key_Left))
		Navigate(-1);
	if (pKeys->KeyReleaseAny(ke_Key_Cross))
		mpo_Item[mu8_Selected]->ProcessInput(LibGfx_CMenuItemBase::ke_Input_Cross);
	if (pKeys->KeyReleaseAny(ke_Key_Up))
		mpo_Item[mu8_Selected]->ProcessInput(LibGfx_CMenuItemBase::ke_Input_Up);
	if (pKeys->KeyReleaseAny(ke_Key_Down))
		mpo_Item[mu8_Selected]->ProcessInput(LibGfx_CMenuItemBase::ke_Input_Down);
}
