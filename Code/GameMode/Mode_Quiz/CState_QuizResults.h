#ifndef CSTATE_QUIZRESULTS_H
#define CSTATE_QUIZRESULTS_H

#include "LibGen_CState.h"
#include "LibGen_DataTypes.h"
#include "LibGfx_CObjText.h"
#include "LibGfx_CObjWndThemed.h"

#include <string>
#include <vector>

class CState_QuizMatch;
class CState_QuizRoundA;

// How a quiz went, in a window over its screen: the scores, then what was missed, one kanji with
// its first meaning or one kana with its romaji each, as many as the window holds and a count of
// the others ("+12"). The bar names the results and repeats the score.
// - Between two kanji rounds: Cross deals the next round, Circle ends the quiz with its whole results.
// - At the end of a kanji quiz, or of a kana quiz: Cross or Circle closes it.
class CState_QuizResults : public LibGen_CState
{
public:
	// The results of the match's last round, ap_Next the round that follows it (owned until it is
	// dealt); with no next round, the whole quiz's results.
	CState_QuizResults(CState_QuizMatch* ap_Match, CState_QuizRoundA* ap_Next);
	// A kana quiz's: the cards answered, the errors, and the kana missed with their romaji
	// ("ka (ka)"), in EUC-JP.
	CState_QuizResults(u16 au16_Answered, u16 au16_Errors, const std::vector<std::string>& ao_Missed);
	~CState_QuizResults() override;

	void LoadOnce() override;
	void LoadAlways() override;
	void Main() override;

	CState_QuizMatch* mp_Match;       // null after a kana quiz
	CState_QuizRoundA* mp_Next;       // the next round, while the round's results are shown
	u16 mu16_Answered;
	u16 mu16_Errors;
	std::vector<std::string> mo_Missed;
	LibGfx_CObjWndThemed mo_Window;
	LibGfx_CObjText mo_TxtScore;      // the scores, in the Latin font
	LibGfx_CObjText mo_TxtMissed;     // the missed ones, kanji and kana with their Latin texts

private:
	// Lays the texts out again from the scores, in the current language.
	void Layout();
};

#endif
