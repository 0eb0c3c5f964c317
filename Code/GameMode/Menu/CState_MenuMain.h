#ifndef CSTATE_MENUMAIN_H
#define CSTATE_MENUMAIN_H

#include "LibGen_CState.h"
#include "LibGen_DataTypes.h"
#include "LibGfx_CMenu.h"
#include "MenuItems/CMenuItem_Callback.h"
#include "MenuItems/CMenuItem_SubMenu.h"

// The main menu, opened over the browser: the quizzes (kanji, and kana by families of columns),
// the list chooser, the settings and quitting, on the menu manager's rolling prism. An entry's
// action only names the state that takes the menu's place; the switch happens in Main. Circle on
// the root menu goes back to the browser.
class CState_MenuMain : public LibGen_CState
{
public:
	enum
	{
		ku_KanjiItem_Total = 2,
		ku_KanaMenu_Total = 4,   // Hiragana A, Hiragana B, Katakana A, Katakana B
		ku_KanaItem_Total = 9,
		ku_KanaParam_First = 32,   // the kana entries' parameters, 32 to 40
	};

	CState_MenuMain();
	virtual ~CState_MenuMain() {}

	// Builds every menu and opens the root one.
	void LoadOnce() override;
	void Main() override;
	// Closes the menus: none of them may stay with the manager once the state is gone.
	void UnloadOnce() override;

	void CallbackVoid(int ai_Param);
	void CallbackMenuKanjiList(int ai_Param);
	void CallbackMenuQuitter(int ai_Param);
	void CallbackMenuSettings(int ai_Param);
	// 0 starts the kanji quiz towards the kanji, 1 towards the readings and meanings.
	void CallbackMenuKanji(int ai_Param);
	void CallbackMenuHiraganaA(int ai_Param);
	void CallbackMenuKatakanaA(int ai_Param);
	void CallbackMenuHiraganaB(int ai_Param);
	void CallbackMenuKatakanaB(int ai_Param);

	// The first and last kana table columns of a kana entry's parameter; false, leaving both
	// alone, outside 32..40.
	static bool GetKanaRows(unsigned short au16_Value, unsigned short& au16_First, unsigned short& au16_Last);

	LibGfx_CMenu mo_MenuRoot;
	LibGfx_CMenu mo_MenuQuiz;
	LibGfx_CMenu mao_MenuKana[ku_KanaMenu_Total];
	CMenuItem_SubMenu mo_ItemQuiz;
	CMenuItem_Callback mo_ItemKanjiList;
	CMenuItem_Callback mo_ItemSettings;
	CMenuItem_Callback mo_ItemQuit;
	// Both kanji quizzes, or the first alone as the inert entry of an empty list.
	CMenuItem_Callback mao_ItemKanji[ku_KanjiItem_Total];
	CMenuItem_SubMenu mao_ItemKanaMenu[ku_KanaMenu_Total];
	CMenuItem_Callback mao_ItemKana[ku_KanaMenu_Total][ku_KanaItem_Total];
	// The state chosen to take the menu's place, not yet handed to the stack.
	LibGen_CState* mp_NextState;

private:
	typedef LibGen_Functor1<CState_MenuMain, int> CAction;
	typedef void (CState_MenuMain::*Callback)(int);

	void BuildRootMenu();
	void BuildQuizMenu();
	// The nine entries of a kana menu, their help lines from au16_HelpFirst on.
	void BuildKanaMenu(u8 au8_Menu, u16 au16_Icon, Callback ap_Callback, u16 au16_HelpFirst);
	// Sets a callback entry up with its action, icon, label and help, and adds it to the menu.
	void AddCallback(LibGfx_CMenu& ao_Menu, CMenuItem_Callback& ao_Item, std::unique_ptr<CAction> ap_Action,
	                 u16 au16_Icon, u32 au32_Label, u16 au16_Tooltip);
	void AddSubMenu(LibGfx_CMenu& ao_Menu, CMenuItem_SubMenu& ao_Item, LibGfx_CMenu& ao_SubMenu, u16 au16_Icon,
	                u32 au32_Label, u16 au16_Tooltip);
	// The kana quiz of a mode (0 to 3, the order of the kana menus' actions above) over the
	// columns of a kana entry's parameter.
	void StartKanaQuiz(u8 au8_Mode, int ai_Param);
};

#endif
