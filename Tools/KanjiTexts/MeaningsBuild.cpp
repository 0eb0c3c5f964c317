// Builds Data/meanings from KANJIDIC2 (kanjidic2.xml.gz): the French, Spanish and Portuguese
// meanings of each kanji of JIS X 0208, in the game's ISO-8859-1.
//   fudemaru-meanings KANJIDIC2.xml.gz OUTPUT
// The file: a first line "FudemaruMeanings 1", then one line per kanji that has meanings in one of
// the languages: its two EUC-JP bytes, then for French, Spanish and Portuguese a tab and the
// meanings separated by ";" (empty when the language has none).
#include <stdio.h>
#include <string.h>
#include <zlib.h>
#include <string>
#include <vector>
#include "CKanjiTextsCommon.h"
#include "CToolFile.h"

namespace
{
	const char* const cs_Lang[] = { "fr", "es", "pt" };
	const int ki_Lang_Total = 3;
	// The meanings kept per kanji and language, and the bytes of one meaning: the screens show a few.
	const size_t ku_Meaning_Max = 8;
	const size_t ku_MeaningSize_Max = 63;

	bool ReadGzip(const char* as_Path, std::string& as_Text)
	{
		gzFile h_File = gzopen(as_Path, "rb");
		if (h_File == nullptr)
		{
			fprintf(stderr, "fudemaru-meanings: cannot open %s\n", as_Path);
			return false;
		}
		char s_Block[65536];
		int i_Read = 0;
		while ((i_Read = gzread(h_File, s_Block, sizeof(s_Block))) > 0)
			as_Text.append(s_Block, (size_t)i_Read);
		const bool b_Ok = i_Read == 0;
		gzclose(h_File);
		if (!b_Ok)
			fprintf(stderr, "fudemaru-meanings: %s is no complete gzip file\n", as_Path);
		return b_Ok;
	}

	// The text between "<tag...>" and "</", from the tag's position; empty when there is none.
	std::string ElementText(const std::string& as_Xml, size_t au_Tag)
	{
		const size_t u_Start = as_Xml.find('>', au_Tag);
		const size_t u_End = as_Xml.find("</", au_Tag);
		if (u_Start == std::string::npos || u_End == std::string::npos || u_End < u_Start)
			return std::string();
		return CKanjiTextsCommon::XmlUnescape(as_Xml.substr(u_Start + 1, u_End - u_Start - 1));
	}
}

int main(int argc, char** argv)
{
	if (argc != 3)
	{
		fprintf(stderr, "usage: fudemaru-meanings KANJIDIC2.xml.gz OUTPUT\n");
		return 2;
	}
	std::string s_Xml;
	if (!ReadGzip(argv[1], s_Xml))
		return 1;
	CKanjiTextsCommon o_Common;
	std::string s_Out = "FudemaruMeanings 1\n";
	int ai_Count[ki_Lang_Total] = {};
	size_t u_Pos = 0;
	while ((u_Pos = s_Xml.find("<character>", u_Pos)) != std::string::npos)
	{
		size_t u_End = s_Xml.find("</character>", u_Pos);
		if (u_End == std::string::npos)
			u_End = s_Xml.size();
		const std::string s_Char = s_Xml.substr(u_Pos, u_End - u_Pos);
		u_Pos = u_End;
		const size_t u_Literal = s_Char.find("<literal>");
		const std::string s_Euc = u_Literal == std::string::npos ? std::string()
			: o_Common.ToEuc(ElementText(s_Char, u_Literal));
		// Only the kanji of the game's dictionary: two EUC-JP bytes of JIS X 0208.
		if (s_Euc.size() != 2 || (unsigned char)s_Euc[0] < 0xB0)
			continue;
		std::vector<std::string> av_Meanings[ki_Lang_Total];
		for (size_t u_Tag = s_Char.find("<meaning m_lang=\""); u_Tag != std::string::npos;
				u_Tag = s_Char.find("<meaning m_lang=\"", u_Tag + 1))
			for (int l = 0; l < ki_Lang_Total; ++l)
				if (s_Char.compare(u_Tag + 17, 3, std::string(cs_Lang[l]) + "\"") == 0 && av_Meanings[l].size() < ku_Meaning_Max)
				{
					std::string s_Text = o_Common.ToLatin1(ElementText(s_Char, u_Tag));
					if (s_Text.size() > ku_MeaningSize_Max)
						s_Text.resize(ku_MeaningSize_Max);
					if (!s_Text.empty())
						av_Meanings[l].push_back(s_Text);
				}
		if (av_Meanings[0].empty() && av_Meanings[1].empty() && av_Meanings[2].empty())
			continue;
		s_Out += s_Euc;
		for (int l = 0; l < ki_Lang_Total; ++l)
		{
			s_Out += '\t';
			for (size_t i = 0; i < av_Meanings[l].size(); ++i)
				s_Out += (i ? ";" : "") + av_Meanings[l][i];
			ai_Count[l] += !av_Meanings[l].empty();
		}
		s_Out += '\n';
	}
	// A source that lost its translations would silently give English everywhere.
	if (ai_Count[0] < 2000 || ai_Count[1] < 2000 || ai_Count[2] < 1500)
	{
		fprintf(stderr, "fudemaru-meanings: %s holds too few meanings (fr %d, es %d, pt %d)\n", argv[1],
			ai_Count[0], ai_Count[1], ai_Count[2]);
		return 1;
	}
	printf("fudemaru-meanings: kanji with meanings: fr %d, es %d, pt %d\n", ai_Count[0], ai_Count[1], ai_Count[2]);
	return CToolFile::Write(argv[2], std::vector<unsigned char>(s_Out.begin(), s_Out.end())) ? 0 : 1;
}
