#include "GameMode/Mode_KanjiList/CState_KanjiListLoad.h"

#include "CConfig.h"
#include "GameMode/GameView.h"
#include "LibGfx_CManagerCamera.h"
#include "LibGfx_CManagerTooltip.h"
#include "LibInput_ManagerKey.h"
#include "LibText_CManagerString.h"
#include "StringIds.h"

#include <cstdio>

namespace
{
	const CVector2d<float> ko_WindowSize(300.0f, 200.0f);
	// Centred, the window's bottom edge covered the bar's title line: it stands 16 units up, its
	// top frame still on the screen.
	const float kf_WindowRaise = 16.0f;
}

CState_KanjiListLoad::CState_KanjiListLoad()
	: mas_ListLine(), map_ListName()
{
}

void CState_KanjiListLoad::LoadAlways()
{
	LibKanji_CKanjiList* p_Lists = LibKanji_CKanjiList::Instance();
	const LibText_CManagerString* p_Strings = LibText_CManagerString::Instance();
	const u8 u8_Count = p_Lists->GetListCount() < ku_ListName_Max ? p_Lists->GetListCount() : static_cast<u8>(ku_ListName_Max);
	u8 u8_Loaded = 0;
	for (u8 i = 0; i < u8_Count; ++i)
	{
		const LibKanji_CKanjiList::SListInfo* p_List = p_Lists->GetListInfo(i);
		// A player's list named as a list before it is kept, and marked as theirs.
		const bool b_Marked = p_List->mb_Own && p_Lists->GetListInfo(p_List->mp_Name) != p_List;
		snprintf(mas_ListLine[i], sizeof(mas_ListLine[i]), "%s%s%s (%u)", p_List->GetName(p_Strings->GetLanguage()),
		         b_Marked ? " " : "", b_Marked ? p_Strings->GetString(ke_String_OwnListMark) : "",
		         static_cast<unsigned>(p_Lists->GetKanjiCount(i)));
		map_ListName[i] = mas_ListLine[i];
		if (p_List == p_Lists->mp_ListLoaded)
			u8_Loaded = i;
	}

	mo_WndList.SetParent(nullptr);
	mo_WndList.Set(ko_WindowSize, LibGfx_CObjWndThemed::ke_WinTheme_Alt);
	mo_WndList.mo_Pos.y = kf_WindowRaise;
	mo_WndList.Load(map_ListName, u8_Count);
	mo_WndList.Scroll(static_cast<s8>(u8_Loaded));

	LibGfx_CManagerTooltip* p_Tooltip = LibGfx_CManagerTooltip::Instance();
	p_Tooltip->ClearTxtAll();
	// The screen says what it is, as every other one does: the menu entry's own label.
	p_Tooltip->SetTxtMain(0, ke_String_MenuKanjiLists);
	p_Tooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Cross, ke_String_Choose);
	p_Tooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Circle, ke_String_MenuBack);
}

void CState_KanjiListLoad::Leave()
{
	mo_WndList.Unload();
	State_Remove();
}

void CState_KanjiListLoad::Main()
{
	// At the same scale whichever camera looks, the menu's on the way out included.
	mo_WndList.mo_Pos.z = LibGfx_CManagerCamera::Instance()->GetPosEye()->z - kf_View_Distance;
	mo_WndList.mu32_State |= LibGfx_CObjBase::ke_Obj_Dirty;

	const LibInput_ManagerKey* pKeys = LibInput_ManagerKey::Instance();
	if (pKeys->KeyReleaseAny(ke_Key_Up))
		mo_WndList.Scroll(-1);
	else if (pKeys->KeyReleaseAny(ke_Key_Down))
		mo_WndList.Scroll(1);
	else if (pKeys->KeyReleaseAny(ke_Key_Circle))
		Leave();
	else if (pKeys->KeyReleaseAny(ke_Key_Cross) && mo_WndList.mu8_ItemTotal > 0)
	{
		LibKanji_CKanjiList* p_Lists = LibKanji_CKanjiList::Instance();
		p_Lists->Load_KanjiList(mo_WndList.mu8_ItemSelected);
		// The next start opens on it.
		CConfig::SaveSetting("StartupList", p_Lists->GetListInfo(mo_WndList.mu8_ItemSelected)->mp_Name);
		Leave();
	}
}
