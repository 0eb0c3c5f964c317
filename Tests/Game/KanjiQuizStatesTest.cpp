// The kanji quiz: the match's deal, a round's answers, the flight of a right answer and the answer
// review, driven frame by frame on the real data. The scenarios play it through the menu.
#include "GameMode/Mode_Quiz/CState_AnwserReview.h"
#include "GameMode/Mode_Quiz/CState_QuizMatch.h"
#include "GameMode/Mode_Quiz/CState_QuizResults.h"
#include "GameMode/Mode_Quiz/CState_QuizRoundA.h"
#include "GameMode/Mode_Quiz/CState_QuizRoundA_GoodAnwser.h"
#include "GameMode/Mode_Review/CState_ReviewKana.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CManagerCamera.h"
#include "StatesFixture.h"

#include <cstring>
#include <vector>

namespace
{
	// A turn of the answer carousel takes 20 frames; a right answer's flight (17 frames) and the
	// carousel's closing turn are over in 22.
	const int ki_TurnFrames = 20;
	const int ki_FlightFrames = 22;

	CObjWndKanji* Front(CState_QuizRoundA& ao_Round)
	{
		return static_cast<CObjWndKanji*>(ao_Round.mo_WndAnswer.GetWindowCurrent(0));
	}

	// The centre piece's colour without its alpha, red in the lowest byte.
	u32 CentreColour(CObjWndKanji& ao_Wnd)
	{
		const LibGfx_CPolyQuad* pPoly = ao_Wnd.GetWindowPoly(LibGfx_CObjWndBase::ke_PolyId_MidMid);
		const size_t uOffset = pPoly->mu32_VertexFormat == LibGfx_CPolyBase::ku32_Format_T2F_C4UB_V3F ? 8 : 0;
		u32 u32Colour;
		memcpy(&u32Colour, static_cast<const u8*>(pPoly->mp_Vertex) + uOffset, sizeof(u32Colour));
		return u32Colour & 0xffffff;
	}

	// Turns with Left to the card of the question, or one card further, and confirms it.
	void Answer(CState_QuizRoundA& ao_Round, bool ab_Right)
	{
		for (int i = 0; i < CState_QuizRoundA::ku_Awnser_Max && Front(ao_Round)->mu16_Kanji != ao_Round.mo_WndQuestion.mu16_Kanji; ++i)
		{
			Tap(ke_Key_Left);
			RunFrames(ki_TurnFrames);
		}
		if (!ab_Right)
		{
			Tap(ke_Key_Left);
			RunFrames(ki_TurnFrames);
		}
		Tap(ke_Key_Cross);
	}

	class KanjiQuizStates : public States
	{
	protected:
		// A quiz left open ends at the next test's clean-up instead of dealing another round.
		void TearDown() override
		{
			gu8_QuizCardCount = 10;
			for (LibGen_CState* pState : LibGen_CState::GetStateList())
				if (CState_QuizMatch* pMatch = dynamic_cast<CState_QuizMatch*>(pState))
					pMatch->mb_Stop = true;
		}

		// The match over the browser, as the menu starts it, and its first round (null when none).
		static CState_QuizRoundA* StartQuiz(u8 au8_CardCount = 10)
		{
			gu8_QuizCardCount = au8_CardCount;
			(new CState_QuizMatch(false))->State_Add();
			RunFrames(2);
			return dynamic_cast<CState_QuizRoundA*>(Top());
		}
		static CState_QuizMatch* Match()
		{
			return dynamic_cast<CState_QuizMatch*>(*std::next(LibGen_CState::GetStateList().begin(), 2));
		}
		// The size of each round dealt over the current list, each one removed as soon as it is
		// current; the quiz is over when it returns.
		static std::vector<int> Deal(u8 au8_CardCount)
		{
			std::vector<int> oRounds;
			for (CState_QuizRoundA* pRound = StartQuiz(au8_CardCount); pRound != nullptr; pRound = dynamic_cast<CState_QuizRoundA*>(Top()))
			{
				oRounds.push_back(pRound->mu8_KanjiTotal);
				pRound->State_Remove();
				RunFrames(2);
			}
			RunFrames(1);
			EXPECT_EQ(2u, Depth());
			return oRounds;
		}
	};
}

