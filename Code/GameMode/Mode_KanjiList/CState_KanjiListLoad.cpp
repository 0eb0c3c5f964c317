#include "GameMode/Mode_KanjiList/CState_KanjiListLoad.h"

#include "GameMode/GameView.h"
#include "LibGfx_CManagerCamera.h"
#include "LibGfx_CManagerTooltip.h"
#include "LibInput_ManagerKey.h"
#include "LibText_CManagerString.h"
#include "StringIds.h"

namespace
{
	const CVector2d<float> ko_WindowSize(300.0f, 200.0f);
}

CState_KanjiListLoad::CState_KanjiListLoad()
	: map_ListName()
{
}

void CState_KanjiListLoad::LoadAlways()
{
	LibKanji_CKanjiList* p_Lists = LibKanji_CKanjiList::Instance();
	const u8 u8_Count = p_Lists->GetListCount() < ku_ListName_Max ? p_Lists->GetListCount() : static_cast<u8>(ku_ListName_Max);
	for (u8 i = 0; i < u8_Count; ++i)
		map_ListName[i] = Label(i);

	mo_WndList.SetParent(nullptr);
	mo_WndList.Set(ko_WindowSize, LibGfx_CObjWndThemed::ke_WinTheme_Alt);
	mo_WndList.Load(map_ListName, u8_Count);

	LibGfx_CManagerTooltip* p_Tooltip = LibGfx_CManagerTooltip::Instance();
	p_Tooltip->ClearTxtAll();
	// The screen says what it is, as every other one does: the menu entry's own label.
	p_Tooltip->SetTxtMain(0, ke_String_MenuKanjiLists);
	p_Tooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Cross, ke_String_Choose);
	p_Tooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Circle, ke_String_MenuBack);
}

const char* CState_KanjiListLoad::Label(u8 au8_List)
{
	LibKanji_CKanjiList* p_Lists = LibKanji_CKanjiList::Instance();
	const LibKanji_CKanjiList::SListInfo* p_Info = p_Lists->GetListInfo(au8_List);
	// A player's list named as a list before it is kept, and marked as theirs.
	if (!p_Info->mb_Own || p_Lists->GetListInfo(p_Info->mp_Name) == p_Info)
		return p_Info->mp_Name;
	mo_Label[au8_List] = std::string(p_Info->mp_Name) + " " +
		LibText_CManagerString::Instance()->GetString(ke_String_OwnListMark);
	return mo_Label[au8_List].c_str();
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
		LibKanji_CKanjiList::Instance()->Load_KanjiList(mo_WndList.mu8_ItemSelected);
		Leave();
	}
}
