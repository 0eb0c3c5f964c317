// Builds Data/words: for each kanji of KANJIDIC, up to 6 common words of EDICT that use it (the
// choice is CWordChooser's).
//   fudemaru-words KANJIDIC EDICT OUTPUT
// The file: a first line "FudemaruWords 1", then one line per word, the words of a kanji
// together and in the order they are to be shown: the kanji's two EUC-JP bytes, a tab, the word,
// a tab, its reading (EUC-JP), a tab, its first English gloss (ASCII).
#include <stdio.h>
#include <string>
#include <vector>
#include "CToolFile.h"
#include "CWordChooser.h"

namespace
{
	bool ReadLines(const char* as_Path, std::vector<std::string>& ao_Lines)
	{
		std::vector<unsigned char> o_Bytes;
		if (!CToolFile::Read(as_Path, 64u << 20, o_Bytes))
			return false;
		std::string s_Line;
		for (unsigned char u8_Byte : o_Bytes)
			if (u8_Byte == '\n')
			{
				ao_Lines.push_back(s_Line);
				s_Line.clear();
			}
			else
				s_Line += (char)u8_Byte;
		return true;
	}
}

int main(int argc, char** argv)
{
	if (argc != 4)
	{
		fprintf(stderr, "usage: fudemaru-words KANJIDIC EDICT OUTPUT\n");
		return 2;
	}
	std::vector<std::string> o_Kanjidic;
	std::vector<std::string> o_Edict;
	if (!ReadLines(argv[1], o_Kanjidic) || !ReadLines(argv[2], o_Edict))
		return 1;
	CWordChooser o_Chooser;
	for (const std::string& s_Line : o_Kanjidic)
		o_Chooser.AddKanjidicLine(s_Line);
	int i_Common = 0;
	for (const std::string& s_Line : o_Edict)
		i_Common += o_Chooser.AddEdictLine(s_Line);
	std::string s_Out = "FudemaruWords 1\n";
	int i_AtLeast1 = 0;
	int i_AtLeast3 = 0;
	for (const std::string& s_Line : o_Kanjidic)
	{
		if (s_Line.size() < 2 || (unsigned char)s_Line[0] < 0xB0)
			continue;
		const std::string s_Kanji = s_Line.substr(0, 2);
		const std::vector<CWordChooser::SWord> o_Words = o_Chooser.Choose(s_Kanji);
		for (const CWordChooser::SWord& o_Word : o_Words)
			s_Out += s_Kanji + "\t" + o_Word.ms_Word + "\t" + o_Word.ms_Reading + "\t" + o_Word.ms_Gloss + "\n";
		i_AtLeast1 += o_Words.size() >= 1;
		i_AtLeast3 += o_Words.size() >= 3;
	}
	// A source that lost its common words would leave the pages empty.
	if (i_Common < 10000 || i_AtLeast3 < 1500)
	{
		fprintf(stderr, "fudemaru-words: %s holds too few common words (%d, %d kanji with 3)\n", argv[2], i_Common, i_AtLeast3);
		return 1;
	}
	printf("fudemaru-words: %d common words; kanji with at least 1 word %d, with at least 3 %d\n",
		i_Common, i_AtLeast1, i_AtLeast3);
	return CToolFile::Write(argv[3], std::vector<unsigned char>(s_Out.begin(), s_Out.end())) ? 0 : 1;
}
