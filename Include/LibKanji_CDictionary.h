#ifndef LIBKANJI_CDICTIONARY_H
#define LIBKANJI_CDICTIONARY_H

#include "LibGen_DataTypes.h"
#include "LibGen_CSingleton.h"

// One kanji: numeric facts and texts, as read from one dictionary line.
struct SKanjiData
{
	enum enumInfo
	{
		ke_Info_EU, ke_Info_U, ke_Info_J, ke_Info_G, ke_Info_S, ke_Info_F, ke_Info_R, ke_Info_V,
		ke_Info_N, ke_Info_DC, ke_Info_DG, ke_Info_DH, ke_Info_DJ, ke_Info_DK, ke_Info_DO, ke_Info_DR,
		ke_Info_DT, ke_Info_L, ke_Info_E, ke_Info_K, ke_Info_O, ke_Info_H, ke_Info_DB,
		ke_Info_Total = 24,  // also "no such info"
	};
	enum enumString
	{
		ke_String_Meaning,       // English meanings, without braces
		ke_String_KunOkurigana,  // hiragana readings holding a "."
		ke_String_On,            // katakana readings
		ke_String_Kun,           // hiragana readings without "."
		ke_String_Total,
	};
	enum
	{
		ku_Kun_Max = 32,   // kun readings of both kinds, at most 16 of each
	};

	// The kun readings of both kinds in the order of the line, readings with okurigana marked by
	// their "." (み.る); returns how many were written to ap_Texts.
	u8 GetKunReadings(const char* (&ap_Texts)[ku_Kun_Max]) const;

	u16    mu16_Info[ke_Info_Total];
	char** mpp_String[ke_String_Total];
	u8     mu8_StringCount[ke_String_Total];
	// Bit i set: the i-th kun reading of the line has okurigana (kind KunOkurigana), else it is
	// of kind Kun. Keeps the order of the file across the two kinds.
	u32    mu32_KunOrder;
};

// A field name of the dictionary and of the list files, and the info it names.
struct SFilterVal
{
	const char*          ms_Name;
	SKanjiData::enumInfo me_Info;
};
extern const SFilterVal coFilterVal[];
// The character shown for each radical: entry r-1 for radical r.
extern const u16 cuRadicalUnicode[214];

// The kanji dictionary: one record per JIS X 0208 position between the file's first and last kanji.
class LibKanji_CDictionary : public LibGen_CSingleton<LibKanji_CDictionary>
{
public:
	enum
	{
		ke_kanji_max_grade   = 10,
		ke_kanji_max_Radical = 215,
		ke_kanji_max_Stroke  = 32,
		ke_kanji_max_String  = 16,   // texts of one kind kept per line
		ke_Token_Size        = 256,
	};

	// The texts of the line being read, moved into the record when the next line starts.
	struct SPending
	{
		char* mp_Text[SKanjiData::ke_String_Total][ke_kanji_max_String];
		u8    mu8_Count[SKanjiData::ke_String_Total];
		u32   mu32_KunOrder;
		bool  mb_NameReadings;  // a T1 or T2 marker was read: the kana after it are name readings
	};

	LibKanji_CDictionary();
	virtual ~LibKanji_CDictionary();

	// False when the file cannot be opened, or holds no kanji line.
	bool Load(const char* as_Path);
	void Unload();
	bool IsLoaded() const { return mp_Kanji != nullptr; }

	SKanjiData* GetKanjiFromEuc(u16 au16_Code) const;
	// As GetKanjiFromEuc, but null also for a position between two kanji, whose record holds none.
	SKanjiData* FindKanjiFromEuc(u16 au16_Code) const;
	SKanjiData* GetKanjiFromInfo(SKanjiData::enumInfo ae_Info, u16 au16_Value, u16 au16_Nth) const;
	SKanjiData* GetKanjiFromRadical(u16 au16_RadicalIndex) const;
	static SKanjiData::enumInfo GetInfoFromName(const char* as_Name);
	// JIS position index of an EUC-JP code, or -1 when a byte lies outside 0xA1..0xFE.
	static int GetIndexFromEuc(u16 au16_Code);

