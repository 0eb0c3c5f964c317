#ifndef CWORDCHOOSER_H
#define CWORDCHOOSER_H

#include <map>
#include <string>
#include <vector>

// Chooses, for each kanji, the common words of EDICT that show it best. All texts are EUC-JP.
//
// The rule, for a kanji K:
//  - candidates are the (P) entries of 2 to 4 characters, kanji, hiragana or 々 only, that hold K;
//    an entry written the same as an earlier one is the same word (its first reading is kept);
//  - each costs 100 per character beyond 2, 100 per grade its hardest other kanji lies above K's
//    (grades 1 to 6, then secondary school, then the rest), and the frequency ranks of its other
//    kanji (rank / 25, 100 for an unranked one): short words of easy, frequent kanji first; a
//    word holding a numeral other than K (a date, a count) costs 150 more;
//  - the reading K takes in the word is found among K's readings (on readings as hiragana, kun
//    readings without okurigana, each also voiced at its start or with a final っ); words whose
//    reading matches none are irregular readings, which count as one reading together;
//  - a first pass takes the cheapest word of each reading, cheapest first, if it costs less than
//    300; a second fills the rest by cost; words holding a numeral other than K (dates, counts)
//    are taken once at most, so that 日 does not show ten dates;
//  - at most 6 words, in the order of their cost.
class CWordChooser
{
public:
	enum { ku_Word_Max = 6 };

	struct SWord
	{
		std::string ms_Word;
		std::string ms_Reading;
		std::string ms_Gloss;
	};

	// The kanji's facts from a KANJIDIC line (EUC-JP); lines that start with no kanji are skipped.
	void AddKanjidicLine(const std::string& as_Line);
	// An EDICT line; returns false when it is no common word written with a kanji.
	bool AddEdictLine(const std::string& as_Line);
	std::vector<SWord> Choose(const std::string& as_Kanji) const;

	// The first gloss of an EDICT line's glosses, without its leading "(n)" style notes, cut at a
	// word's end to at most 40 bytes; empty when it holds a byte outside ASCII.
	static std::string FirstGloss(const std::string& as_Glosses);

private:
	struct SKanji
	{
		int mi_Grade = 10;   // 1..6, 7 secondary school, 9 the rest
		int mi_Rank = 0;
		std::vector<std::string> mo_Readings;  // hiragana
	};
	struct SCandidate
	{
		size_t mu_Word;
		int mi_Cost;
		int mi_Reading;  // index in the kanji's readings, -1 irregular
		bool mb_Numeral;
	};

	// Characters of an EUC-JP text (two bytes each); empty when it holds a byte outside the
	// kanji, hiragana and 々.
	static std::vector<std::string> SplitChars(const std::string& as_Text);
	int ReadingOf(const SKanji& ao_Kanji, const std::vector<std::string>& ao_Chars, size_t au_At,
		const std::string& as_Reading) const;

	std::map<std::string, SKanji> mo_Kanji;
	std::vector<SWord> mo_Words;
	std::map<std::string, std::vector<size_t>> mo_WordsOf;  // kanji -> words holding it
	std::map<std::string, bool> mo_Seen;
};

#endif
