#include <stdlib.h>
#include <algorithm>
#include "CWordChooser.h"

namespace
{
	const char ks_Numerals[] = "\xB0\xEC\xC6\xF3\xBB\xB0\xBB\xCD\xB8\xDE\xCF\xBB\xBC\xB7\xC8\xAC\xB6\xE5\xBD\xBD\xC9\xB4\xC0\xE9";  // 一二三四五六七八九十百千
	const int ki_Grade_Hardest = 9;
	const int ki_Cost_Numeral = 150;     // a date or a count comes after a plain word of the same cost
	const int ki_Cost_NewReading = 300;  // a new reading is no reason to take a hard word

	bool IsNumeral(const std::string& as_Char)
	{
		for (size_t i = 0; i + 1 < sizeof(ks_Numerals); i += 2)
			if (as_Char.compare(0, 2, ks_Numerals + i, 2) == 0)
				return true;
		return false;
	}

	bool IsKanji(const std::string& as_Char) { return (unsigned char)as_Char[0] >= 0xB0; }

	// The reading, then its variants: voiced first kana (か→が, は→ば and ぱ), final kana as っ.
	std::vector<std::string> Variants(const std::string& as_Reading)
	{
		std::vector<std::string> o_Out(1, as_Reading);
		const unsigned char u8_First = (unsigned char)as_Reading[1];
		const bool b_HaRow = u8_First >= 0xCF && u8_First <= 0xDB && (u8_First - 0xCF) % 3 == 0;
		const bool b_Voiceable = (u8_First >= 0xAB && u8_First <= 0xC1 && (u8_First - 0xAB) % 2 == 0) ||
			u8_First == 0xC4 || u8_First == 0xC6 || u8_First == 0xC8 || b_HaRow;
		for (int i = 1; b_Voiceable && i <= (b_HaRow ? 2 : 1); ++i)
		{
			std::string s_Voiced = as_Reading;
			s_Voiced[1] = (char)(u8_First + i);
			o_Out.push_back(s_Voiced);
		}
		if (as_Reading.size() >= 4)
			o_Out.push_back(as_Reading.substr(0, as_Reading.size() - 2) + "\xA4\xC3");
		return o_Out;
	}
}

std::vector<std::string> CWordChooser::SplitChars(const std::string& as_Text)
{
	std::vector<std::string> o_Chars;
	for (size_t i = 0; i < as_Text.size(); i += 2)
	{
		const unsigned char u8_Lead = (unsigned char)as_Text[i];
		const bool b_Kana = u8_Lead == 0xA4 || (u8_Lead == 0xA1 && i + 1 < as_Text.size() && (unsigned char)as_Text[i + 1] == 0xB9);
		if (i + 1 >= as_Text.size() || (u8_Lead < 0xB0 && !b_Kana) || u8_Lead == 0xFF || (unsigned char)as_Text[i + 1] < 0xA1)
			return std::vector<std::string>();
		o_Chars.push_back(as_Text.substr(i, 2));
	}
	return o_Chars;
}

void CWordChooser::AddKanjidicLine(const std::string& as_Line)
{
	if (as_Line.size() < 2 || (unsigned char)as_Line[0] < 0xB0)
		return;
	SKanji& o_Kanji = mo_Kanji[as_Line.substr(0, 2)];
	size_t u_Pos = 2;
	while (u_Pos < as_Line.size())
	{
		size_t u_End = as_Line.find(' ', u_Pos);
		if (u_End == std::string::npos)
			u_End = as_Line.size();
		std::string s_Token = as_Line.substr(u_Pos, u_End - u_Pos);
		u_Pos = u_End + 1;
		if (s_Token.empty())
			continue;
		// Name readings and radical names follow T1 and T2: no reading of words.
		if (s_Token == "T1" || s_Token == "T2" || s_Token[0] == '{')
			break;
		if (s_Token[0] == 'G')
		{
			const int i_Grade = atoi(s_Token.c_str() + 1);
			o_Kanji.mi_Grade = i_Grade <= 6 ? i_Grade : i_Grade == 8 ? 7 : ki_Grade_Hardest;
		}
		else if (s_Token[0] == 'F')
			o_Kanji.mi_Rank = atoi(s_Token.c_str() + 1);
		else if ((unsigned char)s_Token[0] == 0xA4 || (unsigned char)s_Token[0] == 0xA5 || s_Token[0] == '-')
		{
			std::string s_Reading;
			// Katakana becomes hiragana (same cell, row 4); "-" and okurigana go.
			for (size_t i = 0; i + 1 < s_Token.size() && s_Token[i] != '.'; i += (s_Token[i] == '-' ? 1 : 2))
				if (s_Token[i] != '-')
					s_Reading += std::string("\xA4") + s_Token[i + 1];
			if (!s_Reading.empty())
				o_Kanji.mo_Readings.push_back(s_Reading);
		}
	}
}

