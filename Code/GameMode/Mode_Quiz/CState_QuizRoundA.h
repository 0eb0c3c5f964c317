#ifndef CSTATE_QUIZROUNDA_H
#define CSTATE_QUIZROUNDA_H

#include "GfxObjects/CObjWndKanji.h"
#include "LibGen_CState.h"
#include "LibGen_DataTypes.h"
#include "LibGfx_CManagerWnd.h"

#include <vector>

class CState_QuizMatch;

// One round of the kanji quiz. The question window above shows one kanji of the round one way
// (its meanings, or the character with its readings); the carousel below shows every kanji of the
// round the other way. The player turns the carousel to the matching card and answers with
// Cross: a wrong card turns red and counts an error, a right one flies off to the carousel of
// found answers, beside the round, and the next question comes. Triangle looks at the found
// answers, Square opens the kana chart, Circle ends the whole quiz. Each round ends with its results.
class CState_QuizRoundA : public LibGen_CState
{
public:
	enum
	{
		ku_Awnser_Max = 32,
	};

	// Takes the kanji of ap_Kanji the dictionary knows, in order; au8_KanjiTotal is at most 32.
	CState_QuizRoundA(CState_QuizMatch* ap_QuizMatch, unsigned short* ap_Kanji, unsigned char au8_KanjiTotal, bool ab_ToRomanji);

	void LoadOnce() override;
	void LoadAlways() override;
	void Main() override;

	// Compares the front answer card with the question.
	void CheckCardMatch();
	// Tooltip line 1: found, errors, left.
	void UpdateStats();
	// A round with nothing left to ask gives its place to its results, the next round waiting there.
	void EndRound();

	CState_QuizMatch* mp_QuizMatch;
	LibGfx_CManagerWnd mo_WndAnswer;   // the answer cards still in play
	LibGfx_CManagerWnd mo_WndFound;    // the cards answered right
	CObjWndKanji mo_WndQuestion;
	CObjWndKanji mao_WndAnswer[ku_Awnser_Max];
	u16 mau16_Kanji[ku_Awnser_Max];    // the round's kanji in the order they are asked
	u8 mu8_KanjiTotal;
	u8 mu8_KanjiLeft;                  // the one asked is at mu8_KanjiTotal - mu8_KanjiLeft
	u8 mu8_Errors;
	bool mb_ToRomanji;
	std::vector<u16> mo_Missed;        // the kanji asked that had a wrong answer, once each
	std::vector<u16> mo_FirstTry;      // the kanji found with no wrong answer
};

#endif
