// The game on the real build data: each step of the loading state, and the game logic of one
// frame (the managers with the display tree's update pass, then the current state) on the
// browser at rest, the browser turning, the review writing strokes and the kanji quiz's answer
// carousel turning, where the whole drawn frame is measured too; and the texture pool's peak
// during a round of 32 kanji.
#include <benchmark/benchmark.h>
#include <algorithm>
#include <typeinfo>
#include "Fudemaru.h"
#include "GameMode/CState_Loading.h"
#include "GameMode/Mode_KanjiList/CState_KanjiList.h"
#include "GameMode/Mode_KanjiList/CState_KanjiReview.h"
#include "GameMode/Mode_Quiz/CState_QuizMatch.h"
#include "GameMode/Mode_Quiz/CState_QuizRoundA.h"
#include "LibGen_CFileSystem.h"
#include "LibGen_CManagerBase.h"
#include "LibGen_CState.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CManagerTexture.h"
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

	// The kanji quiz over "Grade 1" from the browser, its first round of au8_Cards kanji current.
	CState_QuizRoundA* StartQuiz(benchmark::State& ao_State, u8 au8_Cards, bool ab_ToRomanji)
	{
		if (!ReachBrowser(ao_State))
			return nullptr;
		gu8_QuizCardCount = au8_Cards;
		(new CState_QuizMatch(ab_ToRomanji))->State_Add();
		DrawnFrames(3);
		CState_QuizRoundA* pRound = dynamic_cast<CState_QuizRoundA*>(Top());
		if (pRound == nullptr)
			ao_State.SkipWithError("the quiz dealt no round");
		return pRound;
	}

	// The next clean-up ends the quiz instead of dealing another round.
	void StopQuiz()
	{
		LibInput_SetScriptKeys(0);
		for (LibGen_CState* pState : LibGen_CState::GetStateList())
			if (CState_QuizMatch* pMatch = dynamic_cast<CState_QuizMatch*>(pState))
				pMatch->mb_Stop = true;
	}

	// Left held: the answer carousel of 10 or 32 cards turns without a stop.
	void BM_FrameQuizTurning(benchmark::State& ao_State)
	{
		if (StartQuiz(ao_State, static_cast<u8>(ao_State.range(0)), false) == nullptr)
			return;
		LibInput_SetScriptKeys(ke_Key_Left);
		for (auto _ : ao_State)
			LogicFrame();
		StopQuiz();
	}
	BENCHMARK(BM_FrameQuizTurning)->Arg(10)->Arg(32)->Unit(benchmark::kMicrosecond);

	// The same frames drawn offscreen whole.
	void BM_DrawnFrameQuizTurning(benchmark::State& ao_State)
	{
		if (StartQuiz(ao_State, static_cast<u8>(ao_State.range(0)), false) == nullptr)
			return;
		LibInput_SetScriptKeys(ke_Key_Left);
		for (auto _ : ao_State)
			Fudemaru_Frame();
		StopQuiz();
	}
	BENCHMARK(BM_DrawnFrameQuizTurning)->Arg(10)->Arg(32)->Unit(benchmark::kMillisecond);

	// Bytes the textures hold in the pool, each piece with its guard word.
	u32 PoolInUse()
	{
		LibGfx_CManagerTexture* pTextures = LibGfx_CManagerTexture::Instance();
		u32 u32Bytes = 0;
		for (const LibGfx_CTexture& oTexture : pTextures->mo_Texture)
			if (oTexture.mp_Data != nullptr)
			{
				const SPicInfo oPic = {nullptr, oTexture.mu16_Width, oTexture.mu16_Height, static_cast<enumPixelFormat>(oTexture.mu16_Format)};
				u32Bytes += LibGfx_CTexture::GetReserveSize(oPic) + 4;
			}
		return u32Bytes;
	}

	// A round of 32 played to its end, each answer turned to with Left; the peak is counted every
	// frame while the round lasts. Argument 1 asks the meanings of each kanji.
	void BM_QuizRound32TexturePool(benchmark::State& ao_State)
	{
		u32 u32Peak = 0;
		for (auto _ : ao_State)
		{
			CState_QuizRoundA* pRound = StartQuiz(ao_State, 32, ao_State.range(0) != 0);
			if (pRound == nullptr)
				return;
			auto Frames = [&](int ai_Frames, u32 au32_Keys) {
				LibInput_SetScriptKeys(au32_Keys);
				for (int i = 0; i < ai_Frames; ++i)
				{
					LogicFrame();
					u32Peak = std::max(u32Peak, PoolInUse());
				}
			};
			for (u8 u8Left = pRound->mu8_KanjiTotal; u8Left > 0; --u8Left)
			{
				const u16 u16Asked = pRound->mo_WndQuestion.mu16_Kanji;
				for (int i = 0; i < 32 && static_cast<CObjWndKanji*>(pRound->mo_WndAnswer.GetWindowCurrent(0))->mu16_Kanji != u16Asked; ++i)
				{
					Frames(1, ke_Key_Left);
					Frames(20, 0);
				}
				Frames(1, ke_Key_Cross);
				Frames(u8Left > 1 ? 22 : 1, 0);
			}
			StopQuiz();
		}
		ao_State.counters["pool_peak_bytes"] = u32Peak;
		ao_State.counters["pool_bytes"] = LibGfx_CEngine::ku32_VRamSize - LibGfx_CEngine::ku32_VRamReserved;
	}
	BENCHMARK(BM_QuizRound32TexturePool)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);
}
