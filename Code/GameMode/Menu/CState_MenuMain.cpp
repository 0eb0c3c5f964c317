#include "GameMode/Menu/CState_MenuMain.h"

#include "Fudemaru.h"
#include "GameMode/Menu/CState_Settings.h"
#include "GameMode/Mode_KanjiList/CState_KanjiListLoad.h"
#include "GameMode/Mode_Quiz/CState_QuizKana.h"
#include "GameMode/Mode_Quiz/CState_QuizMatch.h"
#include "LibGfx_CManagerMenu.h"
#include "LibGfx_CManagerTexture.h"
#include "LibGfx_CManagerTooltip.h"
#include "LibKanji_CKanjiList.h"
#include "StringIds.h"

namespace
{
	// The kana table columns of each kana entry, 32 to 40: a; ka ga; sa za; ta da; na; ha ba pa;
	// ma; ya; a to ra (the wa column is in none).
	const u16 cu16_KanaFirst[CState_MenuMain::ku_KanaItem_Total] = {0, 1, 3, 5, 7, 8, 11, 12, 0};
	const u16 cu16_KanaLast[CState_MenuMain::ku_KanaItem_Total] = {0, 2, 4, 6, 7, 10, 11, 12, 13};
}

CState_MenuMain::CState_MenuMain()
	: mp_NextState(nullptr)
{
}

void CState_MenuMain::AddCallback(LibGfx_CMenu& ao_Menu, CMenuItem_Callback& ao_Item, std::unique_ptr<CAction> ap_Action,
                                  u16 au16_Icon, u32 au32_Label, u16 au16_Tooltip)
{
	ao_Item.mu16_TooltipId = au16_Tooltip;
	ao_Item.Init(std::move(ap_Action), au16_Icon, au32_Label, &goFontAscii, gu8_Palettes[ke_Palette_1]);
	ao_Menu.AddMenuItem(&ao_Item);
}

void CState_MenuMain::AddSubMenu(LibGfx_CMenu& ao_Menu, CMenuItem_SubMenu& ao_Item, LibGfx_CMenu& ao_SubMenu, u16 au16_Icon,
                                 u32 au32_Label, u16 au16_Tooltip)
{
	ao_Item.mu16_TooltipId = au16_Tooltip;
	ao_Item.Init(&ao_SubMenu, au16_Icon, au32_Label, &goFontAscii, gu8_Palettes[ke_Palette_1]);
	ao_Menu.AddMenuItem(&ao_Item);
}

void CState_MenuMain::BuildRootMenu()
{
	AddSubMenu(mo_MenuRoot, mo_ItemQuiz, mo_MenuQuiz, ke_Tex_Icon_MainEmpty, ke_String_MenuQuiz, ke_String_MenuQuiz);
	AddCallback(mo_MenuRoot, mo_ItemKanjiList, std::make_unique<CAction>(this, &CState_MenuMain::CallbackMenuKanjiList),
	            ke_Tex_Icon_MainEmpty, ke_String_MenuKanjiLists, ke_String_MenuKanjiLists);
	AddCallback(mo_MenuRoot, mo_ItemSettings, std::make_unique<CAction>(this, &CState_MenuMain::CallbackMenuSettings),
	            ke_Tex_Icon_MainEmpty, ke_String_MenuSettings, ke_String_SettingsHelp);
	AddCallback(mo_MenuRoot, mo_ItemQuit, std::make_unique<CAction>(this, &CState_MenuMain::CallbackMenuQuitter),
	            ke_Tex_Icon_MainQuit, ke_String_MenuQuit, ke_String_MenuQuit);
}

void CState_MenuMain::BuildQuizMenu()
{
	if (LibKanji_CKanjiList::Instance()->mu_KanjiTotal != 0)
	{
		AddCallback(mo_MenuQuiz, mao_ItemKanji[0], std::make_unique<CAction>(this, &CState_MenuMain::CallbackMenuKanji, 0),
		            ke_Tex_Icon_MainFromRomanji, ke_String_MenuKanjiA, ke_String_MenuKanjiA + 1);
		AddCallback(mo_MenuQuiz, mao_ItemKanji[1], std::make_unique<CAction>(this, &CState_MenuMain::CallbackMenuKanji, 1),
		            ke_Tex_Icon_MainToRomanji, ke_String_MenuKanjiB, ke_String_MenuKanjiB + 1);
	}
	else
	{
		AddCallback(mo_MenuQuiz, mao_ItemKanji[0], std::make_unique<CAction>(this, &CState_MenuMain::CallbackVoid, 0),
		            ke_Tex_Icon_MainEmpty, ke_String_MenuNoKanji, ke_String_MenuNoKanjiHelp);
	}
	const u16 cu16_Icon[ku_KanaMenu_Total] = {ke_Tex_Icon_MainFromRomanji, ke_Tex_Icon_MainToRomanji,
	                                          ke_Tex_Icon_MainFromRomanji, ke_Tex_Icon_MainToRomanji};
	const u32 cu32_Label[ku_KanaMenu_Total] = {ke_String_MenuHiraganaA, ke_String_MenuHiraganaB,
	                                           ke_String_MenuKatakanaA, ke_String_MenuKatakanaB};
	for (u8 i = 0; i < ku_KanaMenu_Total; ++i)
		AddSubMenu(mo_MenuQuiz, mao_ItemKanaMenu[i], mao_MenuKana[i], cu16_Icon[i], cu32_Label[i],
		           static_cast<u16>(cu32_Label[i] + 1));
}

