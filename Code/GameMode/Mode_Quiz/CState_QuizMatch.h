#ifndef CSTATE_QUIZMATCH_H
#define CSTATE_QUIZMATCH_H

#include "LibGen_CState.h"
#include "LibGen_DataTypes.h"

class CState_QuizRoundA;

// The kanji quiz over the current list: the whole list is shuffled once, then dealt in rounds of
// the configured card count, one round at a time: the match pushes the first, and a finished
// round puts the next in its own place. It ends when fewer than 2 kanji are left to deal (a last
// single kanji is never asked) or when a round is quit.
class CState_QuizMatch : public LibGen_CState
{
public:
	// false: each meaning asks for its kanji; true: each kanji asks for its meanings.
	explicit CState_QuizMatch(bool ab_ToRomanji);
	~CState_QuizMatch() override;

	// Copies the current list and shuffles it.
	void LoadOnce() override;
	// Deals the first round, or the next after a round that went without dealing it; or ends the quiz.
	void Main() override;
	// The next round, not yet requested; null when the quiz is over (quit, or fewer than 2 kanji left).
	CState_QuizRoundA* NewRound();

	u16* mpu16_Kanji;        // the list's codes in shuffled order; null before LoadOnce
	u16 mu16_KanjiTotal;     // entries of mpu16_Kanji
	u16 mu16_KanjiNext;      // the first entry not yet dealt
	bool mb_Stop;            // set by a round that was quit
	bool mb_ToRomanji;
};

#endif
