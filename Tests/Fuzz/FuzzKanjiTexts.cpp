// The meanings and words files read from an untrusted file, then every kanji looked up.
#include <string.h>
#include "FuzzScratch.h"
#include "LibKanji_CDictionary.h"
#include "LibKanji_CKanjiTexts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* ap_Data, size_t au_Size)
{
	// The same bytes as both files: the first line decides which one accepts them.
	FuzzScratch::Write("Data/meanings", ap_Data, au_Size);
	FuzzScratch::Write("Data/words", ap_Data, au_Size);
	LibKanji_CKanjiTexts* p_Texts = LibKanji_CKanjiTexts::Instance();
	p_Texts->LoadMeanings("./Data/meanings");
	p_Texts->LoadWords("./Data/words");
	// Every text is read to its end: a missing terminator shows at once.
	size_t u_Chars = 0;
	SKanjiData o_Kanji;
	memset(&o_Kanji, 0, sizeof(o_Kanji));
	for (int i = 0; i < LibKanji_CKanjiTexts::ku_Position_Total; ++i)
	{
		o_Kanji.mu16_Info[SKanjiData::ke_Info_EU] = (u16)(((0xA1 + i / 94) << 8) | (0xA1 + i % 94));
		for (u8 l = 0; l < LibKanji_CKanjiTexts::ke_Lang_Total; ++l)
		{
			const char* ap_Meanings[LibKanji_CKanjiTexts::ku_Meaning_Max];
			const u8 u8_Count = p_Texts->GetMeanings(&o_Kanji, l, ap_Meanings);
			for (u8 m = 0; m < u8_Count; ++m)
				u_Chars += strlen(ap_Meanings[m]);
		}
		LibKanji_CKanjiTexts::SWord ao_Words[LibKanji_CKanjiTexts::ku_Word_Max];
		const u8 u8_Words = p_Texts->GetWords(&o_Kanji, ao_Words);
		for (u8 w = 0; w < u8_Words; ++w)
			u_Chars += strlen(ao_Words[w].ms_Word) + strlen(ao_Words[w].ms_Reading) + strlen(ao_Words[w].ms_Gloss);
	}
	p_Texts->Unload();
	return u_Chars == (size_t)-1;
}
