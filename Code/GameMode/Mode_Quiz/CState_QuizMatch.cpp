#include "GameMode/Mode_Quiz/CState_QuizMatch.h"

#include "Fudemaru.h"
#include "GameMode/Mode_Quiz/CState_QuizRoundA.h"
#include "LibKanji_CKanjiList.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

CState_QuizMatch::CState_QuizMatch(bool ab_ToRomanji)
	: mpu16_Kanji(nullptr), mu16_KanjiTotal(0), mu16_KanjiNext(0), mb_Stop(false), mb_ToRomanji(ab_ToRomanji)
{
}

CState_QuizMatch::~CState_QuizMatch()
{
	delete[] mpu16_Kanji;
}

void CState_QuizMatch::LoadOnce()
{
	const LibKanji_CKanjiList* pList = LibKanji_CKanjiList::Instance();
	mu16_KanjiNext = 0;
	mu16_KanjiTotal = pList->mu_KanjiTotal;
	mpu16_Kanji = new u16[mu16_KanjiTotal];
	for (u16 i = 0; i < mu16_KanjiTotal; ++i)
		mpu16_Kanji[i] = pList->GetKanji(i);
	// Each entry in turn swapped with one anywhere in the array.
	for (u16 i = 0; i < mu16_KanjiTotal; ++i)
		std::swap(mpu16_Kanji[i], mpu16_Kanji[rand() % mu16_KanjiTotal]);
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
	const int i_Left = mu16_KanjiTotal - mu16_KanjiNext;
	const int i_Count = std::min({static_cast<int>(gu8_QuizCardCount), static_cast<int>(CState_QuizRoundA::ku_Awnser_Max), i_Left});
	if (mb_Stop || i_Count < 2)
		return nullptr;
	CState_QuizRoundA* p_Round = new CState_QuizRoundA(this, mpu16_Kanji + mu16_KanjiNext, static_cast<u8>(i_Count), mb_ToRomanji);
	mu16_KanjiNext = static_cast<u16>(mu16_KanjiNext + i_Count);
	return p_Round;
}
