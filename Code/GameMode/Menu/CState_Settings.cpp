#include "GameMode/Menu/CState_Settings.h"

#include "CConfig.h"
#include "Fudemaru.h"
#include "GameMode/GameView.h"
#include "LibGfx_CManagerCamera.h"
#include "LibGfx_CManagerTooltip.h"
#include "LibInput_ManagerKey.h"
#include "LibText_CManagerString.h"
#include "StringIds.h"

#include <cstdio>

namespace
{
	const CVector2d<float> ko_WindowSize(300.0f, 150.0f);
	// Each language named in its own, in the Latin font's ISO-8859-1.
	const char* const cs_Language[CState_Settings::ku_Language_Total] = {"English", ("Fran\xE7" "ais"), "Italiano"};
	const u8 cu8_Cards[CState_Settings::ku_CardChoice_Total] = {5, 10, 15, 20, 32};
}

CState_Settings::CState_Settings()
	: mas_Line(), map_Line()
{
}

void CState_Settings::LoadAlways()
{
	mo_WndList.SetParent(nullptr);
	mo_WndList.Set(ko_WindowSize, LibGfx_CObjWndThemed::ke_WinTheme_Alt);
	Layout(LibText_CManagerString::Instance()->GetLanguage());
}

void CState_Settings::Layout(u8 au8_Selected)
{
	const LibText_CManagerString* p_Strings = LibText_CManagerString::Instance();
	// The mark of the setting in force, or as wide a blank.
	for (u8 i = 0; i < ku_Language_Total; ++i)
		snprintf(mas_Line[i], sizeof(mas_Line[i]), "%s %s", i == p_Strings->GetLanguage() ? "\xBB" : "  ", cs_Language[i]);
	for (u8 i = 0; i < ku_CardChoice_Total; ++i)
	{
		char s_Cards[48];
		snprintf(s_Cards, sizeof(s_Cards), p_Strings->GetString(ke_String_SettingCards), static_cast<int>(cu8_Cards[i]));
		snprintf(mas_Line[ku_Language_Total + i], sizeof(mas_Line[0]), "%s %s", cu8_Cards[i] == gu8_QuizCardCount ? "\xBB" : "  ",
		         s_Cards);
	}
	for (u8 i = 0; i < ku_Line_Total; ++i)
		map_Line[i] = mas_Line[i];
	mo_WndList.Unload();
	mo_WndList.Load(map_Line, ku_Line_Total);
	mo_WndList.Scroll(static_cast<s8>(au8_Selected));

	LibGfx_CManagerTooltip* p_Tooltip = LibGfx_CManagerTooltip::Instance();
	p_Tooltip->ClearTxtAll();
	p_Tooltip->SetTxtMain(0, ke_String_MenuSettings);
	p_Tooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Cross, ke_String_Choose);
	p_Tooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Circle, ke_String_MenuBack);
}

void CState_Settings::Apply(u8 au8_Line)
{
	if (au8_Line < ku_Language_Total)
	{
		LibText_CManagerString::Instance()->Load(au8_Line);
		CConfig::SaveSetting("Lang", CConfig::LanguageCode(au8_Line));
	}
	else
	{
		gu8_QuizCardCount = cu8_Cards[au8_Line - ku_Language_Total];
		char s_Count[8];
		snprintf(s_Count, sizeof(s_Count), "%u", static_cast<unsigned>(gu8_QuizCardCount));
		CConfig::SaveSetting("QuizCardCount", s_Count);
	}
	Layout(au8_Line);
}

void CState_Settings::Main()
{
	// At the same scale whichever camera looks, as the list chooser.
	mo_WndList.mo_Pos.z = LibGfx_CManagerCamera::Instance()->GetPosEye()->z - kf_View_Distance;
	mo_WndList.mu32_State |= LibGfx_CObjBase::ke_Obj_Dirty;

	const LibInput_ManagerKey* p_Keys = LibInput_ManagerKey::Instance();
	if (p_Keys->KeyReleaseAny(ke_Key_Up))
		mo_WndList.Scroll(-1);
	else if (p_Keys->KeyReleaseAny(ke_Key_Down))
		mo_WndList.Scroll(1);
	else if (p_Keys->KeyReleaseAny(ke_Key_Cross))
		Apply(mo_WndList.mu8_ItemSelected);
	else if (p_Keys->KeyReleaseAny(ke_Key_Circle))
	{
		mo_WndList.Unload();
		State_Remove();
	}
}
