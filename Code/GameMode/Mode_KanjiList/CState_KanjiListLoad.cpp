#include "GameMode/Mode_KanjiList/CState_KanjiListLoad.h"

#include "GameMode/GameView.h"
#include "LibGfx_CManagerCamera.h"
#include "LibGfx_CManagerTooltip.h"
#include "LibInput_ManagerKey.h"
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
	LibKanji_CKanjiList* pLists = LibKanji_CKanjiList::Instance();
	const u8 u8_Count = pLists->GetListCount() < ku_ListName_Max ? pLists->GetListCount() : static_cast<u8>(ku_ListName_Max);
	for (u8 i = 0; i < u8_Count; ++i)
		map_ListName[i] = pLists->GetListInfo(i)->mp_Name;

	mo_WndList.SetParent(nullptr);
	mo_WndList.Set(ko_WindowSize, LibGfx_CObjWndThemed::ke_WinTheme_Alt);
	mo_WndList.Load(map_ListName, u8_Count);

	LibGfx_CManagerTooltip* pTooltip = LibGfx_CManagerTooltip::Instance();
	pTooltip->ClearTxtAll();
	// The screen says what it is, as every other one does: the menu entry's own label.
	pTooltip->SetTxtMain(0, ke_String_MenuKanjiLists);
	pTooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Cross, ke_String_Choose);
	pTooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Circle, ke_String_MenuBack);
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