std::string CWordChooser::FirstGloss(const std::string& as_Glosses)
{
	std::string s_Gloss = as_Glosses.substr(0, as_Glosses.find('/'));
	// "(n-adv,n-t) (1) every day": notes in brackets lead the gloss.
	while (!s_Gloss.empty() && s_Gloss[0] == '(' && s_Gloss.find(')') != std::string::npos)
	{
		s_Gloss.erase(0, s_Gloss.find(')') + 1);
		s_Gloss.erase(0, s_Gloss.find_first_not_of(' '));
	}
	for (char c_Char : s_Gloss)
		if ((unsigned char)c_Char >= 0x80 || c_Char == '\t')
			return std::string();
	const size_t ku_Gloss_Max = 40;
	// A long gloss loses its notes in brackets first: "moon viewing (esp. during ...)".
	const size_t u_Note = s_Gloss.find(" (");
	if (s_Gloss.size() > ku_Gloss_Max && u_Note != std::string::npos)
		s_Gloss.resize(u_Note);
	if (s_Gloss.size() > ku_Gloss_Max)
	{
		const size_t u_Cut = s_Gloss.find_last_of(' ', ku_Gloss_Max);
		s_Gloss.resize(u_Cut == std::string::npos ? ku_Gloss_Max : u_Cut);
	}
	return s_Gloss;
}

bool CWordChooser::AddEdictLine(const std::string& as_Line)
{
	const size_t u_Space = as_Line.find(' ');
	const size_t u_Open = as_Line.find(" [");
	const size_t u_Close = as_Line.find("] /");
	if (as_Line.find("/(P)/") == std::string::npos || u_Open != u_Space || u_Close == std::string::npos)
		return false;
	SWord o_Word;
	o_Word.ms_Word = as_Line.substr(0, u_Space);
	o_Word.ms_Reading = as_Line.substr(u_Open + 2, u_Close - u_Open - 2);
	o_Word.ms_Gloss = FirstGloss(as_Line.substr(u_Close + 3));
	const std::vector<std::string> o_Chars = SplitChars(o_Word.ms_Word);
	if (o_Chars.size() < 2 || o_Chars.size() > 4 || o_Word.ms_Gloss.empty() || mo_Seen[o_Word.ms_Word] ||
			SplitChars(o_Word.ms_Reading).empty())
		return false;
	mo_Seen[o_Word.ms_Word] = true;
	mo_Words.push_back(o_Word);
	for (size_t i = 0; i < o_Chars.size(); ++i)
		if (IsKanji(o_Chars[i]) && std::find(o_Chars.begin(), o_Chars.begin() + (long)i, o_Chars[i]) == o_Chars.begin() + (long)i)
			mo_WordsOf[o_Chars[i]].push_back(mo_Words.size() - 1);
	return true;
}

int CWordChooser::ReadingOf(const SKanji& ao_Kanji, const std::vector<std::string>& ao_Chars, size_t au_At,
	const std::string& as_Reading) const
{
	// The kanji's reading sits at the start of the word's reading when the kanji starts the word,
	// at its end when it ends it, somewhere inside otherwise; the longest reading that fits wins.
	int i_Best = -1;
	size_t u_BestSize = 0;
	for (size_t r = 0; r < ao_Kanji.mo_Readings.size(); ++r)
		for (const std::string& s_Variant : Variants(ao_Kanji.mo_Readings[r]))
		{
			bool b_Fits = false;
			if (au_At == 0)
				b_Fits = as_Reading.compare(0, s_Variant.size(), s_Variant) == 0;
			else if (au_At + 1 == ao_Chars.size())
				b_Fits = as_Reading.size() > s_Variant.size() &&
					as_Reading.compare(as_Reading.size() - s_Variant.size(), s_Variant.size(), s_Variant) == 0;
			else
				for (size_t p = 2; !b_Fits && p + s_Variant.size() < as_Reading.size(); p += 2)
					b_Fits = as_Reading.compare(p, s_Variant.size(), s_Variant) == 0;
			if (b_Fits && s_Variant.size() > u_BestSize)
			{
				i_Best = (int)r;
				u_BestSize = s_Variant.size();
			}
		}
	return i_Best;
}

