// The kana quiz and the kana chart, driven frame by frame on the real data.
#include "StatesFixture.h"

#include "GameMode/Mode_Quiz/CState_QuizKana.h"
#include "GameMode/Mode_Quiz/CState_QuizResults.h"
#include "GameMode/Mode_Review/CState_ReviewKana.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CManagerCamera.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace
{
	const char* Entry(const u8 (&acu8_Table)[ku_Kana_Rows][ku_Kana_Cols][ku_Kana_EntrySize], int ai_Row, int ai_Col)
	{
		return reinterpret_cast<const char*>(acu8_Table[ai_Row][ai_Col]);
	}

	// The flash quad's alpha and colour (red in the lowest byte), as its first vertex holds them.
	u32 FlashColour(const CState_QuizKana& ao_Quiz)
	{
		u32 u32Colour;
		memcpy(&u32Colour, ao_Quiz.mo_PolyFlash.mp_Vertex, sizeof(u32Colour));
		return u32Colour;
	}
	u8 FlashAlpha(const CState_QuizKana& ao_Quiz) { return static_cast<u8>(FlashColour(ao_Quiz) >> 24); }

	// Walks the cursor from row 0 of the range's first column onto a card: Down to its column,
	// then Right to its row (Right never leaves the column).
	void MoveTo(const CState_QuizKana& ao_Quiz, u8 au8_Col, u8 au8_Row)
	{
		for (int i = 0; i < ku_Kana_Cols && ao_Quiz.ms8_CursorCol != au8_Col; ++i)
			Tap(ke_Key_Down);
		for (int i = 0; i < ku_Kana_Rows && ao_Quiz.ms8_CursorRow != au8_Row; ++i)
			Tap(ke_Key_Right);
		ASSERT_EQ(au8_Col, ao_Quiz.ms8_CursorCol);
		ASSERT_EQ(au8_Row, ao_Quiz.ms8_CursorRow);
	}

	// Answers the current card right, from wherever the cursor stands, once the card answered
	// before has given its place to it.
	void AnswerRight(const CState_QuizKana& ao_Quiz)
	{
		if (ao_Quiz.mb_Answered)
			RunFrames(CState_QuizKana::ku_Flash_Frames);
		const u8* p_Card = ao_Quiz.mau8_Deck[ao_Quiz.mu8_DeckPos];
		MoveTo(ao_Quiz, p_Card[0], p_Card[1]);
		Tap(ke_Key_Cross);
	}

	bool CursorOnCard(const CState_QuizKana& ao_Quiz)
	{
		const u8* p_Card = ao_Quiz.mau8_Deck[ao_Quiz.mu8_DeckPos];
		return ao_Quiz.ms8_CursorCol == p_Card[0] && ao_Quiz.ms8_CursorRow == p_Card[1];
	}

	// Mode B: the kana of the card asks, the romaji under the cursor answers.
	void ExpectPairB(const CState_QuizKana& ao_Quiz, u8 au8_Col, u8 au8_Row, u8 au8_CursorCol, u8 au8_CursorRow)
	{
		EXPECT_EQ(std::string(Entry(cu8_KatanaTable, au8_Row, au8_Col), 2), ao_Quiz.mo_TextKana.TxtGetText());
		EXPECT_STREQ(Entry(cu8_KatanaTable, au8_CursorRow, au8_CursorCol) + ku_Kana_Romaji, ao_Quiz.mo_TextRomaji.TxtGetText());
	}

	// The menu replaces itself with the quiz; over the browser a push does the same.
	CState_QuizKana* StartQuiz(CState_QuizKana::enumQuizMode ae_Mode, u8 au8_First, u8 au8_Last)
	{
		CState_QuizKana* pQuiz = new CState_QuizKana(ae_Mode, au8_First, au8_Last);
		pQuiz->State_Add();
		RunFrames(1);
		EXPECT_EQ(pQuiz, Top());
		return pQuiz;
	}

	// Line 0, the Square hint and the 69 cells with a kana show one syllabary; the others stay hidden.
	void ExpectChart(const CState_ReviewKana& ao_Chart, bool ab_Hiragana)
	{
		EXPECT_EQ(ab_Hiragana ? "Hiragana chart" : "Katakana chart", Line0());
		EXPECT_EQ(ab_Hiragana ? "A Katakana" : "A Hiragana", Hint(LibGfx_CManagerTooltip::ke_KeyId_Square));
		int iShown = 0;
		for (int r = 0; r < ku_Kana_Rows; ++r)
			for (int c = 0; c < ku_Kana_Cols; ++c)
			{
				const LibGfx_CObjText& oCell = ao_Chart.mao_TextKana[r][c];
				if (!(oCell.mu32_State & LibGfx_CObjBase::ke_Obj_Visible))
					continue;
				++iShown;
				EXPECT_STREQ(Entry(ab_Hiragana ? cu8_HiraganaTable : cu8_KatanaTable, r, c), oCell.TxtGetText());
			}
		EXPECT_EQ(69, iShown);
	}

	CState_ReviewKana* OpenChart()
	{
		Tap(ke_Key_Square);
		RunFrames(1);
		EXPECT_EQ(typeid(CState_ReviewKana), typeid(*Top()));
		return static_cast<CState_ReviewKana*>(Top());
	}
}

