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
	const u16 ku16_RowEdge = 4;
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
	LibGfx_CObjBase& o_Last = mpo_Item[mu8_MenuTotal - 1]->mo_Obj;
	o_Last.mo_Pos.y = kf_ItemY;
	o_Last.mu32_State |= LibGfx_CObjBase::ke_Obj_Dirty;
	// NOTE: each item takes its own width and an equal share of the room left, half of it on
	// either side. Items of one width thus fall centred in equal slots, and a row of labels of
	// different widths still fits the band where equal slots would make the widest overlap.
	// The row keeps 4 units clear of the screen's edges.
	float f_Width[ku_menu_item_max];
	float f_Room = static_cast<float>(ku16_Screen_Width - 2 * ku16_RowEdge);
	for (u8 u = 0; u < mu8_MenuTotal; ++u)
	{
		CVector3d<float> o_Corner1, o_Corner2;
		mpo_Item[u]->mo_Obj.GetCorners(o_Corner1, o_Corner2, true);
		f_Width[u] = o_Corner2.x - o_Corner1.x;
		f_Room -= f_Width[u];
	}
	// Too wide a row shares what it lacks between its items, which then reach into the room their
	// labels keep around them, and runs from edge to edge.
	const float f_Gap = f_Room >= 0.0f ? f_Room / mu8_MenuTotal : (mu8_MenuTotal > 1 ? f_Room / (mu8_MenuTotal - 1) : 0.0f);
	float f_X = ku16_RowEdge + (f_Room >= 0.0f ? f_Gap * 0.5f : 0.0f);
	for (u8 u = 0; u < mu8_MenuTotal; ++u)
	{
		LibGfx_CObjBase& o_Obj = mpo_Item[u]->mo_Obj;
		o_Obj.mu32_Align = LibGfx_CObjBase::ke_Align_Left | LibGfx_CObjBase::ke_Align_Top;
		// Whole units: a label between two screen pixels would be drawn blurred.
		o_Obj.mo_Pos.x = std::floor(f_X + 0.5f);
		o_Obj.mu32_State |= LibGfx_CObjBase::ke_Obj_Dirty;
		f_X += f_Width[u] + f_Gap;
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
