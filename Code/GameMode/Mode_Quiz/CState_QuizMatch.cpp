#include "GameMode/Mode_Quiz/CState_QuizMatch.h"

#include "CReviewList.h"
#include "Fudemaru.h"
#include "GameMode/Mode_Quiz/CState_QuizRoundA.h"
#include "LibKanji_CKanjiList.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace
{
	// The cards of a round dealt from ai_Left kanji: fewer than 2 deal none.
	int RoundSize(int ai_Left)
	{
		return std::min({static_cast<int>(gu8_QuizCardCount), static_cast<int>(CState_QuizRoundA::ku_Awnser_Max), ai_Left});
	}
}

CState_QuizMatch::CState_QuizMatch(bool ab_ToRomanji)
	: mpu16_Kanji(nullptr), mu16_KanjiTotal(0), mu16_KanjiNext(0), mb_Stop(false), mb_ToRomanji(ab_ToRomanji),
	  mb_OverReview(false), mu16_Rounds(0), mu16_RoundTotal(0), mu16_RoundFound(0),
	  mu16_RoundErrors(0), mu16_Found(0), mu16_Errors(0), mu16_Joined(0), mu16_Left(0)
{
}

CState_QuizMatch::~CState_QuizMatch()
{
	delete[] mpu16_Kanji;
}

void CState_QuizMatch::LoadOnce()
{
	const LibKanji_CKanjiList* p_List = LibKanji_CKanjiList::Instance();
	mb_OverReview = CReviewList::IsReviewList(p_List->mp_ListLoaded);
	mu16_KanjiNext = 0;
	mu16_KanjiTotal = p_List->mu_KanjiTotal;
	mpu16_Kanji = new u16[mu16_KanjiTotal];
	for (u16 i = 0; i < mu16_KanjiTotal; ++i)
		mpu16_Kanji[i] = p_List->GetKanji(i);
	// Each entry in turn swapped with one anywhere in the array.
	for (u16 i = 0; i < mu16_KanjiTotal; ++i)
		std::swap(mpu16_Kanji[i], mpu16_Kanji[rand() % mu16_KanjiTotal]);
	// The rounds NewRound will deal.
	for (int i_Left = mu16_KanjiTotal; RoundSize(i_Left) >= 2; i_Left -= RoundSize(i_Left))
		++mu16_RoundTotal;
	mo_Start = std::chrono::steady_clock::now();
}

void CState_QuizMatch::Main()
{
	CState_QuizRoundA* p_Round = NewRound();
	if (p_Round == nullptr)
		State_Remove();
	else
		p_Round->State_Add();
}

CState_QuizRoundA* CState_QuizMatch::NewRound()
{
	// NOTE: counted in int, so the next index never passes the total, and no round is dealt more
	// cards than it holds, whatever the configured count says.
	const int i_Count = RoundSize(mu16_KanjiTotal - mu16_KanjiNext);
	if (mb_Stop || i_Count < 2)
		return nullptr;
	CState_QuizRoundA* p_Round = new CState_QuizRoundA(this, mpu16_Kanji + mu16_KanjiNext, static_cast<u8>(i_Count), mb_ToRomanji);
	mu16_KanjiNext = static_cast<u16>(mu16_KanjiNext + i_Count);
	return p_Round;
}

void CState_QuizMatch::EndOfRound(const CState_QuizRoundA* ap_Round)
{
	++mu16_Rounds;
	mu16_RoundFound = static_cast<u16>(ap_Round->mu8_KanjiTotal - ap_Round->mu8_KanjiLeft);
	mu16_RoundErrors = ap_Round->mu8_Errors;
	mo_RoundMissed = ap_Round->mo_Missed;
	mu16_Found = static_cast<u16>(mu16_Found + mu16_RoundFound);
	mu16_Errors = static_cast<u16>(mu16_Errors + mu16_RoundErrors);
	mo_Missed.insert(mo_Missed.end(), ap_Round->mo_Missed.begin(), ap_Round->mo_Missed.end());
	u16 u16_Joined = 0;
	u16 u16_Left = 0;
	CReviewList::Update(ap_Round->mo_Missed, mb_OverReview ? ap_Round->mo_FirstTry : std::vector<u16>(), u16_Joined, u16_Left);
	mu16_Joined = static_cast<u16>(mu16_Joined + u16_Joined);
	mu16_Left = static_cast<u16>(mu16_Left + u16_Left);
	// The browser shows the list as it is now.
	LibKanji_CKanjiList* p_List = LibKanji_CKanjiList::Instance();
	if (mb_OverReview && u16_Left > 0 && CReviewList::IsReviewList(p_List->mp_ListLoaded))
		p_List->Load_KanjiList(const_cast<LibKanji_CKanjiList::SListInfo*>(p_List->mp_ListLoaded));
}

u32 CState_QuizMatch::GetSeconds() const
{
	return static_cast<u32>(std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - mo_Start).count());
}