TEST_F(States, KanaQuizCursorWrapsInItsColumnsAndSlidesPastEmptySlots)
{
	CState_QuizKana* pQuiz = StartQuiz(CState_QuizKana::ke_QuizMode_HiraganaA, 12, 12);
	EXPECT_EQ(3, pQuiz->mu8_DeckTotal);
	const int aiRight[] = {2, 4, 0};
	for (int iRow : aiRight)
	{
		Tap(ke_Key_Right);
		EXPECT_EQ(iRow, pQuiz->ms8_CursorRow);
	}
	// Left from ya wraps to row 5, empty, and slides on upwards to yo.
	Tap(ke_Key_Left);
	EXPECT_EQ(4, pQuiz->ms8_CursorRow);
	// Mode A: the card's romaji asks, the kana under the cursor answers.
	EXPECT_EQ(std::string(Entry(cu8_HiraganaTable, 4, 12), 2), pQuiz->mo_TextKana.TxtGetText());
	EXPECT_STREQ(Entry(cu8_HiraganaTable, pQuiz->mau8_Deck[0][1], 12) + ku_Kana_Romaji, pQuiz->mo_TextRomaji.TxtGetText());
	Tap(ke_Key_Up);
	Tap(ke_Key_Down);
	EXPECT_EQ(12, pQuiz->ms8_CursorCol);
	// Circle ends the quiz on its results, which Cross closes.
	Tap(ke_Key_Circle);
	RunFrames(1);
	EXPECT_EQ(typeid(CState_QuizResults), typeid(*Top()));
	Tap(ke_Key_Cross);
	RunFrames(1);
	EXPECT_EQ(2u, Depth());

	// Down from chi: the da column has no row 1 or 2, so the cursor slides down to de.
	pQuiz = StartQuiz(CState_QuizKana::ke_QuizMode_HiraganaA, 5, 6);
	Tap(ke_Key_Right);
	Tap(ke_Key_Down);
	EXPECT_EQ(6, pQuiz->ms8_CursorCol);
	EXPECT_EQ(3, pQuiz->ms8_CursorRow);
	Tap(ke_Key_Down);
	EXPECT_EQ(5, pQuiz->ms8_CursorCol);

	// With the a column alone, Up and Down stay in it.
	pQuiz = StartQuiz(CState_QuizKana::ke_QuizMode_HiraganaA, 0, 0);
	Tap(ke_Key_Right);
	Tap(ke_Key_Up);
	EXPECT_EQ(0, pQuiz->ms8_CursorCol);
	EXPECT_EQ(1, pQuiz->ms8_CursorRow);
	Tap(ke_Key_Down);
	EXPECT_EQ(0, pQuiz->ms8_CursorCol);
}