	u16 GetKanjiTotal() const { return mu16_KanjiTotal; }
	u16 GetIndexFirst() const { return mu16_IndexFirst; }
	// How many kanji hold an info, a grade, a radical or a stroke count; 0 for one outside the tables.
	u16 GetInfoCount(SKanjiData::enumInfo ae_Info) const
	{
		return (unsigned)ae_Info <= SKanjiData::ke_Info_DB ? mu16_InfoCount[ae_Info] : 0;
	}
	u16 GetGradeCount(u8 au8_Grade) const { return au8_Grade < ke_kanji_max_grade ? mu16_GradeCount[au8_Grade] : 0; }
	u16 GetRadicalCount(u8 au8_Radical) const
	{
		return au8_Radical < ke_kanji_max_Radical ? mu16_RadicalCount[au8_Radical] : 0;
	}
	u16 GetStrokeCount(u8 au8_Stroke) const { return au8_Stroke < ke_kanji_max_Stroke ? mu16_StrokeCount[au8_Stroke] : 0; }
	SKanjiData* GetRecord(u16 au16_Record) const { return (au16_Record < mu16_KanjiTotal) ? &mp_Kanji[au16_Record] : nullptr; }

	// The steps of Load, one per kind of token.
	void EntryDictionary(SKanjiData* ap_Kanji, const char* as_Token, SKanjiData::enumInfo ae_Info);
	void EntryStringUnicode(SKanjiData* ap_Kanji, const char* as_Token, SPending& ao_Pending);
	void EntryKunyomi(SKanjiData* ap_Kanji, const char* as_Token, SPending& ao_Pending);
	void EntryTranslation(SKanjiData* ap_Kanji, const char* as_Token, SPending& ao_Pending);
	void EntryBusyPeople(SKanjiData* ap_Kanji, const char* as_Token);
	void EntryRadical(SKanjiData* ap_Kanji, const char* as_Token);
	void EntryUnicode(SKanjiData* ap_Kanji, const char* as_Token);
	void EntryRanking(SKanjiData* ap_Kanji, const char* as_Token);
	void EntryGrade(SKanjiData* ap_Kanji, const char* as_Token);
	void EntryStroke(SKanjiData* ap_Kanji, const char* as_Token);
	// Reads one token from au32_Pos into as_Token (cut to 255 bytes); returns the position after it.
	static u32 GetToken(const u8* ap_Data, u32 au32_Size, u32 au32_Pos, char* as_Token);

private:
	static void AddPending(SPending& ao_Pending, SKanjiData::enumString ae_Kind, const char* as_Text);
	static void CommitPending(SKanjiData* ap_Kanji, SPending& ao_Pending);
	static void FreePending(SPending& ao_Pending);
	bool FindRange(const u8* ap_Data, u32 au32_Size, u32& au32_FirstLine);
	// Returns the number of lines skipped because they start no record.
	u32 Parse(const u8* ap_Data, u32 au32_Size, u32 au32_FirstLine);
	// The record of a line starting with the two kanji bytes; null when the line is to be skipped.
	SKanjiData* StartLine(const char* as_Token, const u8* ap_Data, u32 au32_Size, u32& au32_Pos);

	SKanjiData* mp_Kanji;
	u16 mu16_InfoCount[SKanjiData::ke_Info_DB + 1];
	u16 mu16_KanjiTotal;
	u16 mu16_GradeCount[ke_kanji_max_grade];
	u16 mu16_RadicalCount[ke_kanji_max_Radical];
	u16 mu16_StrokeCount[ke_kanji_max_Stroke];
	u16 mu16_IndexFirst;
	u16 mu16_IndexLast;
};

#endif
