#ifndef CSTATE_QUIZROUNDA_GOODANWSER_H
#define CSTATE_QUIZROUNDA_GOODANWSER_H

#include "LibGen_CState.h"

class CObjWndKanji;
class CState_QuizRoundA;

// The flight of a right answer: the card turns green and flies towards the viewer out of sight,
// then joins the round's found answers with the kanji, its readings and its meanings. The round
// takes no input meanwhile.
class CState_QuizRoundA_GoodAnwser : public LibGen_CState
{
public:
	CState_QuizRoundA_GoodAnwser(CState_QuizRoundA* ap_QuizRound, CObjWndKanji* ap_Wnd);

	void LoadOnce() override;
	void Main() override;
	void UnloadOnce() override;

	CState_QuizRoundA* mp_QuizRound;
	CObjWndKanji* mp_Wnd;
};

#endif
