#ifndef CSTATE_QUIZMATCH_H
#define CSTATE_QUIZMATCH_H

#include "LibGen_CState.h"
#include "LibGen_DataTypes.h"

#include <chrono>
#include <vector>

class CState_QuizRoundA;

// The kanji quiz over the current list: the whole list is shuffled once, then dealt in rounds of
// the configured card count, one round at a time: the match pushes the first, and a finished
// round puts the next in its own place. It ends when fewer than 2 kanji are left to deal (a last
// single kanji is never asked) or when a round is quit. Each round's misses join the player's
// "To review" list as the round ends; in a quiz over that list, the kanji found at the first try
// leave it.
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
	// A round's end, played to its last answer or quit: its scores join the quiz's, its misses
	// (and, over "To review", its first-try answers) are saved.
	void EndOfRound(const CState_QuizRoundA* ap_Round);
	// Since the quiz began.
	u32 GetSeconds() const;

	u16* mpu16_Kanji;        // the list's codes in shuffled order; null before LoadOnce
	u16 mu16_KanjiTotal;     // entries of mpu16_Kanji
	u16 mu16_KanjiNext;      // the first entry not yet dealt
	bool mb_Stop;            // set by a round that was quit
	bool mb_ToRomanji;
	bool mb_OverReview;      // the quiz is over the player's "To review" list
	u16 mu16_Rounds;         // rounds ended, the one being played not counted
	u16 mu16_RoundTotal;     // rounds the whole list deals
	u16 mu16_RoundFound;     // the last round ended: found, errors, missed
	u16 mu16_RoundErrors;
	std::vector<u16> mo_RoundMissed;
	u16 mu16_Found;
	u16 mu16_Errors;
	u16 mu16_Joined;         // kanji that joined "To review", and that left it
	u16 mu16_Left;
	std::vector<u16> mo_Missed;  // every kanji missed, in the order of the misses
	std::chrono::steady_clock::time_point mo_Start;
};

#endif