TEST_F(KanjiQuizStates, TheMatchDealsRoundsOfTheCardCountThenARemainderOfTwoOrMore)
{
	// 80 kanji by 3: 26 rounds of 3, then 2; 160 by 3: 53 rounds, the last kanji never asked.
	std::vector<int> oRounds(26, 3);
	oRounds.push_back(2);
	EXPECT_EQ(oRounds, Deal(3));
	List()->Load_KanjiList(List()->GetListInfo("Grade 2"));
	EXPECT_EQ(std::vector<int>(53, 3), Deal(3));

	// A count above 32, which the configuration never gives, still deals rounds of 32; without a
	// configuration the count is 0 and nothing is dealt, nor from an empty list.
	List()->Load_KanjiList(List()->GetListInfo("Grade 1"));
	EXPECT_EQ((std::vector<int>{32, 32, 16}), Deal(40));
	EXPECT_TRUE(Deal(0).empty());
	List()->UnloadKanjis();
	EXPECT_TRUE(Deal(10).empty());
}

TEST_F(KanjiQuizStates, WrongAnswersStayRedTillARightOneFliesToTheFoundAnswersWhichTriangleReviews)
{
	LibGfx_CManagerCamera* pCameras = LibGfx_CManagerCamera::Instance();
	const float fEyeZ = pCameras->GetPosEye()->z;
	CState_QuizRoundA* pRound = StartQuiz();
	ASSERT_NE(nullptr, pRound);
	// Nothing found yet: Triangle opens nothing, and the bar offers it not; Circle quits.
	EXPECT_EQ("", Hint(LibGfx_CManagerTooltip::ke_KeyId_Triangle));
	EXPECT_EQ("F Quit", Hint(LibGfx_CManagerTooltip::ke_KeyId_Circle));
	EXPECT_EQ("D Answer", Hint(LibGfx_CManagerTooltip::ke_KeyId_Cross));
	Tap(ke_Key_Triangle);
	RunFrames(1);
	EXPECT_EQ(pRound, Top());

	// Two errors on the same card; its mark stays when it turns away.
	Answer(*pRound, false);
	CObjWndKanji* pWrong = Front(*pRound);
	Tap(ke_Key_Cross);
	EXPECT_EQ("Found: 0  Errors: 2  Left: 10", Line1());
	Tap(ke_Key_Left);
	RunFrames(ki_TurnFrames);
	EXPECT_EQ(0x0000ffu, CentreColour(*pWrong));

	// A right answer counts at once, clears the marks and asks the next kanji.
	const u16 u16Found = pRound->mo_WndQuestion.mu16_Kanji;
	Answer(*pRound, true);
	EXPECT_EQ("Found: 1  Errors: 2  Left: 9", Line1());
	EXPECT_EQ(0xffffffu, CentreColour(*pWrong));
	EXPECT_EQ(pRound->mau16_Kanji[1], pRound->mo_WndQuestion.mu16_Kanji);

	// The card flies green, a step a frame, out of sight after 16; the round's keys wait.
	RunFrames(1);
	CState_QuizRoundA_GoodAnwser* pFlight = dynamic_cast<CState_QuizRoundA_GoodAnwser*>(Top());
	ASSERT_NE(nullptr, pFlight);
	CObjWndKanji* pFound = pFlight->mp_Wnd;
	EXPECT_EQ(u16Found, pFound->mu16_Kanji);
	EXPECT_EQ(0x00ff00u, CentreColour(*pFound));
	Tap(ke_Key_Circle);
	EXPECT_FLOAT_EQ(3 * 21.88887f, pFound->mo_Pos.z);
	RunFrames(14);
	EXPECT_EQ(pRound, Top());
	EXPECT_FALSE(Match()->mb_Stop);
	// Then it waits in front of the found answers, green, with its glyph, readings and meanings.
	EXPECT_EQ(pFound, pRound->mo_WndFound.GetWindowCurrent(0));
	EXPECT_EQ(1, pFound->mb_ShowKanji);
	EXPECT_EQ(4, pFound->mu8_MeaningMax);
	EXPECT_EQ(0x00ff00u, CentreColour(*pFound));
	EXPECT_EQ("S Found", Hint(LibGfx_CManagerTooltip::ke_KeyId_Triangle)) << "the first answer found";

	// Triangle glides the view in 20 frames to face them from the usual distance; Circle back.
	Tap(ke_Key_Triangle);
	RunFrames(21);
	ASSERT_EQ(typeid(CState_AnwserReview), typeid(*Top()));
	EXPECT_EQ("Answers found", Line0());
	const float fFoundZ = pRound->mo_WndFound.GetRootObject()->mo_Pos.z;
	EXPECT_FLOAT_EQ(fFoundZ + static_cast<float>(kd_Screen_Distance), pCameras->GetPosEye()->z);
	EXPECT_FLOAT_EQ(fFoundZ, pCameras->GetPosTarget()->z);
	// They lie beside the round, in its plane: the glide was a pan. The kana chart opens in front
	// of them.
	const float f_FoundX = pRound->mo_WndFound.GetRootObject()->mo_Pos.x;
	EXPECT_FLOAT_EQ(f_FoundX, pCameras->GetPosEye()->x);
	EXPECT_FLOAT_EQ(fEyeZ, pCameras->GetPosEye()->z);
	Tap(ke_Key_Square);
	RunFrames(21);
	const CState_ReviewKana* p_Chart = dynamic_cast<const CState_ReviewKana*>(Top());
	ASSERT_NE(nullptr, p_Chart);
	EXPECT_FLOAT_EQ(f_FoundX, p_Chart->mo_Wnd.mo_Pos.x);
	Tap(ke_Key_Circle);
	RunFrames(21);
	ASSERT_EQ(typeid(CState_AnwserReview), typeid(*Top()));
	Tap(ke_Key_Circle);
	RunFrames(21);
	EXPECT_EQ(pRound, Top());
	EXPECT_EQ("Found: 1  Errors: 2  Left: 9", Line1());
	EXPECT_FLOAT_EQ(fEyeZ, pCameras->GetPosEye()->z);
}

