#include <string.h>
#include "LibKanji_CKanjiTexts.h"
#include "LibKanji_CDictionary.h"
#include "LibGen_CFileBuffer.h"
#include "LibGen_Utils.h"

namespace
{
	const u32 ku32_File_Max = 4u << 20;  // both files are well under 1 MB

	// The JIS position of a line's two kanji bytes, -1 when they are no EUC-JP character.
	int LinePosition(const char* ap_Line)
	{
		return LibKanji_CDictionary::GetIndexFromEuc((u16)((u8)ap_Line[0] << 8 | (u8)ap_Line[1]));
	}

	// A file's text and its index go together: a load that fails keeps neither.
	template <typename TEntry>
	void FreeFile(char*& ap_Text, TEntry*& ap_Index)
	{
		delete[] ap_Text;
		delete[] ap_Index;
		ap_Text = nullptr;
		ap_Index = nullptr;
	}
}

LibKanji_CKanjiTexts::LibKanji_CKanjiTexts()
	: mp_Meanings(nullptr), mu32_MeaningsSize(0), mp_MeaningIndex(nullptr),
	  mp_Words(nullptr), mu32_WordsSize(0), mp_WordIndex(nullptr)
{
}

LibKanji_CKanjiTexts::~LibKanji_CKanjiTexts()
{
	Unload();
}

void LibKanji_CKanjiTexts::Unload()
{
	FreeFile(mp_Meanings, mp_MeaningIndex);
	FreeFile(mp_Words, mp_WordIndex);
	mu32_MeaningsSize = 0;
	mu32_WordsSize = 0;
}

u32 LibKanji_CKanjiTexts::ReadFile(const char* as_Path, const char* as_Magic, char*& ap_Buffer, u32& au32_Size)
{
	LibGen_CFileBuffer o_File;
	if (!o_File.Load(as_Path, ku32_File_Max))
		return 0;
	const u32 u32_Magic = (u32)strlen(as_Magic);
	if (o_File.GetSize() <= u32_Magic || memcmp(o_File.GetData(), as_Magic, u32_Magic) != 0 ||
			o_File.GetData()[u32_Magic] != '\n')
	{
		LibGen_ReportData(as_Path, "does not begin with the line \"%s\"", as_Magic);
		return 0;
	}
	au32_Size = o_File.GetSize();
	// One more byte than the file: the last line's terminator even without its line feed.
	ap_Buffer = new char[au32_Size + 1];
	memcpy(ap_Buffer, o_File.GetData(), au32_Size);
	ap_Buffer[au32_Size] = 0;
	return u32_Magic + 1;
}

// A line: two kanji bytes, then au8_Fields fields each after a tab; a field's parts separated by
// ac_Part. Returns the line's end (past its line feed), 0 when the line is malformed; au32_Field
// receives where each field starts, and one past the last field's terminator. The separators
// become terminators.
static u32 SplitLine(char* ap_Buffer, u32 au32_Size, u32 au32_Pos, u8 au8_Fields, char ac_Part, u32* au32_Field)
{
	if (au32_Pos + 2 >= au32_Size || LinePosition(ap_Buffer + au32_Pos) < 0)
		return 0;
	u32 u32_Pos = au32_Pos + 2;
	for (u8 f = 0; f < au8_Fields; ++f)
	{
		if (u32_Pos >= au32_Size || ap_Buffer[u32_Pos] != '\t')
			return 0;
		ap_Buffer[u32_Pos++] = 0;
		au32_Field[f] = u32_Pos;
		while (u32_Pos < au32_Size && ap_Buffer[u32_Pos] != '\t' && ap_Buffer[u32_Pos] != '\n' && ap_Buffer[u32_Pos] != 0)
		{
			if (ap_Buffer[u32_Pos] == ac_Part)
				ap_Buffer[u32_Pos] = 0;
			++u32_Pos;
		}
	}
	if (u32_Pos < au32_Size && ap_Buffer[u32_Pos] != '\n')
		return 0;
	au32_Field[au8_Fields] = u32_Pos + 1;
	if (u32_Pos < au32_Size)
		ap_Buffer[u32_Pos++] = 0;
	return u32_Pos;
}

bool LibKanji_CKanjiTexts::LoadMeanings(const char* as_Path)
{
	FreeFile(mp_Meanings, mp_MeaningIndex);
	const u32 u32_Start = ReadFile(as_Path, "FudemaruMeanings 1", mp_Meanings, mu32_MeaningsSize);
	if (u32_Start == 0)
		return false;
	mp_MeaningIndex = new SEntry[ku_Position_Total * ke_Lang_Stored]();
	for (u32 u32_Pos = u32_Start; u32_Pos < mu32_MeaningsSize;)
	{
		const u32 u32_Line = u32_Pos;
		u32 au32_Field[ke_Lang_Stored + 1];
		u32_Pos = SplitLine(mp_Meanings, mu32_MeaningsSize, u32_Line, ke_Lang_Stored, ';', au32_Field);
		if (u32_Pos == 0)
		{
			LibGen_ReportData(as_Path, "has a line that is not a kanji and three tab-separated fields, at byte %u", u32_Line);
			FreeFile(mp_Meanings, mp_MeaningIndex);
			return false;
		}
		// A kanji's first line counts; the parts of a field lie between its start and the next
		// field's. Empty parts ("a;;b") are skipped.
		SEntry* p_Entry = &mp_MeaningIndex[LinePosition(mp_Meanings + u32_Line) * ke_Lang_Stored];
		if (p_Entry[0].mu8_Count != 0 || p_Entry[1].mu8_Count != 0 || p_Entry[2].mu8_Count != 0)
			continue;
		for (u8 l = 0; l < ke_Lang_Stored; ++l)
		{
			p_Entry[l].mu32_Offset = au32_Field[l];
			for (u32 u32_Part = au32_Field[l]; u32_Part < au32_Field[l + 1] - 1 && p_Entry[l].mu8_Count < ku_Meaning_Max;
					u32_Part += (u32)strlen(mp_Meanings + u32_Part) + 1)
				p_Entry[l].mu8_Count = (u8)(p_Entry[l].mu8_Count + (mp_Meanings[u32_Part] != 0));
		}
	}
	return true;
}