TEST_F(States, KanaQuizCountsWrongAnswersKeepsTheCardAndFadesItsFlash)
{
	CState_QuizKana* pQuiz = StartQuiz(CState_QuizKana::ke_QuizMode_KatakanaB, 1, 2);
	EXPECT_EQ("Kana quiz", Line0());
	EXPECT_EQ("Found: 0  Errors: 0  Left: 10", Line1());
	// Each key the quiz reads has its hint, Circle too, and each face button's hint names its key.
	EXPECT_EQ("D Answer", Hint(LibGfx_CManagerTooltip::ke_KeyId_Cross));
	EXPECT_EQ("F Quit", Hint(LibGfx_CManagerTooltip::ke_KeyId_Circle));
	EXPECT_EQ("Vowel", Hint(LibGfx_CManagerTooltip::ke_KeyId_LeftRight));
	EXPECT_EQ("Consonant", Hint(LibGfx_CManagerTooltip::ke_KeyId_UpDown));
	// Mode B: the card's katakana asks, the romaji under the cursor answers.
	const u8 u8Col = pQuiz->mau8_Deck[0][0];
	const u8 u8Row = pQuiz->mau8_Deck[0][1];
	ExpectPairB(*pQuiz, u8Col, u8Row, pQuiz->ms8_CursorCol, pQuiz->ms8_CursorRow);

	// A kana beside the card's: one error, then another on the same kana; card and cursor stay.
	MoveTo(*pQuiz, u8Col, static_cast<u8>((u8Row + 1) % 5));
	Tap(ke_Key_Cross);
	Tap(ke_Key_Cross);
	EXPECT_EQ(2, pQuiz->mu8_Errors);
	EXPECT_EQ(0, pQuiz->mu8_DeckPos);
	EXPECT_EQ(u8Col, pQuiz->ms8_CursorCol);
	EXPECT_EQ((u8Row + 1) % 5, pQuiz->ms8_CursorRow);
	EXPECT_EQ(0xff0000c8u, FlashColour(*pQuiz));
	// Mode B lights the romaji's half of the window: red there, not over the kana.
	EXPECT_EQ(0x0000c8u, so_Screen.GetPixel(240 - 28, 136 + 14) & 0xffffff);
	EXPECT_NE(0x0000c8u, so_Screen.GetPixel(240 - 28, 136 - 40) & 0xffffff);

	// The flash fades to nothing exactly 100 frames after the answer.
	RunFrames(99);
	EXPECT_GT(FlashAlpha(*pQuiz), 0);
	RunFrames(1);
	EXPECT_EQ(0, FlashAlpha(*pQuiz));

	// Wrong again, then the cursor moves on: the red light stays with the pair that was wrong.
	Tap(ke_Key_Cross);
	EXPECT_EQ(3, pQuiz->mu8_Errors);
	Tap(ke_Key_Right);
	EXPECT_EQ(0, FlashAlpha(*pQuiz));
	EXPECT_EQ(0.0f, pQuiz->mf_FlashTimer);
}

