// The game on the real build data: each step of the loading state, and the game logic of one
// frame (the managers with the display tree's update pass, then the current state) on the
// browser at rest, the browser turning and the review writing strokes. The drawing is left out.
#include <benchmark/benchmark.h>
#include <typeinfo>
#include "Fudemaru.h"
#include "GameMode/CState_Loading.h"
#include "GameMode/Mode_KanjiList/CState_KanjiList.h"
#include "GameMode/Mode_KanjiList/CState_KanjiReview.h"
#include "LibGen_CFileSystem.h"
#include "LibGen_CManagerBase.h"
#include "LibGen_CState.h"
#include "LibGfx_COffscreen.h"
#include "LibInput_ManagerKey.h"
#include "LibInput_ManagerKey_Headless.h"
#include "LibKanji_CDictionary.h"
#include "LibKanji_CStroke.h"

namespace
{
	void UseData()
	{
		LibGen_CFileSystem::Instance()->SetCurrentDir(FUDEMARU_DATA_PARENT);
	}

	void LoadStep(benchmark::State& ao_State, CState_Loading::enumStep ae_Step)
	{
		UseData();
		// The start-up list is filtered from the dictionary.
		if (ae_Step == CState_Loading::ke_Step_Config && !LibKanji_CDictionary::Instance()->IsLoaded())
			CState_Loading::LoadStep(CState_Loading::ke_Step_Dictionary);
		for (auto _ : ao_State)
		{
			// The stroke database refuses a second load over the first.
			if (ae_Step == CState_Loading::ke_Step_Strokes)
			{
				ao_State.PauseTiming();
				LibKanji_CStroke::Instance()->Unload();
				ao_State.ResumeTiming();
			}
			CState_Loading::LoadStep(ae_Step);
		}
	}
	BENCHMARK_CAPTURE(LoadStep, Dictionary, CState_Loading::ke_Step_Dictionary)->Unit(benchmark::kMillisecond);
	BENCHMARK_CAPTURE(LoadStep, Strokes, CState_Loading::ke_Step_Strokes)->Unit(benchmark::kMillisecond);
	BENCHMARK_CAPTURE(LoadStep, Lists, CState_Loading::ke_Step_Lists)->Unit(benchmark::kMillisecond);
	BENCHMARK_CAPTURE(LoadStep, Fonts, CState_Loading::ke_Step_Fonts)->Unit(benchmark::kMillisecond);
	BENCHMARK_CAPTURE(LoadStep, StartupList, CState_Loading::ke_Step_Config)->Unit(benchmark::kMillisecond);

	void BM_LoadAllSteps(benchmark::State& ao_State)
	{
		UseData();
		for (auto _ : ao_State)
		{
			ao_State.PauseTiming();
			LibKanji_CStroke::Instance()->Unload();
			ao_State.ResumeTiming();
			for (u8 i = 0; i < CState_Loading::ke_Step__Total; ++i)
				CState_Loading::LoadStep(static_cast<CState_Loading::enumStep>(i));
		}
	}
	BENCHMARK(BM_LoadAllSteps)->Unit(benchmark::kMillisecond);

	// The whole game, booted once, drawn offscreen while it is brought to a screen.
	LibGfx_COffscreen go_Screen;

	LibGen_CState* Top() { return LibGen_CState::GetStateList().back(); }

	void DrawnFrames(int ai_Frames)
	{
		for (int i = 0; i < ai_Frames; ++i)
			Fudemaru_Frame();
	}

	void LogicFrame()
	{
		LibGen_CManagerBase::UpdateManagers();
		LibGen_CState::Execute();
	}

	// The browser on "Grade 1", at rest, with every key up.
	bool ReachBrowser(benchmark::State& ao_State)
	{
		if (LibGen_CState::GetStateList().empty())
		{
			if (!go_Screen.Create(480, 272))
			{
				ao_State.SkipWithError("no offscreen frame");
				return false;
			}
			// The loading state loads the stroke database itself, once.
			LibKanji_CStroke::Instance()->Unload();
			Fudemaru_Start(FUDEMARU_DATA_PARENT, 1);
			DrawnFrames(45);
			LibInput_SetScriptKeys(ke_Key_Cross);
			DrawnFrames(1);
		}
		LibInput_SetScriptKeys(0);
		DrawnFrames(1);
		while (LibGen_CState::GetStateList().size() > 2)
		{
			Top()->State_Remove();
			DrawnFrames(1);
		}
		DrawnFrames(60);
		if (typeid(*Top()) != typeid(CState_KanjiList))
		{
			ao_State.SkipWithError("the game did not reach the browser");
			return false;
		}
		return true;
	}

	void BM_FrameBrowserAtRest(benchmark::State& ao_State)
	{
		if (!ReachBrowser(ao_State))
			return;
		for (auto _ : ao_State)
			LogicFrame();
	}
	BENCHMARK(BM_FrameBrowserAtRest)->Unit(benchmark::kMicrosecond);

	// Right held: the carousel turns, stopping for a frame to reload its six cards at each step.
	void BM_FrameBrowserTurning(benchmark::State& ao_State)
	{
		if (!ReachBrowser(ao_State))
			return;
		LibInput_SetScriptKeys(ke_Key_Right);
		for (auto _ : ao_State)
			LogicFrame();
		LibInput_SetScriptKeys(0);
	}
	BENCHMARK(BM_FrameBrowserTurning)->Unit(benchmark::kMicrosecond);

	CState_KanjiReview* OpenReview(benchmark::State& ao_State)
	{
		if (!ReachBrowser(ao_State))
			return nullptr;
		LibInput_SetScriptKeys(ke_Key_Cross);
		DrawnFrames(1);
		LibInput_SetScriptKeys(0);
		DrawnFrames(25);
		if (typeid(*Top()) != typeid(CState_KanjiReview))
		{
			ao_State.SkipWithError("Cross did not open the review");
			return nullptr;
		}
		return static_cast<CState_KanjiReview*>(Top());
	}

	// The strokes are written again whenever the last one is finished.
	void BM_FrameReviewAnimating(benchmark::State& ao_State)
	{
		CState_KanjiReview* pReview = OpenReview(ao_State);
		if (pReview == nullptr)
			return;
		CObjWndKanjiDetail& oDetail = pReview->mo_WndDetail;
		for (auto _ : ao_State)
		{
			if (oDetail.mu8_StrokeCur >= oDetail.mv_Stroke.size())
			{
				ao_State.PauseTiming();
				oDetail.ReplayAnim();
				ao_State.ResumeTiming();
			}
			LogicFrame();
		}
	}
	BENCHMARK(BM_FrameReviewAnimating)->Unit(benchmark::kMicrosecond);

	// Right held in the review: a new kanji every 10 frames, its detail page built anew.
	void BM_FrameReviewStepping(benchmark::State& ao_State)
	{
		if (OpenReview(ao_State) == nullptr)
			return;
		LibInput_SetScriptKeys(ke_Key_Right);
		for (auto _ : ao_State)
			LogicFrame();
		LibInput_SetScriptKeys(0);
	}
	BENCHMARK(BM_FrameReviewStepping)->Unit(benchmark::kMicrosecond);
}