bool LibKanji_CKanjiTexts::LoadWords(const char* as_Path)
{
	FreeFile(mp_Words, mp_WordIndex);
	const u32 u32_Start = ReadFile(as_Path, "FudemaruWords 1", mp_Words, mu32_WordsSize);
	if (u32_Start == 0)
		return false;
	mp_WordIndex = new SEntry[ku_Position_Total]();
	int i_Previous = -1;
	for (u32 u32_Pos = u32_Start; u32_Pos < mu32_WordsSize;)
	{
		const u32 u32_Line = u32_Pos;
		u32 au32_Field[4];
		u32_Pos = SplitLine(mp_Words, mu32_WordsSize, u32_Line, 3, 0, au32_Field);
		if (u32_Pos == 0)
		{
			LibGen_ReportData(as_Path, "has a line that is not a kanji and three tab-separated fields, at byte %u", u32_Line);
			FreeFile(mp_Words, mp_WordIndex);
			return false;
		}
		// A kanji's words are the lines of its first run; later runs are ignored.
		const int i_Position = LinePosition(mp_Words + u32_Line);
		SEntry& o_Entry = mp_WordIndex[i_Position];
		if (o_Entry.mu8_Count == 0 && i_Position != i_Previous)
			o_Entry.mu32_Offset = u32_Line;
		if (o_Entry.mu8_Count < ku_Word_Max && (o_Entry.mu8_Count == 0 ? i_Position != i_Previous : i_Position == i_Previous))
			++o_Entry.mu8_Count;
		i_Previous = i_Position;
	}
	return true;
}

int LibKanji_CKanjiTexts::PositionOf(const SKanjiData* ap_Kanji)
{
	return ap_Kanji == nullptr ? -1 : LibKanji_CDictionary::GetIndexFromEuc(ap_Kanji->mu16_Info[SKanjiData::ke_Info_EU]);
}

bool LibKanji_CKanjiTexts::HasMeanings(const SKanjiData* ap_Kanji, u8 au8_Language) const
{
	if (au8_Language == ke_Lang_En)
		return true;
	const int i_Position = PositionOf(ap_Kanji);
	const int i_Stored = au8_Language == ke_Lang_Fr ? 0 : au8_Language == ke_Lang_Es ? 1 : au8_Language == ke_Lang_Pt ? 2 : -1;
	return mp_MeaningIndex != nullptr && i_Position >= 0 && i_Stored >= 0 &&
		mp_MeaningIndex[i_Position * ke_Lang_Stored + i_Stored].mu8_Count != 0;
}

u8 LibKanji_CKanjiTexts::GetMeanings(const SKanjiData* ap_Kanji, u8 au8_Language, const char* (&ap_Texts)[ku_Meaning_Max]) const
{
	if (ap_Kanji == nullptr)
		return 0;
	if (au8_Language == ke_Lang_En || !HasMeanings(ap_Kanji, au8_Language))
	{
		const u8 u8_Count = ap_Kanji->mu8_StringCount[SKanjiData::ke_String_Meaning];
		for (u8 i = 0; i < u8_Count && i < ku_Meaning_Max; ++i)
			ap_Texts[i] = ap_Kanji->mpp_String[SKanjiData::ke_String_Meaning][i];
		return u8_Count < ku_Meaning_Max ? u8_Count : (u8)ku_Meaning_Max;
	}
	const int i_Stored = au8_Language == ke_Lang_Fr ? 0 : au8_Language == ke_Lang_Es ? 1 : 2;
	const SEntry& o_Entry = mp_MeaningIndex[PositionOf(ap_Kanji) * ke_Lang_Stored + i_Stored];
	const char* p_Text = mp_Meanings + o_Entry.mu32_Offset;
	for (u8 i = 0; i < o_Entry.mu8_Count; ++i)
	{
		// Empty parts were not counted: step over them.
		while (*p_Text == 0)
			++p_Text;
		ap_Texts[i] = p_Text;
		p_Text += strlen(p_Text) + 1;
	}
	return o_Entry.mu8_Count;
}

u8 LibKanji_CKanjiTexts::GetWords(const SKanjiData* ap_Kanji, SWord (&ao_Words)[ku_Word_Max]) const
{
	const int i_Position = PositionOf(ap_Kanji);
	if (mp_WordIndex == nullptr || i_Position < 0)
		return 0;
	const SEntry& o_Entry = mp_WordIndex[i_Position];
	// Each line: two kanji bytes, then the three fields, each ended by a terminator.
	const char* p_Line = mp_Words + o_Entry.mu32_Offset;
	for (u8 i = 0; i < o_Entry.mu8_Count; ++i)
	{
		ao_Words[i].ms_Word = p_Line + 3;
		ao_Words[i].ms_Reading = ao_Words[i].ms_Word + strlen(ao_Words[i].ms_Word) + 1;
		ao_Words[i].ms_Gloss = ao_Words[i].ms_Reading + strlen(ao_Words[i].ms_Reading) + 1;
		p_Line = ao_Words[i].ms_Gloss + strlen(ao_Words[i].ms_Gloss) + 1;
	}
	return o_Entry.mu8_Count;
}
