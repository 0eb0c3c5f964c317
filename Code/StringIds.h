#ifndef STRINGIDS_H
#define STRINGIDS_H

#include "LibGen_DataTypes.h"

// Numbers of the interface texts in the language tables (Data/Languages/*.txt).
enum enumStringId : u32
{
	ke_String_Welcome          = 3,
	ke_String_Choose           = 4,
	ke_String_MenuBack         = 5,
	ke_String_LoadDictionary   = 6,
	ke_String_LoadStrokes      = 7,
	ke_String_FindLists        = 8,
	ke_String_LoadFonts        = 9,
	ke_String_MenuQuiz         = 10,
	ke_String_MenuKanjiLists   = 12,
	ke_String_MenuQuit         = 16,
	ke_String_MenuNoKanji      = 18,
	ke_String_MenuNoKanjiHelp  = 19,
	ke_String_MenuKanjiA       = 20,   // each label is followed by its help
	ke_String_MenuKanjiB       = 22,
	ke_String_MenuHiraganaA    = 24,
	ke_String_MenuKatakanaA    = 26,
	ke_String_MenuHiraganaB    = 28,
	ke_String_MenuKatakanaB    = 30,
	ke_String_KanaColumnsFirst = 32,   // the kana menus' entries, 32 to 40, are labelled by their own number
	ke_String_DetailLabels     = 41,   // five lines: code, strokes, grade, radical, frequency
	ke_String_KunLabel         = 42,
	ke_String_OnLabel          = 43,
	ke_String_RadicalLabel     = 44,
	ke_String_GameTitle        = 48,
	ke_String_QuizQuit         = 49,   // Circle in the quizzes, short: the bar is full there
	ke_String_Back             = 50,
	ke_String_KanjiQuizTitle   = 51,
	ke_String_QuizScore        = 52,   // printf format: found, errors, left
	ke_String_KanjiQuizAnswer  = 53,
	ke_String_KanjiQuizFound   = 54,
	ke_String_KanaQuizTitle    = 55,
	ke_String_Vowel            = 56,
	ke_String_Consonant        = 57,
	ke_String_Answer           = 58,
	ke_String_ReviewTitle      = 59,
	ke_String_Replay           = 60,
	ke_String_ListTitle        = 61,
	ke_String_KanjiCount       = 62,   // printf format: position, total
	ke_String_Previous         = 63,
	ke_String_Next             = 64,
	ke_String_Menu             = 65,
	ke_String_AnswersFound     = 66,
	ke_String_KanaChart        = 67,
	ke_String_Hiragana         = 68,
	ke_String_Katakana         = 69,
	ke_String_HiraganaChart    = 70,
	ke_String_KatakanaChart    = 71,
	// The notice of the data problems found at start, and the chooser's mark of a player's list.
	ke_String_ProblemsTitle    = 90,
	ke_String_ProblemsCount    = 91,   // printf format: the number of problems
	ke_String_ProblemsCheck    = 92,
	ke_String_ProblemsLog      = 93,
	ke_String_Continue         = 94,
	ke_String_OwnListMark      = 95,
	// The results of a quiz and the settings.
	ke_String_ResultRound      = 120,  // printf format: round, rounds
	ke_String_ResultFound      = 121,  // printf format: found
	ke_String_ResultErrors     = 122,  // printf format: errors
	ke_String_ResultMissed     = 123,
	ke_String_ResultNoneMissed = 124,
	ke_String_NextRound        = 125,
	ke_String_QuizResults      = 126,
	ke_String_ResultRounds     = 127,  // printf format: rounds played
	ke_String_ResultTime       = 128,  // printf format: minutes, seconds
	ke_String_ResultReview     = 129,  // printf format: kanji that joined "To review", that left it
	ke_String_ResultAnswered   = 130,  // printf format: cards answered
	ke_String_KanaResults      = 131,
	ke_String_ResultScore      = 132,  // printf format: answered, errors
	ke_String_ResultScoreFound = 133,  // printf format: found, errors
	ke_String_MenuSettings     = 134,
	ke_String_SettingsHelp     = 135,
	ke_String_SettingLanguage  = 136,
	ke_String_SettingCards     = 137,  // printf format: cards per round
	ke_String_KanaHelpHiragana = 100,  // what each hiragana menu entry drills, 100 to 108 in the order of 32 to 40
	ke_String_KanaHelpKatakana = 109,  // and each katakana menu entry, 109 to 117
	ke_String_WordsLabel       = 140,  // the review's column of words that use the kanji, and its key
};

#endif
