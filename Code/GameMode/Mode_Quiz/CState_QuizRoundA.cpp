#include "GameMode/Mode_Quiz/CState_QuizRoundA.h"

#include "GameMode/GameView.h"
#include "GameMode/Mode_Quiz/CState_AnwserReview.h"
#include "GameMode/Mode_Quiz/CState_QuizMatch.h"
#include "GameMode/Mode_Quiz/CState_QuizResults.h"
#include "GameMode/Mode_Quiz/CState_QuizRoundA_GoodAnwser.h"
#include "GameMode/Mode_Review/CState_ReviewKana.h"
#include "LibGen_Utils.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CManagerTooltip.h"
#include "LibInput_ManagerKey.h"
#include "LibKanji_CDictionary.h"
#include "StringIds.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace
{
	// The answers turn across the lower half of the screen; the found ones wait in the same plane,
	// a screen and a half to the right, where the answer review's camera looks at them.
	// WARNING: behind the round, the review's glide took the eye through the round's plane: its
	// cards filled the screen, magnified many times, and the found ones floated between the
	// question and the answers. Side by side, each frame of the glide shows both at their own size,
	// and 720 units keep every card of one carousel out of the other's view.
	const CVector3d<float> ko_AnswerPos(0.0f, -50.0f, 0.0f);
	const CVector3d<float> ko_FoundPos(720.0f, 0.0f, 0.0f);
	const CVector3d<float> ko_QuestionPos(0.0f, 70.0f, 0.0f);
	const u16 ku16_CarouselRadius = 200;
	const u16 ku16_CarouselDepth = 30;
	// NOTE: the carousel dims the cards behind; a mark changes the colour only.
	const u32 ku32_White = 0x00ffffff;
	const u32 ku32_Red = 0x000000ff;
}

CState_QuizRoundA::CState_QuizRoundA(CState_QuizMatch* ap_QuizMatch, unsigned short* ap_Kanji, unsigned char au8_KanjiTotal,
                                     bool ab_ToRomanji)
	: mp_QuizMatch(ap_QuizMatch), mau16_Kanji(), mu8_KanjiTotal(0), mu8_KanjiLeft(0), mu8_Errors(0), mb_ToRomanji(ab_ToRomanji)
{
	LIBGEN_ASSERT(au8_KanjiTotal <= ku_Awnser_Max);
	// A kanji the dictionary does not know could be neither asked nor shown: it is left out.
	const LibKanji_CDictionary* pDictionary = LibKanji_CDictionary::Instance();
	for (u8 i = 0; i < au8_KanjiTotal; ++i)
		if (pDictionary->FindKanjiFromEuc(ap_Kanji[i]) != nullptr)
			mau16_Kanji[mu8_KanjiTotal++] = ap_Kanji[i];
	mu8_KanjiLeft = mu8_KanjiTotal;
}

void CState_QuizRoundA::LoadOnce()
{
	mo_WndAnswer.Initialize(ko_AnswerPos, ku16_CarouselRadius, ku16_CarouselDepth, false);
	mo_WndFound.Initialize(ko_FoundPos, ku16_CarouselRadius, ku16_CarouselDepth, false);
	mo_WndQuestion.mo_Pos = ko_QuestionPos;
	mo_WndQuestion.SetParent(nullptr);
	mo_WndQuestion.SetVisible(true);
	mo_WndAnswer.Start();
	mo_WndFound.Start();

	// The carousel keeps the dealt order; the questions come in an order of their own.
	for (u8 i = 0; i < mu8_KanjiTotal; ++i)
	{
		CObjWndKanji& oWnd = mao_WndAnswer[i];
		oWnd.mu16_Kanji = mau16_Kanji[i];
		if (mb_ToRomanji)
			oWnd.SetLayout_A_Traduct();
		else
			oWnd.SetLayout_A_Kanji();
		mo_WndAnswer.AddWindow(&oWnd);
	}
	for (u8 i = 0; i < mu8_KanjiTotal; ++i)
		std::swap(mau16_Kanji[i], mau16_Kanji[rand() % mu8_KanjiTotal]);

	mo_WndQuestion.mu16_Kanji = mau16_Kanji[0];
	if (mb_ToRomanji)
		mo_WndQuestion.SetLayout_A_Kanji();
	else
		mo_WndQuestion.SetLayout_A_Traduct();

	LibGfx_CEngine::Instance()->LoadBg(ks_View_BackgroundScreen);
}