TEST_F(States, KanaQuizKeepsTheAnsweredPairLitTillTheLightGoesOutOrTheNextKey)
{
	CState_QuizKana* pQuiz = StartQuiz(CState_QuizKana::ke_QuizMode_KatakanaB, 1, 2);
	// A right answer counts at once and the pair answered stays up, lit green.
	const u8 u8Col = pQuiz->mau8_Deck[0][0];
	const u8 u8Row = pQuiz->mau8_Deck[0][1];
	AnswerRight(*pQuiz);
	EXPECT_EQ("Found: 1  Errors: 0  Left: 9", Line1());
	EXPECT_TRUE(pQuiz->mb_Answered);
	ExpectPairB(*pQuiz, u8Col, u8Row, u8Col, u8Row);
	EXPECT_EQ(0xff00c800u, FlashColour(*pQuiz));
	EXPECT_EQ(0x00c800u, so_Screen.GetPixel(240 - 28, 136 + 14) & 0xffffff);

	// The next card comes as the light goes out, the cursor where the answer was.
	RunFrames(99);
	ExpectPairB(*pQuiz, u8Col, u8Row, u8Col, u8Row);
	EXPECT_GT(FlashAlpha(*pQuiz), 0);
	RunFrames(1);
	EXPECT_EQ(1, pQuiz->mu8_DeckPos);
	EXPECT_FALSE(pQuiz->mb_Answered);
	EXPECT_EQ(0, FlashAlpha(*pQuiz));
	ExpectPairB(*pQuiz, pQuiz->mau8_Deck[1][0], pQuiz->mau8_Deck[1][1], u8Col, u8Row);
	EXPECT_EQ("Found: 1  Errors: 0  Left: 9", Line1());

	// Or at the next key: a move brings the card and moves from the answer; Cross only brings the
	// card, which it could not have answered unseen.
	const u8 u8Col1 = pQuiz->mau8_Deck[1][0];
	const u8 u8Row1 = pQuiz->mau8_Deck[1][1];
	AnswerRight(*pQuiz);
	Tap(ke_Key_Right);
	EXPECT_EQ(2, pQuiz->mu8_DeckPos);
	EXPECT_EQ(0, FlashAlpha(*pQuiz));
	EXPECT_EQ(u8Col1, pQuiz->ms8_CursorCol);
	EXPECT_EQ((u8Row1 + 1) % 5, pQuiz->ms8_CursorRow);
	AnswerRight(*pQuiz);
	Tap(ke_Key_Cross);
	EXPECT_EQ(3, pQuiz->mu8_DeckPos);
	EXPECT_EQ(0, pQuiz->mu8_Errors);
	EXPECT_EQ(0, FlashAlpha(*pQuiz));
	EXPECT_EQ("Found: 3  Errors: 0  Left: 7", Line1());
}

TEST_F(States, KanaQuizNeverStartsTheCursorOnTheFirstCard)
{
	// Every menu range, with several deals each: the first card is never answered without a move.
	const u8 au8_Ranges[][2] = {{0, 0}, {1, 2}, {3, 4}, {5, 6}, {7, 7}, {8, 10}, {11, 11}, {12, 12}, {0, 13}};
	int i_MovedOff = 0;
	for (int i_Seed = 0; i_Seed < 8; ++i_Seed)
		for (const auto& o_Range : au8_Ranges)
		{
			srand(static_cast<unsigned>(i_Seed));
			CState_QuizKana* p_Quiz = StartQuiz(CState_QuizKana::ke_QuizMode_HiraganaA, o_Range[0], o_Range[1]);
			EXPECT_FALSE(CursorOnCard(*p_Quiz)) << int(o_Range[0]) << ".." << int(o_Range[1]) << " seed " << i_Seed;
			i_MovedOff += p_Quiz->ms8_CursorRow != 0;
			// Circle, then Cross on the results.
			Tap(ke_Key_Circle);
			RunFrames(1);
			Tap(ke_Key_Cross);
			RunFrames(1);
		}
	// Some first cards were the range's first kana: the cursor was moved off them.
	EXPECT_GT(i_MovedOff, 0);
}