TEST_F(KanjiQuizStates, ARoundOfTwoFliesOnlyItsFirstAnswerTheNextComesAtOnceAndCircleWithAnyKeyEndsTheWholeQuiz)
{
	CState_QuizRoundA* pRound = StartQuiz(2);
	ASSERT_NE(nullptr, pRound);
	Answer(*pRound, true);
	RunFrames(1);
	EXPECT_EQ(typeid(CState_QuizRoundA_GoodAnwser), typeid(*Top()));
	RunFrames(ki_FlightFrames);
	Answer(*pRound, true);
	EXPECT_EQ("Found: 2  Errors: 0  Left: 0", Line1());
	// The round's results come in the very frame the round goes, and the next round in the frame
	// Cross closes them: no frame shows the match alone.
	RunFrames(1);
	ASSERT_EQ(typeid(CState_QuizResults), typeid(*Top()));
	EXPECT_EQ("Round 1 of 40", Line0());
	EXPECT_EQ(4u, Depth());
	Tap(ke_Key_Cross);
	RunFrames(1);
	CState_QuizRoundA* p_Next = dynamic_cast<CState_QuizRoundA*>(Top());
	ASSERT_NE(nullptr, p_Next);
	EXPECT_EQ(4u, Depth());
	EXPECT_EQ("Found: 0  Errors: 0  Left: 2", Line1());
	EXPECT_EQ(4, Match()->mu16_KanjiNext);
	pRound = p_Next;

	// Circle let go with every other face button: the quiz ends, the card is not compared and
	// nothing is opened.
	Answer(*pRound, true);
	RunFrames(ki_FlightFrames);
	LibInput_SetScriptKeys(ke_Key_Circle | ke_Key_Cross | ke_Key_Square | ke_Key_Triangle);
	RunFrames(1);
	LibInput_SetScriptKeys(0);
	RunFrames(1);
	EXPECT_EQ(1, pRound->mu8_KanjiLeft);
	EXPECT_TRUE(Match()->mb_Stop);
	RunFrames(1);
	EXPECT_EQ(typeid(CState_QuizResults), typeid(*Top()));
	EXPECT_EQ("Quiz results", Line0());
	Tap(ke_Key_Circle);
	RunFrames(2);
	ASSERT_EQ(2u, Depth());
	EXPECT_EQ("Grade 1", Line0());
}

TEST_F(KanjiQuizStates, ARoundOfUnknownKanjiEndsAtOnceAndCrossFindsNoCard)
{
	// 0 stands for an empty place of a list; A1A1 is a space. Known kanji are kept in order.
	CState_QuizMatch oMatch(false);
	u16 au16Codes[] = {0, 0xA1A1, List()->GetKanji(0)};
	CState_QuizRoundA oRound(&oMatch, au16Codes, 3, false);
	ASSERT_EQ(1, oRound.mu8_KanjiTotal);
	EXPECT_EQ(List()->GetKanji(0), oRound.mau16_Kanji[0]);

	CState_QuizRoundA* pRound = new CState_QuizRoundA(&oMatch, au16Codes, 2, false);
	pRound->State_Add();
	RunFrames(1);
	ASSERT_EQ(pRound, Top());
	pRound->CheckCardMatch();
	EXPECT_EQ(0, pRound->mu8_Errors);
	RunFrames(1);
	EXPECT_FALSE(oMatch.mb_Stop);
	// Nothing left to deal: the whole quiz's results, which Cross closes.
	EXPECT_EQ(typeid(CState_QuizResults), typeid(*Top()));
	Tap(ke_Key_Cross);
	RunFrames(1);
	EXPECT_EQ(2u, Depth());
}
