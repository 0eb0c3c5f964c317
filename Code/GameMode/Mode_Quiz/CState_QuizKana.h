#ifndef CSTATE_QUIZKANA_H
#define CSTATE_QUIZKANA_H

#include "Fudemaru.h"
#include "LibGen_CState.h"
#include "LibGen_DataTypes.h"
#include "LibGfx_CObjText.h"
#include "LibGfx_CObjWndThemed.h"
#include "LibGfx_CPolyQuad.h"

#include <string>
#include <vector>

// The kana drill: every kana of a range of table columns is dealt once, in random order. For each
// card the player moves a cursor over the table (Left and Right change the vowel, Up and Down the
// consonant) onto the card's kana and answers with Cross. A right answer lights the pair green and
// keeps it up until the light goes out or the next key, then the next card comes with the cursor
// where it was; a wrong one lights the pair red and counts an error. The light goes out as soon as
// the cursor leaves its pair. Circle, or the last card, ends it with its results.
class CState_QuizKana : public LibGen_CState
{
public:
	// The A modes show the romaji and ask for the kana, the B modes the other way round.
	enum enumQuizMode
	{
		ke_QuizMode_HiraganaA = 0,
		ke_QuizMode_HiraganaB,
		ke_QuizMode_KatakanaA,
		ke_QuizMode_KatakanaB,
	};
	enum
	{
		ku_Deck_Max = ku_Kana_Rows * ku_Kana_Cols,
		ku_Flash_Frames = 100,
	};

	// Deals the deck of the columns first..last. Columns are kept within the table and a reversed
	// range is taken the right way round: the deck holds 3 to 69 cards.
	CState_QuizKana(enumQuizMode ae_Mode, u8 au8_ColFirst, u8 au8_ColLast);

	void LoadOnce() override;
	void LoadAlways() override;
	void Main() override;

	LibGfx_CObjWndThemed mo_Wnd;
	LibGfx_CObjText mo_TextKana;
	LibGfx_CObjText mo_TextRomaji;
	LibGfx_CPolyQuad mo_PolyLine;
	LibGfx_CPolyQuad mo_PolyFlash;
	u8 mau8_Deck[ku_Deck_Max][2];   // (column, row) of each card
	u8 mu8_DeckTotal;
	u8 mu8_DeckPos;                 // the current card, also the number answered
	u8 mu8_Errors;
	s8 ms8_CursorRow;
	s8 ms8_CursorCol;
	s8 ms8_ColFirst;
	s8 ms8_ColLast;
	enumQuizMode me_QuizMode;
	float mf_FlashTimer;            // 100 at an answer, down to 0 one a frame
	bool mb_Answered;               // the card shown was answered right; the next one waits
	bool mab_Missed[ku_Deck_Max];   // the card had a wrong answer

private:
	// Moves the cursor by a column and a row step, wrapping within the range, then on along the
	// new column past empty slots.
	void UpdateAnwser(s8 as8_ColStep, s8 as8_RowStep);
	void UpdateDisplay();
	void CheckCardMatch();
	// The card after the one answered, the cursor left where the answer was.
	void NextCard();
	void EndFlash();
	bool CursorOnCard() const;
	// Tooltip line 1: found, errors, left.
	void UpdateStats();
	// The results in the quiz's place.
	void ShowResults();

	// The A modes ask with the romaji and answer with the kana, the B modes the other way round.
	bool AsksRomaji() const { return me_QuizMode == ke_QuizMode_HiraganaA || me_QuizMode == ke_QuizMode_KatakanaA; }
	// The whole entry (kana, line feed, romaji) of the mode's table.
	const char* Entry(s8 as8_Row, s8 as8_Col) const;
};

#endif
