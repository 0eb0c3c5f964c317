#include "GameMode/CState_Loading.h"

#include "CConfig.h"
#include "CPlayerFolder.h"
#include "CProblemLog.h"
#include "Fudemaru.h"
#include "GameMode/Mode_KanjiList/CState_KanjiList.h"
#include "LibGen_CFileSystem.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CManagerTooltip.h"
#include "LibInput_ManagerKey.h"
#include "LibKanji_CDictionary.h"
#include "LibKanji_CKanjiTexts.h"
#include "LibKanji_CKanjiList.h"
#include "LibKanji_CStroke.h"
#include "LibText_CManagerString.h"
#include "StringIds.h"

#include <cstdio>
#include <string>

namespace
{
	// The progress message of each step; the configuration step is too quick to announce.
	const u32 cu32_StepString[CState_Loading::ke_Step__Total] = {ke_String_LoadDictionary, ke_String_LoadStrokes, ke_String_FindLists, ke_String_LoadFonts, 0};

	// The notice's client area: the first problem, a hint and the log's path on up to 12 lines.
	const CVector2d<float> ko_NoticeSize(400.0f, 180.0f);
	const size_t ku_FirstMax = 800;

	// The Latin font draws ISO-8859-1: a problem line is UTF-8, as the paths and texts it quotes.
	std::string ToLatin1(const std::string& as_Utf8)
	{
		std::string s_Out;
		for (size_t i = 0; i < as_Utf8.size(); ++i)
		{
			const u8 u8_Byte = static_cast<u8>(as_Utf8[i]);
			const u8 u8_Next = i + 1 < as_Utf8.size() ? static_cast<u8>(as_Utf8[i + 1]) : 0;
			if (u8_Byte < 0x80)
				s_Out += static_cast<char>(u8_Byte);
			else if ((u8_Byte == 0xC2 || u8_Byte == 0xC3) && (u8_Next & 0xC0) == 0x80)
			{
				s_Out += static_cast<char>(((u8_Byte & 0x03) << 6) | (u8_Next & 0x3F));
				++i;
			}
			else if ((u8_Byte & 0xC0) != 0x80)
				s_Out += '?';   // one mark for the whole character: its continuation bytes are dropped
		}
		return s_Out;
	}

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
			LibKanji_CKanjiTexts::Instance()->LoadMeanings("./Data/meanings");
			LibKanji_CKanjiTexts::Instance()->LoadWords("./Data/words");
			break;
		case ke_Step_Strokes:
			LibKanji_CStroke::Instance()->Load("./Data/FudemaruStroke.db");
			break;
		case ke_Step_Lists:
		{
			LibKanji_CKanjiList* p_Lists = LibKanji_CKanjiList::Instance();
			p_Lists->Load_Lists("./Data/KanjiList/");
			char s_Own[1024];
			if (CPlayerFolder::GetListFolder(s_Own, sizeof(s_Own)))
				p_Lists->Load_Lists(s_Own, true);
			break;
		}
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
	if (CProblemLog::GetCount() > 0)
		ShowProblems();
	else
		mo_Window.Hide();
}

void CState_Loading::ShowProblems()
{
	mb_Notice = true;
	mo_Window.Set(ko_NoticeSize, LibGfx_CObjWndThemed::ke_WinTheme_Default);
	mo_Text.TxtSetSize(static_cast<u16>(ko_NoticeSize.x), static_cast<u16>(ko_NoticeSize.y));

	const LibText_CManagerString* p_Strings = LibText_CManagerString::Instance();
	char s_Count[256];
	snprintf(s_Count, sizeof(s_Count), p_Strings->GetString(ke_String_ProblemsCount), static_cast<int>(CProblemLog::GetCount()));
	std::string s_After = "\n\n";
	if (CPlayerFolder::HasCheckTool())
		s_After += std::string(p_Strings->GetString(ke_String_ProblemsCheck)) + "\n";
	char s_Log[1024];
	if (CPlayerFolder::GetLogFile(s_Log, sizeof(s_Log)))
		s_After += std::string(p_Strings->GetString(ke_String_ProblemsLog)) + "\n" + ToLatin1(s_Log);
	// A long first line is cut, with an ellipsis, to the lines the box has left; past ku_FirstMax
	// characters, more than the box holds, at once.
	std::string s_First = ToLatin1(CProblemLog::GetFirst());
	bool b_Cut = s_First.size() > ku_FirstMax;
	if (b_Cut)
		s_First.resize(ku_FirstMax);
	while (true)
	{
		mo_Text.TxtSetText((std::string(s_Count) + "\n" + s_First + (b_Cut ? "..." : "") + s_After).c_str(), true);
		mo_Text.TxtParseString();
		if (mo_Text.TxtGetLineCount() <= mo_Text.TxtGetLineCapacity() || s_First.empty())
			break;
		s_First.pop_back();
		b_Cut = true;
	}

	LibGfx_CManagerTooltip* p_Tooltip = LibGfx_CManagerTooltip::Instance();
	p_Tooltip->SetTxtMain(0, ke_String_ProblemsTitle);
	p_Tooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Cross, ke_String_Continue);
}

void CState_Loading::Main()
{
	if (mb_Notice)
	{
		if (LibInput_ManagerKey::Instance()->KeyReleaseAny(static_cast<eKeys>(ku_Key_FaceMask)))
		{
			mb_Notice = false;
			LibGfx_CManagerTooltip::Instance()->ClearTxtAll();
			mo_Window.Hide();
		}
		return;
	}
	if (mo_Window.me_SlideState == LibGfx_CObjWndBase::ke_Slide_Out)
		(new CState_KanjiList())->State_Replace();
}
