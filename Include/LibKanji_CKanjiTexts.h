#ifndef LIBKANJI_CKANJITEXTS_H
#define LIBKANJI_CKANJITEXTS_H

#include "LibGen_DataTypes.h"
#include "LibGen_CSingleton.h"

struct SKanjiData;

// What a kanji's page teaches beyond the dictionary: its meanings in other languages
// (Data/meanings) and common words that use it (Data/words). Each file is optional: a missing or
// bad one leaves English meanings and no words.
class LibKanji_CKanjiTexts : public LibGen_CSingleton<LibKanji_CKanjiTexts>
{
public:
	// The languages, in the order of the configuration's language number for the first three.
	enum eLanguage
	{
		ke_Lang_En, ke_Lang_Fr, ke_Lang_It, ke_Lang_Es, ke_Lang_Pt,
		ke_Lang_Total,
	};
	enum
	{
		ku_Meaning_Max = 16,  // as the dictionary keeps of English ones
		ku_Word_Max    = 6,
		ku_Position_Total = 94 * 94,
	};
	struct SWord
	{
		const char* ms_Word;     // EUC-JP
		const char* ms_Reading;  // EUC-JP kana
		const char* ms_Gloss;    // English
	};

	LibKanji_CKanjiTexts();
	virtual ~LibKanji_CKanjiTexts();

	// False (and reported) when the file is missing or is no meanings file; then nothing is kept.
	bool LoadMeanings(const char* as_Path);
	bool LoadWords(const char* as_Path);
	void Unload();

	// The meanings to show in a language (ISO-8859-1 texts), the kanji's English ones when the
	// language has none for it; returns how many were written to ap_Texts.
	u8 GetMeanings(const SKanjiData* ap_Kanji, u8 au8_Language, const char* (&ap_Texts)[ku_Meaning_Max]) const;
	// True when the kanji has meanings of its own in that language (English always counts).
	bool HasMeanings(const SKanjiData* ap_Kanji, u8 au8_Language) const;
	// Up to 6 common words holding the kanji, in the order to show them; returns how many.
	u8 GetWords(const SKanjiData* ap_Kanji, SWord (&ao_Words)[ku_Word_Max]) const;

private:
	struct SEntry
	{
		u32 mu32_Offset;
		u8  mu8_Count;
	};
	enum { ke_Lang_Stored = 3 };  // French, Spanish, Portuguese: the file's order

	// Reads a file whose first line is as_Magic; the lines after it stay in the buffer, their
	// separators turned into terminators. Returns the first line's end, 0 when refused.
	static u32 ReadFile(const char* as_Path, const char* as_Magic, char*& ap_Buffer, u32& au32_Size);
	static int PositionOf(const SKanjiData* ap_Kanji);
	void IndexMeanings(u32 au32_Start);
	void IndexWords(u32 au32_Start);

	char*   mp_Meanings;
	u32     mu32_MeaningsSize;
	SEntry* mp_MeaningIndex;  // ku_Position_Total * ke_Lang_Stored
	char*   mp_Words;
	u32     mu32_WordsSize;
	SEntry* mp_WordIndex;     // ku_Position_Total; the offset of the kanji's first line
};

#endif