void CState_QuizRoundA::LoadAlways()
{
	LibGfx_CManagerTooltip* p_Tooltip = LibGfx_CManagerTooltip::Instance();
	p_Tooltip->ClearTxtAll();
	p_Tooltip->SetTxtMain(0, ke_String_KanjiQuizTitle);
	p_Tooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Cross, ke_String_KanjiQuizAnswer);
	// Triangle shows the answers found: its hint comes with the first of them.
	if (mu8_KanjiLeft != mu8_KanjiTotal)
		p_Tooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Triangle, ke_String_KanjiQuizFound);
	p_Tooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Circle, ke_String_QuizQuit);
	p_Tooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Square, ke_String_KanaChart);
	UpdateStats();
}

void CState_QuizRoundA::Main()
{
	// A round of kanji the dictionary does not know has nothing to ask: it ends as a finished one.
	if (mu8_KanjiLeft == 0)
	{
		EndRound();
		return;
	}

	mo_WndAnswer.FollowKeys();

	// Circle ends the whole quiz and nothing else is done in its frame.
	const LibInput_ManagerKey* p_Keys = LibInput_ManagerKey::Instance();
	if (p_Keys->KeyReleaseAny(ke_Key_Circle))
	{
		mp_QuizMatch->mb_Stop = true;
		mp_QuizMatch->EndOfRound(this);
		(new CState_QuizResults(mp_QuizMatch, nullptr))->State_Replace();
	}
	else if (p_Keys->KeyReleaseAny(ke_Key_Square))
		(new CState_ReviewKana())->State_Add();
	else if (p_Keys->KeyReleaseAny(ke_Key_Cross))
		CheckCardMatch();
	else if (p_Keys->KeyReleaseAny(ke_Key_Triangle) && mu8_KanjiLeft != mu8_KanjiTotal)
		(new CState_AnwserReview(&mo_WndFound))->State_Add();
}

void CState_QuizRoundA::CheckCardMatch()
{
	CObjWndKanji* p_Wnd = static_cast<CObjWndKanji*>(mo_WndAnswer.GetWindowCurrent(0));
	if (p_Wnd == nullptr)
		return;

	if (p_Wnd->mu16_Kanji != mo_WndQuestion.mu16_Kanji)
	{
		p_Wnd->GetWindowPoly(LibGfx_CObjWndBase::ke_PolyId_MidMid)->SetColor(ku32_Red);
		if (std::find(mo_Missed.begin(), mo_Missed.end(), mo_WndQuestion.mu16_Kanji) == mo_Missed.end())
			mo_Missed.push_back(mo_WndQuestion.mu16_Kanji);
		// NOTE: the count stops at its largest value rather than starting again from 0.
		if (mu8_Errors < 0xff)
			++mu8_Errors;
		UpdateStats();
		return;
	}

	if (std::find(mo_Missed.begin(), mo_Missed.end(), mo_WndQuestion.mu16_Kanji) == mo_Missed.end())
		mo_FirstTry.push_back(mo_WndQuestion.mu16_Kanji);
	// The score counts the answer at once; the last one ends the round, without its flight.
	--mu8_KanjiLeft;
	UpdateStats();
	if (mu8_KanjiLeft == 0)
	{
		EndRound();
		return;
	}
	for (u8 i = 0; i < mo_WndAnswer.GetWindowTotal(); ++i)
		mo_WndAnswer.GetWindow(i)->GetWindowPoly(LibGfx_CObjWndBase::ke_PolyId_MidMid)->SetColor(ku32_White);
	mo_WndQuestion.LoadKanji(mau16_Kanji[mu8_KanjiTotal - mu8_KanjiLeft]);
	mo_WndAnswer.RemWindow(mo_WndAnswer.GetWindowCurrentId());
	mo_WndAnswer.GoNext();
	(new CState_QuizRoundA_GoodAnwser(this, p_Wnd))->State_Add();
}

void CState_QuizRoundA::EndRound()
{
	// The results replace the round in a single step, the next round waiting in them: a frame with
	// the match alone would show an empty page.
	mp_QuizMatch->EndOfRound(this);
	(new CState_QuizResults(mp_QuizMatch, mp_QuizMatch->NewRound()))->State_Replace();
}

void CState_QuizRoundA::UpdateStats()
{
	LibGfx_CManagerTooltip::Instance()->SetTxtMainFmt(1, ke_String_QuizScore, mu8_KanjiTotal - mu8_KanjiLeft,
	                                                  static_cast<int>(mu8_Errors), static_cast<int>(mu8_KanjiLeft));
}
