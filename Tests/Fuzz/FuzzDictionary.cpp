// The kanji dictionary (EUC-JP text) read from an untrusted file, then looked up.
#include <string.h>
#include "FuzzScratch.h"
#include "LibKanji_CDictionary.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* ap_Data, size_t au_Size)
{
	FuzzScratch::Write("Data/kanjidic", ap_Data, au_Size);
	LibKanji_CDictionary* p_Dict = LibKanji_CDictionary::Instance();
	if (!p_Dict->Load("./Data/kanjidic"))
		return 0;
	// Every text of every record is read to its end: a missing terminator shows at once.
	size_t u_Chars = 0;
	for (u16 i = 0; i < p_Dict->GetKanjiTotal(); ++i)
	{
		const SKanjiData* p_Kanji = p_Dict->GetRecord(i);
		for (int k = 0; k < SKanjiData::ke_String_Total; ++k)
			for (u8 t = 0; t < p_Kanji->mu8_StringCount[k]; ++t)
				u_Chars += strlen(p_Kanji->mpp_String[k][t]);
	}
	const u16 au16_Codes[] = { 0xB0A1, 0xB0EC, 0xA4A2, 0xF4A6, 0x0000, 0xFFFF };
	for (u16 u16_Code : au16_Codes)
		p_Dict->GetKanjiFromEuc(u16_Code);
	// Each lookup walks every record: a few of them, the ends included, keep the harness quick.
	for (u16 r : { 0, 1, 107, 214 })
		p_Dict->GetKanjiFromRadical(r);
	p_Dict->GetKanjiFromInfo(SKanjiData::ke_Info_G, 1, 3);
	for (u8 g = 0; g < LibKanji_CDictionary::ke_kanji_max_grade; ++g)
		u_Chars += p_Dict->GetGradeCount(g);
	p_Dict->Unload();
	return u_Chars == (size_t)-1;
}