void CState_MenuMain::BuildKanaMenu(u8 au8_Menu, u16 au16_Icon, Callback ap_Callback, u16 au16_HelpFirst)
{
	for (u8 i = 0; i < ku_KanaItem_Total; ++i)
	{
		const int i_Param = ku_KanaParam_First + i;
		AddCallback(mao_MenuKana[au8_Menu], mao_ItemKana[au8_Menu][i], std::make_unique<CAction>(this, ap_Callback, i_Param),
		            au16_Icon, static_cast<u32>(i_Param), static_cast<u16>(au16_HelpFirst + i));
	}
}

void CState_MenuMain::LoadOnce()
{
	LibGfx_CManagerTooltip* pTooltip = LibGfx_CManagerTooltip::Instance();
	pTooltip->ClearTxtAll();
	pTooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Cross, ke_String_Choose);
	pTooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Circle, ke_String_MenuBack);

	BuildRootMenu();
	BuildQuizMenu();
	BuildKanaMenu(0, ke_Tex_Icon_MainFromRomanji, &CState_MenuMain::CallbackMenuHiraganaA, ke_String_KanaHelpHiragana);
	BuildKanaMenu(1, ke_Tex_Icon_MainToRomanji, &CState_MenuMain::CallbackMenuHiraganaB, ke_String_KanaHelpHiragana);
	BuildKanaMenu(2, ke_Tex_Icon_MainFromRomanji, &CState_MenuMain::CallbackMenuKatakanaA, ke_String_KanaHelpKatakana);
	BuildKanaMenu(3, ke_Tex_Icon_MainToRomanji, &CState_MenuMain::CallbackMenuKatakanaB, ke_String_KanaHelpKatakana);
	mp_NextState = nullptr;

	LibGfx_CManagerMenu* pMenus = LibGfx_CManagerMenu::Instance();
	pMenus->MenuAdd(&mo_MenuRoot);
	pMenus->Start();
}

void CState_MenuMain::Main()
{
	// Circle on the root menu stopped the manager.
	if (!LibGfx_CManagerMenu::Instance()->IsActive())
		State_Remove();
	if (mp_NextState != nullptr)
	{
		// The browser stays below: the chosen mode goes back to it when it ends.
		mp_NextState->State_Replace();
		mp_NextState = nullptr;
	}
}

void CState_MenuMain::UnloadOnce()
{
	LibGfx_CManagerMenu::Instance()->Stop();
}

void CState_MenuMain::CallbackVoid(int)
{
}

void CState_MenuMain::CallbackMenuKanjiList(int)
{
	mp_NextState = new CState_KanjiListLoad();
}

void CState_MenuMain::CallbackMenuSettings(int)
{
	mp_NextState = new CState_Settings();
}

void CState_MenuMain::CallbackMenuQuitter(int)
{
	gb_QuitProgram = true;
}

void CState_MenuMain::CallbackMenuKanji(int ai_Param)
{
	mp_NextState = new CState_QuizMatch(ai_Param == 1);
}

void CState_MenuMain::CallbackMenuHiraganaA(int ai_Param)
{
	StartKanaQuiz(0, ai_Param);
}

void CState_MenuMain::CallbackMenuHiraganaB(int ai_Param)
{
	StartKanaQuiz(1, ai_Param);
}

void CState_MenuMain::CallbackMenuKatakanaA(int ai_Param)
{
	StartKanaQuiz(2, ai_Param);
}

void CState_MenuMain::CallbackMenuKatakanaB(int ai_Param)
{
	StartKanaQuiz(3, ai_Param);
}

void CState_MenuMain::StartKanaQuiz(u8 au8_Mode, int ai_Param)
{
	u16 u16_First, u16_Last;
	if (ai_Param < 0 || ai_Param > 0xFFFF || !GetKanaRows(static_cast<u16>(ai_Param), u16_First, u16_Last))
		return;
	mp_NextState = new CState_QuizKana(static_cast<CState_QuizKana::enumQuizMode>(au8_Mode), static_cast<u8>(u16_First),
	                                   static_cast<u8>(u16_Last));
}

bool CState_MenuMain::GetKanaRows(unsigned short au16_Value, unsigned short& au16_First, unsigned short& au16_Last)
{
	if (au16_Value < ku_KanaParam_First || au16_Value >= ku_KanaParam_First + ku_KanaItem_Total)
		return false;
	au16_First = cu16_KanaFirst[au16_Value - ku_KanaParam_First];
	au16_Last = cu16_KanaLast[au16_Value - ku_KanaParam_First];
	return true;
}