std::vector<CWordChooser::SWord> CWordChooser::Choose(const std::string& as_Kanji) const
{
	std::vector<SWord> o_Chosen;
	const auto o_Kanji = mo_Kanji.find(as_Kanji);
	const auto o_Words = mo_WordsOf.find(as_Kanji);
	if (o_Kanji == mo_Kanji.end() || o_Words == mo_WordsOf.end())
		return o_Chosen;
	std::vector<SCandidate> o_Candidates;
	for (size_t u_Word : o_Words->second)
	{
		const std::vector<std::string> o_Chars = SplitChars(mo_Words[u_Word].ms_Word);
		SCandidate o_Cand = { u_Word, 100 * ((int)o_Chars.size() - 2), -1, false };
		int i_Hardest = 0;
		size_t u_At = o_Chars.size();
		for (size_t i = 0; i < o_Chars.size(); ++i)
		{
			if (o_Chars[i] == as_Kanji)
			{
				u_At = std::min(u_At, i);
				continue;
			}
			if (!IsKanji(o_Chars[i]))
				continue;
			const auto o_Other = mo_Kanji.find(o_Chars[i]);
			const int i_Grade = o_Other == mo_Kanji.end() ? ki_Grade_Hardest + 1 : o_Other->second.mi_Grade;
			const int i_Rank = o_Other == mo_Kanji.end() ? 0 : o_Other->second.mi_Rank;
			i_Hardest = std::max(i_Hardest, i_Grade);
			o_Cand.mi_Cost += i_Rank == 0 ? 100 : i_Rank / 25;
			o_Cand.mb_Numeral |= IsNumeral(o_Chars[i]);
		}
		// 一一 and 一月 are counts as much as 二日.
		o_Cand.mb_Numeral |= IsNumeral(as_Kanji) && std::count(o_Chars.begin(), o_Chars.end(), as_Kanji) > 1;
		o_Cand.mi_Cost += 100 * std::max(0, i_Hardest - o_Kanji->second.mi_Grade) + (o_Cand.mb_Numeral ? ki_Cost_Numeral : 0);
		o_Cand.mi_Reading = ReadingOf(o_Kanji->second, o_Chars, u_At, mo_Words[u_Word].ms_Reading);
		o_Candidates.push_back(o_Cand);
	}
	// Equal costs keep the dictionary's order.
	std::stable_sort(o_Candidates.begin(), o_Candidates.end(),
		[](const SCandidate& ao_A, const SCandidate& ao_B) { return ao_A.mi_Cost < ao_B.mi_Cost; });
	std::vector<bool> o_Taken(o_Candidates.size(), false);
	std::vector<size_t> o_Picked;
	std::vector<int> o_Readings;
	bool b_Numeral = false;
	for (int i_Pass = 0; i_Pass < 2; ++i_Pass)
		for (size_t i = 0; i < o_Candidates.size() && o_Picked.size() < ku_Word_Max; ++i)
		{
			const SCandidate& o_Cand = o_Candidates[i];
			const bool b_NewReading = std::find(o_Readings.begin(), o_Readings.end(), o_Cand.mi_Reading) == o_Readings.end();
			if (o_Taken[i] || (o_Cand.mb_Numeral && b_Numeral) ||
					(i_Pass == 0 && (!b_NewReading || o_Cand.mi_Cost >= ki_Cost_NewReading)))
				continue;
			o_Taken[i] = true;
			b_Numeral |= o_Cand.mb_Numeral;
			o_Readings.push_back(o_Cand.mi_Reading);
			o_Picked.push_back(i);
		}
	// The candidates are in cost order: so are the chosen ones.
	std::sort(o_Picked.begin(), o_Picked.end());
	for (size_t i : o_Picked)
		o_Chosen.push_back(mo_Words[o_Candidates[i].mu_Word]);
	return o_Chosen;
}
