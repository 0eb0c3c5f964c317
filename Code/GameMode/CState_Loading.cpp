#include "GameMode/CState_Loading.h"

#include "CConfig.h"
#include "Fudemaru.h"
#include "GameMode/Mode_KanjiList/CState_KanjiList.h"
#include "LibGen_CFileSystem.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CManagerTooltip.h"
#include "LibKanji_CDictionary.h"
#include "LibKanji_CKanjiList.h"
#include "LibKanji_CStroke.h"
#include "StringIds.h"

namespace
{
	// The progress message of each step; the configuration step is too quick to announce.
	const u32 cu32_StepString[CState_Loading::ke_Step__Total] = {ke_String_LoadDictionary, ke_String_LoadStrokes, ke_String_FindLists, ke_String_LoadFonts, 0};

	void ApplyConfig()
	{
		CConfig oConfig;
		// A missing or broken file loads no list and leaves the card count at 0; the intro, which
		// read the file first, has said what is wrong with it.
		if (!oConfig.Load(LibGen_CFileSystem::Instance()->GetCurrentDir(), false))
			return;
		oConfig.LoadStartupList();
		gu8_QuizCardCount = oConfig.mu8_QuizCardCount;
	}
}

void CState_Loading::LoadStep(enumStep ae_Step)
{
	switch (ae_Step)
	{
		case ke_Step_Dictionary:
			LibKanji_CDictionary::Instance()->Load("./Data/kanjidic");
			break;
		case ke_Step_Strokes:
			LibKanji_CStroke::Instance()->Load("./Data/FudemaruStroke.db");
			break;
		case ke_Step_Lists:
			LibKanji_CKanjiList::Instance()->Load_Lists("./Data/KanjiList/");
			break;
		case ke_Step_Fonts:
			goFontKanji.LoadBinFixed("./Data/Fonts/jis48.fnt", 48, 48, 0, true);
			goFontKanji16.LoadBinFixed("./Data/Fonts/kijis16.fnt", 16, 16, 0, false);
			break;
		case ke_Step_Config:
			ApplyConfig();
			break;
		case ke_Step__Total:
			break;
	}
}

void CState_Loading::DrawFrame()
{
	// The tree's update pass first, so that the new message is drawn into its texture.
	LibGfx_CEngine* pEngine = LibGfx_CEngine::Instance();
	pEngine->Update();
	if (pEngine->SceneBegin())
	{
		pEngine->SceneRender();
		pEngine->SceneEnd();
	}
}

void CState_Loading::LoadOnce()
{
	mo_Window.Set(CVector2d<float>(300.0f, 120.0f), LibGfx_CObjWndThemed::ke_WinTheme_Default);
	mo_Window.SetParent(nullptr);
	mo_Window.SetVisible(true);

	mo_Text.TxtSetSize(256, 128);
	mo_Text.TxtSetFont(&goFontAscii);
	mo_Text.TxtSetPalette(gu8_Palettes[ke_Palette_0]);
	mo_Text.mu32_Align = LibGfx_CObjBase::ke_Align_Left | LibGfx_CObjBase::ke_Align_Top;
	mo_Text.SetParent(&mo_Window);
	mo_Text.SetVisible(true);

	LibGfx_CManagerTooltip::Instance()->ClearTxtAll();

	for (u8 i = 0; i < ke_Step__Total; ++i)
	{
		if (cu32_StepString[i] != 0)
		{
			mo_Text.TxtSetTextId(cu32_StepString[i]);
			DrawFrame();
		}
		LoadStep(static_cast<enumStep>(i));
	}
	mo_Window.Hide();
}

void CState_Loading::Main()
{
	if (mo_Window.me_SlideState == LibGfx_CObjWndBase::ke_Slide_Out)
		(new CState_KanjiList())->State_Replace();
}