TEST_F(States, KanaQuizHiraganaAOverYaPlaysToItsEndAndGoesBack)
{
	CState_QuizKana* pQuiz = StartQuiz(CState_QuizKana::ke_QuizMode_HiraganaA, 12, 12);
	AnswerRight(*pQuiz);
	AnswerRight(*pQuiz);
	EXPECT_EQ("Found: 2  Errors: 0  Left: 1", Line1());
	// The last right answer closes the quiz without a flash.
	RunFrames(100);
	AnswerRight(*pQuiz);
	EXPECT_EQ(0, FlashAlpha(*pQuiz));
	EXPECT_EQ(0.0f, pQuiz->mf_FlashTimer);
	RunFrames(1);
	EXPECT_EQ(typeid(CState_QuizResults), typeid(*Top()));
	EXPECT_EQ("Kana quiz results", Line0());
	EXPECT_EQ("Answered: 3  Errors: 0", Line1());
	Tap(ke_Key_Circle);
	RunFrames(1);
	ASSERT_EQ(2u, Depth());
	EXPECT_EQ(typeid(CState_KanjiList), typeid(*Top()));
	EXPECT_EQ("Grade 1", Line0());
}

TEST_F(States, KanaChartOpensOnHiraganaTogglesWithSquareAndGlidesBackIn20Frames)
{
	LibGfx_CManagerCamera* pCameras = LibGfx_CManagerCamera::Instance();
	const float fEyeZ = gCameraStart.GetEyePos()->z;
	CState_ReviewKana* pChart = OpenChart();
	ExpectChart(*pChart, true);
	Tap(ke_Key_Square);
	ExpectChart(*pChart, false);
	Tap(ke_Key_Square);
	ExpectChart(*pChart, true);
	Tap(ke_Key_Square);
	RunFrames(20);
	EXPECT_FLOAT_EQ(fEyeZ + 82.08326f, pCameras->GetPosEye()->z);

	Tap(ke_Key_Circle);
	RunFrames(20);   // removed in the first frame, then the glide back
	ASSERT_EQ(2u, Depth());
	EXPECT_EQ("Grade 1", Line0());
	EXPECT_GT(pCameras->GetPosEye()->z, fEyeZ + 1.0f);
	RunFrames(1);
	EXPECT_EQ(fEyeZ, pCameras->GetPosEye()->z);

	// Closed on katakana, it opens on hiragana again.
	ExpectChart(*OpenChart(), true);
}

TEST_F(States, SquareOpensTheChartOnlyWhileTheViewRestsEvenOverAnEmptyList)
{
	// Square let go while Right turns the carousel: the view backs away that frame, Square is lost.
	LibInput_SetScriptKeys(ke_Key_Square);
	RunFrames(1);
	LibInput_SetScriptKeys(ke_Key_Right);
	RunFrames(1);
	LibInput_SetScriptKeys(0);
	RunFrames(45);
	EXPECT_EQ(2u, Depth());

	List()->UnloadKanjis();
	(new CState_KanjiList())->State_Replace();
	RunFrames(2);
	OpenChart();
}

// A list of misses longer than the window shows its first ones whole, one a line, then how many
// are left out.
TEST_F(States, QuizResultsCutALongListOfMissesWithACount)
{
	std::vector<std::string> o_Missed;
	for (int i = 0; i < 40; ++i)
		o_Missed.push_back(std::string(Entry(cu8_HiraganaTable, 0, 0), 2) + " a");
	CState_QuizResults* p_Results = new CState_QuizResults(40, 40, o_Missed);
	p_Results->State_Add();
	RunFrames(1);
	const std::string s_Text = p_Results->mo_TxtMissed.TxtGetText();
	const size_t u_Count = s_Text.rfind('+');
	ASSERT_NE(std::string::npos, u_Count) << s_Text;
	const int i_Left = atoi(s_Text.c_str() + u_Count + 1);
	EXPECT_GT(i_Left, 0);
	EXPECT_EQ(40 - i_Left, static_cast<int>(std::count(s_Text.begin(), s_Text.end(), '\n')));
	EXPECT_LE(p_Results->mo_TxtMissed.TxtGetLineCount(), p_Results->mo_TxtMissed.TxtGetLineCapacity());
	EXPECT_EQ("Answered: 40  Errors: 40", Line1());
	Tap(ke_Key_Cross);
	RunFrames(1);
	EXPECT_EQ(2u, Depth());
}
