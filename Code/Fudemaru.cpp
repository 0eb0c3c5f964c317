#include "Fudemaru.h"

#include "GameMode/CState_Intro.h"
#include "LibGen_CFileSystem.h"
#include "LibGen_CManagerBase.h"
#include "LibGen_CState.h"
#include "LibGen_Utils.h"
#include "LibGfx_CEngine.h"

#include <cstdlib>

bool gb_QuitProgram = false;
u8 gu8_QuizCardCount = 0;
// Constructed in this order, destroyed in the reverse one.
LibText_CFont goFontAscii;
LibText_CFont goFontKanji;
LibText_CFont goFontKanji16;
u8 gu8_Palettes[ke_Palette__Total] = {};

namespace
{
	// 480 / 272 in single precision.
	const float kf_AspectRatio = 1.7647059f;
}

SViewport Fudemaru_ComputeViewport(int ai_Width, int ai_Height)
{
	SViewport oView;
	const float fRatio = static_cast<float>(ai_Width) / static_cast<float>(ai_Height);
	if (fRatio > kf_AspectRatio)
	{
		oView.mi_Width = static_cast<int>(ai_Height * kf_AspectRatio);
		oView.mi_Height = ai_Height;
		oView.mi_X = 0;
		oView.mi_Y = 0;
	}
	else
	{
		oView.mi_Width = ai_Width;
		oView.mi_Height = static_cast<int>(ai_Width / kf_AspectRatio);
		oView.mi_X = 0;
		oView.mi_Y = ai_Height - oView.mi_Height;   // the top of the window
	}
	return oView;
}

void Fudemaru_Start(const char* as_Folder, unsigned int au_Seed)
{
	LibGen_CFileSystem::Instance()->SetCurrentDir(as_Folder);
	srand(au_Seed);
	(new CState_Intro())->State_Add();
}

bool Fudemaru_Frame()
{
	if (gb_QuitProgram)
		return false;
	LibGen_CManagerBase::UpdateManagers();
	LibGen_CState::Execute();
	LibGfx_CEngine* pEngine = LibGfx_CEngine::Instance();
	if (pEngine->SceneBegin())
	{
		pEngine->SceneRender();
		pEngine->SceneEnd();
	}
	FrameRate();
	return true;
}
