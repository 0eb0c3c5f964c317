// The kana tables and the kana quiz's deck.
#include "Fudemaru.h"
#include "GameMode/Mode_Quiz/CState_QuizKana.h"

#include <gtest/gtest.h>

#include <iconv.h>
#include <set>
#include <sstream>
#include <string>
#include <utility>

namespace
{
	// The table as the quiz and the chart present it: hiragana, katakana and romaji of each slot
	// by row (a i u e o n) and column (a ka ga sa za ta da na ha ba pa ma ya ra wa); "-" is empty.
	const char* const cs_Table[ku_Kana_Rows] = {
		"あ ア a  か カ ka  が ガ ga  さ サ sa  ざ ザ za  た タ ta  だ ダ da  な ナ na  は ハ ha  ば バ ba  ぱ パ pa  ま マ ma  や ヤ ya  ら ラ ra  わ ワ wa",
		"い イ i  き キ ki  ぎ ギ gi  し シ shi  じ ジ ji  ち チ chi  -  に ニ ni  ひ ヒ hi  び ビ bi  ぴ ピ pi  み ミ mi  -  り リ ri  -",
		"う ウ u  く ク ku  ぐ グ gu  す ス su  ず ズ zu  つ ツ tsu  -  ぬ ヌ nu  ふ フ fu  ぶ ブ bu  ぷ プ pu  む ム mu  ゆ ユ yu  る ル ru  -",
		"え エ e  け ケ ke  げ ゲ ge  せ セ se  ぜ ゼ ze  て テ te  で デ de  ね ネ ne  へ ヘ he  べ ベ be  ぺ ペ pe  め メ me  -  れ レ re  -",
		"お オ o  こ コ ko  ご ゴ go  そ ソ so  ぞ ゾ zo  と ト to  ど ド do  の ノ no  ほ ホ ho  ぼ ボ bo  ぽ ポ po  も モ mo  よ ヨ yo  ろ ロ ro  を ヲ wo",
		"-  -  -  -  -  -  -  -  -  -  -  -  -  -  ん ン n",
	};

	std::string ToEuc(const std::string& as_Utf8)
	{
		iconv_t oConv = iconv_open("EUC-JP", "UTF-8");
		char sOut[16] = {};
		char* pIn = const_cast<char*>(as_Utf8.c_str());
		char* pOut = sOut;
		size_t uIn = as_Utf8.size(), uOut = sizeof(sOut) - 1;
		iconv(oConv, &pIn, &uIn, &pOut, &uOut);
		iconv_close(oConv);
		return sOut;
	}

	// The entry's seven bytes: the kana (two zero bytes when empty), a line feed, the romaji in a
	// three-character field (one letter centred, two after a space, three filling it), a terminator.
	std::string Expected(const std::string& as_Kana, const std::string& as_Romaji)
	{
		if (as_Kana.empty())
			return std::string(2, '\0') + "\n   " + std::string(1, '\0');
		const std::string sField = as_Romaji.size() == 1 ? " " + as_Romaji + " " : as_Romaji.size() == 2 ? " " + as_Romaji : as_Romaji;
		return ToEuc(as_Kana) + "\n" + sField + std::string(1, '\0');
	}

	std::string Bytes(const u8 (&acu8_Entry)[ku_Kana_EntrySize])
	{
		return std::string(reinterpret_cast<const char*>(acu8_Entry), ku_Kana_EntrySize);
	}
}

TEST(KanaTables, HoldEveryKanaWithItsPaddedRomajiAndTheSameEmptySlots)
{
	int iFilled = 0;
	for (int r = 0; r < ku_Kana_Rows; ++r)
	{
		std::istringstream oRow(cs_Table[r]);
		for (int c = 0; c < ku_Kana_Cols; ++c)
		{
			std::string sHiragana, sKatakana, sRomaji;
			oRow >> sHiragana;
			if (sHiragana == "-")
			{
				sHiragana.clear();
			}
			else
			{
				oRow >> sKatakana >> sRomaji;
				++iFilled;
			}
			EXPECT_EQ(Expected(sHiragana, sRomaji), Bytes(cu8_HiraganaTable[r][c])) << "row " << r << " column " << c;
			EXPECT_EQ(Expected(sKatakana, sRomaji), Bytes(cu8_KatanaTable[r][c])) << "row " << r << " column " << c;
		}
	}
	EXPECT_EQ(69, iFilled);
}

TEST(KanaQuizDeck, EveryMenuRangeDealsEachKanaOfItsColumnsOnce)
{
	const struct { u8 first, last, cards; } cases[] = {
		{0, 0, 5}, {1, 2, 10}, {3, 4, 10}, {5, 6, 8}, {7, 7, 5}, {8, 10, 15}, {11, 11, 5}, {12, 12, 3}, {0, 13, 66},
	};
	for (const auto& c : cases)
	{
		const CState_QuizKana oQuiz(CState_QuizKana::ke_QuizMode_KatakanaB, c.first, c.last);
		ASSERT_EQ(c.cards, oQuiz.mu8_DeckTotal) << int(c.first) << ".." << int(c.last);
		std::set<std::pair<int, int>> oCards;
		for (int i = 0; i < oQuiz.mu8_DeckTotal; ++i)
		{
			const u8 u8Col = oQuiz.mau8_Deck[i][0], u8Row = oQuiz.mau8_Deck[i][1];
			EXPECT_TRUE(u8Col >= c.first && u8Col <= c.last && cu8_HiraganaTable[u8Row][u8Col][0] != 0);
			oCards.insert({u8Col, u8Row});
		}
		EXPECT_EQ(size_t(c.cards), oCards.size());
		EXPECT_EQ(c.first, oQuiz.ms8_CursorCol);
		EXPECT_EQ(0, oQuiz.ms8_CursorRow);
	}
}

TEST(KanaQuizDeck, AnyRangeACallerGivesStaysWithinTheTable)
{
	const struct { u8 first, last, colFirst, colLast, cards; } cases[] = {
		{0, 255, 0, 14, 69}, {200, 255, 14, 14, 3}, {13, 12, 12, 13, 8}, {255, 0, 0, 14, 69},
	};
	for (const auto& c : cases)
	{
		const CState_QuizKana oQuiz(CState_QuizKana::ke_QuizMode_HiraganaA, c.first, c.last);
		EXPECT_EQ(c.colFirst, oQuiz.ms8_ColFirst);
		EXPECT_EQ(c.colLast, oQuiz.ms8_ColLast);
		EXPECT_EQ(c.cards, oQuiz.mu8_DeckTotal) << int(c.first) << ".." << int(c.last);
	}
}
