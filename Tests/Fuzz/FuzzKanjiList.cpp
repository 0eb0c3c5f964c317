// A kanji list folder read from untrusted files: the input is both an XML list and a UTF-16 text
// list, every list found is loaded and read, against a small dictionary written at start.
#include <string>
#include "FuzzScratch.h"
#include "LibKanji_CDictionary.h"
#include "LibKanji_CKanjiList.h"

namespace
{
	// 47 kanji across the end of one JIS row and the start of the next (EUC-JP 0xB0E7..0xB1B8,
	// Unicode U+4E00 on), one position left empty, with grades, strokes and ranks that repeat, so
	// that filters keep some and sorts meet equal keys. Small, since every list of an input is
	// sorted by exchange sort, and the fewer the kanji the more inputs a second.
	std::string SmallDictionary()
	{
		std::string s_Text = "# fuzz dictionary\n";
		char s_Line[128];
		for (int i = 0; i < 48; ++i)
		{
			if (i == 30)
				continue;
			const int i_Index = 70 + i;
			snprintf(s_Line, sizeof(s_Line), "%c%c %04X U%04x G%d S%d F%d J%d {meaning %d}\n",
				0xB0 + i_Index / 94, 0xA1 + i_Index % 94, (0x30 + i_Index / 94) << 8 | (0x21 + i_Index % 94),
				0x4E00 + i, 1 + i % 9, 1 + i % 23, 1 + i * 7 % 50, 1 + i % 4, i);
			s_Text += s_Line;
		}
		return s_Text;
	}
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
	const std::string s_Dict = SmallDictionary();
	FuzzScratch::Write("Data/kanjidic", (const uint8_t*)s_Dict.data(), s_Dict.size());
	if (!LibKanji_CDictionary::Instance()->Load("./Data/kanjidic"))
		abort();
	FuzzScratch::MakeDir("Data/KanjiList");
	return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* ap_Data, size_t au_Size)
{
	FuzzScratch::Write("Data/KanjiList/Fuzz.xml", ap_Data, au_Size);
	FuzzScratch::Write("Data/KanjiList/Fuzz.txt", ap_Data, au_Size);
	LibKanji_CKanjiList* p_Lists = LibKanji_CKanjiList::Instance();
	p_Lists->Load_Lists("./Data/KanjiList/");
	u32 u_Sum = 0;
	// The first lists of an input, their sources with them: an input of 64 lists would otherwise
	// cost as much as 64 inputs of one.
	for (u8 l = 0; l < p_Lists->GetListCount() && l < 16; ++l)
	{
		if (!p_Lists->Load_KanjiList(l))
			continue;
		for (u16 k = 0; k < p_Lists->mu_KanjiTotal; ++k)
			u_Sum += p_Lists->GetKanji(k);
	}
	p_Lists->GetListInfo("Grade 1");
	p_Lists->Unload();
	return u_Sum == 0xFFFFFFFF;
}
