#include <ctype.h>
#include <stdlib.h>
#include <string.h>
#include "LibKanji_CDictionary.h"
#include "LibGen_CFileBuffer.h"
#include "LibGen_Utils.h"

const SFilterVal coFilterVal[] =
{
	{ "EU", SKanjiData::ke_Info_EU }, { "U", SKanjiData::ke_Info_U },   { "J", SKanjiData::ke_Info_J },
	{ "F", SKanjiData::ke_Info_F },   { "S", SKanjiData::ke_Info_S },   { "G", SKanjiData::ke_Info_G },
	{ "R", SKanjiData::ke_Info_R },   { "L", SKanjiData::ke_Info_L },   { "K", SKanjiData::ke_Info_K },
	{ "V", SKanjiData::ke_Info_V },   { "N", SKanjiData::ke_Info_N },   { "H", SKanjiData::ke_Info_H },
	{ "O", SKanjiData::ke_Info_O },   { "E", SKanjiData::ke_Info_E },   { "DC", SKanjiData::ke_Info_DC },
	{ "DG", SKanjiData::ke_Info_DG }, { "DH", SKanjiData::ke_Info_DH }, { "DJ", SKanjiData::ke_Info_DJ },
	{ "DK", SKanjiData::ke_Info_DK }, { "DO", SKanjiData::ke_Info_DO }, { "DR", SKanjiData::ke_Info_DR },
	{ "DT", SKanjiData::ke_Info_DT }, { "DB", SKanjiData::ke_Info_DB }, { nullptr, SKanjiData::ke_Info_Total },
};

const u16 cuRadicalUnicode[214] =
{
	0x4E00, 0x4E2A, 0x4E36, 0x4E3F, 0x4E59, 0x4E85, 0x4E8C, 0x4EA0, 0x4EBA, 0x513F,
	0x5165, 0x516B, 0x5182, 0x5196, 0x51AB, 0x51E0, 0x51F5, 0x5200, 0x529B, 0x52F9,
	0x5315, 0x531A, 0x531A, 0x5341, 0x535C, 0x5369, 0x5382, 0x53B6, 0x53C8, 0x53E3,
	0x56D7, 0x571F, 0x58EB, 0x5902, 0x5902, 0x5915, 0x5927, 0x5973, 0x5B50, 0x5B80,
	0x5BF8, 0x5C0F, 0x5C22, 0x5C38, 0x5C6E, 0x5C71, 0x5DDB, 0x5DE5, 0x5DF1, 0x5DFE,
	0x5E72, 0x5E7A, 0x5E7F, 0x5EF4, 0x5EFE, 0x5F0B, 0x5F13, 0x30E8, 0x5F61, 0x5F73,
	0x5FC3, 0x6208, 0x6238, 0x624B, 0x652F, 0x6534, 0x6587, 0x6597, 0x65A4, 0x65B9,
	0x65E0, 0x65E5, 0x65E5, 0x6708, 0x6728, 0x6B20, 0x6B62, 0x6B79, 0x6BB3, 0x6BCB,
	0x6BD4, 0x6BDB, 0x6C0F, 0x6C14, 0x6C34, 0x706B, 0x722A, 0x7236, 0x723B, 0x723F,
	0x7247, 0x7259, 0x725B, 0x72AC, 0x7384, 0x7389, 0x74DC, 0x74E6, 0x7518, 0x751F,
	0x7528, 0x7530, 0x758B, 0x7594, 0x7676, 0x767D, 0x76AE, 0x76BF, 0x76EE, 0x77DB,
	0x77E2, 0x77F3, 0x793A, 0x79B9, 0x79BE, 0x7A74, 0x7ACB, 0x7AF9, 0x7C73, 0x7CF8,
	0x7F36, 0x7F51, 0x7F8A, 0x7FBD, 0x8001, 0x800C, 0x8012, 0x8033, 0x807F, 0x8089,
	0x81E3, 0x81EA, 0x81F3, 0x81FC, 0x820C, 0x821B, 0x821F, 0x826E, 0x8272, 0x8278,
	0x864D, 0x866B, 0x8840, 0x884C, 0x8863, 0x897E, 0x898B, 0x89D2, 0x8A00, 0x8C37,
	0x8C46, 0x8C55, 0x8C78, 0x8C9D, 0x8D64, 0x8D70, 0x8DB3, 0x8EAB, 0x8ECA, 0x8F9B,
	0x8FB0, 0x8FB7, 0x9091, 0x9149, 0x91C6, 0x91CC, 0x91D1, 0x9577, 0x9580, 0x961C,
	0x96B6, 0x96B9, 0x96E8, 0x9752, 0x975E, 0x9762, 0x9769, 0x97CB, 0x97ED, 0x97F3,
	0x9801, 0x98A8, 0x98DB, 0x98DF, 0x9996, 0x9999, 0x99AC, 0x9AA8, 0x9AD8, 0x9ADF,
	0x9B25, 0x9B2F, 0x9B32, 0x9B3C, 0x9B5A, 0x9CE5, 0x9E75, 0x9E7F, 0x9EA5, 0x9EBB,
	0x9EC4, 0x9ECD, 0x9ED2, 0x9EF9, 0x9EFD, 0x9F0E, 0x9F13, 0x9F20, 0x9F3B, 0x9F4A,
	0x9F52, 0x9F8D, 0x9F9C, 0x9FA0,
};

u8 SKanjiData::GetKunReadings(const char* (&ap_Texts)[ku_Kun_Max]) const
{
	u8 au8_Next[ke_String_Total] = {};
	const u8 u8_Total = (u8)(mu8_StringCount[ke_String_KunOkurigana] + mu8_StringCount[ke_String_Kun]);
	for (u8 i = 0; i < u8_Total; ++i)
	{
		enumString e_Kind = (mu32_KunOrder >> i) & 1 ? ke_String_KunOkurigana : ke_String_Kun;
		// A record whose order disagrees with its counts (texts set by hand) still lists all it holds.
		if (au8_Next[e_Kind] >= mu8_StringCount[e_Kind])
			e_Kind = e_Kind == ke_String_Kun ? ke_String_KunOkurigana : ke_String_Kun;
		ap_Texts[i] = mpp_String[e_Kind][au8_Next[e_Kind]++];
	}
	return u8_Total;
}

namespace
{
	// A decimal number after the token's letters: values that do not fit 16 bits give -1.
	long TokenNumber(const char* as_Digits)
	{
		char* p_End = nullptr;
		const long l_Value = strtol(as_Digits, &p_End, 10);
		return (p_End == as_Digits || l_Value < 0 || l_Value > 0xFFFF) ? -1 : l_Value;
	}
}

LibKanji_CDictionary::LibKanji_CDictionary()
	: mp_Kanji(nullptr)
{
	Unload();
}

LibKanji_CDictionary::~LibKanji_CDictionary()
{
	Unload();
}

int LibKanji_CDictionary::GetIndexFromEuc(u16 au16_Code)
{
	const int i_High = au16_Code >> 8;
	const int i_Low = au16_Code & 0xFF;
	if (i_High < 0xA1 || i_High > 0xFE || i_Low < 0xA1 || i_Low > 0xFE)
		return -1;
	return LibGen_EucToJisIndex((u8)i_High, (u8)i_Low);
}

void LibKanji_CDictionary::Unload()
{
	if (mp_Kanji != nullptr)
	{
		for (u32 i = 0; i < mu16_KanjiTotal; ++i)
			for (int k = 0; k < SKanjiData::ke_String_Total; ++k)
			{
				for (u32 t = 0; t < mp_Kanji[i].mu8_StringCount[k]; ++t)
					delete[] mp_Kanji[i].mpp_String[k][t];
				delete[] mp_Kanji[i].mpp_String[k];
			}
		delete[] mp_Kanji;
		mp_Kanji = nullptr;
	}
	memset(mu16_InfoCount, 0, sizeof(mu16_InfoCount));
	memset(mu16_GradeCount, 0, sizeof(mu16_GradeCount));
	memset(mu16_RadicalCount, 0, sizeof(mu16_RadicalCount));
	memset(mu16_StrokeCount, 0, sizeof(mu16_StrokeCount));
	mu16_KanjiTotal = 0;
	mu16_IndexFirst = 0;
	mu16_IndexLast = 0;
}

bool LibKanji_CDictionary::Load(const char* as_Path)
{
	Unload();
	LibGen_CFileBuffer o_File;
	if (!o_File.Load(as_Path))
		return false;
	u32 u32_FirstLine = 0;
	if (!FindRange(o_File.GetData(), o_File.GetSize(), u32_FirstLine))
	{
		if (o_File.GetSize() == 0)
			LibGen_ReportData(as_Path, "is empty");
		else
			LibGen_ReportData(as_Path, "is no KANJIDIC file: the line after the first and the last line must "
				"begin with EUC-JP kanji, the first one's code the lower");
		return false;
	}
	mu16_KanjiTotal = (u16)(mu16_IndexLast - mu16_IndexFirst + 1);
	mp_Kanji = new SKanjiData[mu16_KanjiTotal]();
	const u32 u32_Skipped = Parse(o_File.GetData(), o_File.GetSize(), u32_FirstLine);
	if (u32_Skipped != 0)
		LibGen_ReportData(as_Path, "%u lines skipped: they begin with no kanji between the first and the last "
			"line's, or with one already read", u32_Skipped);
	return true;
}

// The first line is a comment; the kanji of the next line and of the last line bound the records.
// A file without such lines, or whose bounds are no kanji codes, is refused.
bool LibKanji_CDictionary::FindRange(const u8* ap_Data, u32 au32_Size, u32& au32_FirstLine)
{
	const u8* p_First = (const u8*)memchr(ap_Data, '\n', au32_Size);
	if (p_First == nullptr)
		return false;
	au32_FirstLine = (u32)(p_First - ap_Data);
	// The last line may lack its "\n"; blank lines at the end are no line.
	u32 u32_End = au32_Size;
	while (u32_End > 0 && ap_Data[u32_End - 1] == '\n')
		--u32_End;
	u32 u32_Last = u32_End;
	while (u32_Last > 0 && ap_Data[u32_Last - 1] != '\n')
		--u32_Last;
	if (u32_Last == 0 || au32_FirstLine + 3 > u32_End || u32_Last + 2 > u32_End)
		return false;
	const int i_First = GetIndexFromEuc((u16)(ap_Data[au32_FirstLine + 1] << 8 | ap_Data[au32_FirstLine + 2]));
	const int i_Last = GetIndexFromEuc((u16)(ap_Data[u32_Last] << 8 | ap_Data[u32_Last + 1]));
	if (i_First < 0 || i_Last < i_First)
		return false;
	mu16_IndexFirst = (u16)i_First;
	mu16_IndexLast = (u16)i_Last;
	return true;
}

u32 LibKanji_CDictionary::GetToken(const u8* ap_Data, u32 au32_Size, u32 au32_Pos, char* as_Token)
{
	u32 u_Len = 0;
	// Bytes beyond 255 are dropped: the token is cut, the buffer never overflows.
	auto Put = [&](u8 au8_Byte) { if (u_Len < ke_Token_Size - 1) as_Token[u_Len++] = (char)au8_Byte; };
	const u8 u8_First = ap_Data[au32_Pos++];
	if (u8_First == '{')
	{
		Put(u8_First);
		while (au32_Pos < au32_Size && ap_Data[au32_Pos] != '}')
			Put(ap_Data[au32_Pos++]);
		if (au32_Pos < au32_Size)
			++au32_Pos;
		if (au32_Pos < au32_Size && ap_Data[au32_Pos] == ' ')
			++au32_Pos;
	}
	else if (u8_First != ' ')
	{
		Put(u8_First);
		while (au32_Pos < au32_Size && ap_Data[au32_Pos] != ' ')
			Put(ap_Data[au32_Pos++]);
		if (au32_Pos < au32_Size)
			++au32_Pos;
	}
	as_Token[u_Len] = 0;
	return au32_Pos;
}

u32 LibKanji_CDictionary::Parse(const u8* ap_Data, u32 au32_Size, u32 au32_FirstLine)
{
	u32 u32_Skipped = 0;
	SPending o_Pending;
	memset(&o_Pending, 0, sizeof(o_Pending));
	SKanjiData* p_Kanji = nullptr;
	char s_Token[ke_Token_Size];
	u32 u32_Pos = au32_FirstLine;
	while (u32_Pos < au32_Size)
	{
		u32_Pos = GetToken(ap_Data, au32_Size, u32_Pos, s_Token);
		if (s_Token[0] == '\n')
		{
			CommitPending(p_Kanji, o_Pending);
			p_Kanji = StartLine(s_Token, ap_Data, au32_Size, u32_Pos);
			// The file's final line feed starts no line.
			if (p_Kanji == nullptr && s_Token[1] != 0)
				++u32_Skipped;
			continue;
		}
		// Tokens of a skipped line are dropped.
		if (p_Kanji == nullptr)
			continue;
		switch ((u8)s_Token[0])
		{
			case 'B': case 'C': EntryRadical(p_Kanji, s_Token); break;
			case 'U': EntryUnicode(p_Kanji, s_Token); break;
			case 'S': EntryStroke(p_Kanji, s_Token); break;
			case 'G': EntryGrade(p_Kanji, s_Token); break;
			case 'F': EntryRanking(p_Kanji, s_Token); break;
			case '{': EntryTranslation(p_Kanji, s_Token, o_Pending); break;
			// NOTE: after "T1" (name readings) or "T2" (radical names) the kana are names, not
			// readings: 三 would otherwise list か, さ, さい... among its kun readings.
			case 'T':
				if ((s_Token[1] == '1' || s_Token[1] == '2') && s_Token[2] == 0)
					o_Pending.mb_NameReadings = true;
				break;
			case 0xA4:
				if (!o_Pending.mb_NameReadings)
					EntryKunyomi(p_Kanji, s_Token, o_Pending);
				break;
			case 0xA5:
				if (!o_Pending.mb_NameReadings)
					EntryStringUnicode(p_Kanji, s_Token, o_Pending);
				break;
			default:
				if (s_Token[0] == 'D' && s_Token[1] == 'B')
					EntryBusyPeople(p_Kanji, s_Token);
				else
					EntryDictionary(p_Kanji, s_Token, GetInfoFromName(s_Token));
				break;
		}
	}
	CommitPending(p_Kanji, o_Pending);
	FreePending(o_Pending);
	return u32_Skipped;
}

SKanjiData* LibKanji_CDictionary::StartLine(const char* as_Token, const u8* ap_Data, u32 au32_Size, u32& au32_Pos)
{
	if (as_Token[1] == 0 || as_Token[2] == 0)
		return nullptr;
	const u16 u16_Code = (u16)((u8)as_Token[1] << 8 | (u8)as_Token[2]);
	const int i_Index = GetIndexFromEuc(u16_Code);
	// Outside the range there is no record to write; a repeated line would leak its texts.
	if (i_Index < mu16_IndexFirst || i_Index > mu16_IndexLast)
		return nullptr;
	SKanjiData* p_Kanji = &mp_Kanji[i_Index - mu16_IndexFirst];
	if (p_Kanji->mu16_Info[SKanjiData::ke_Info_EU] != 0)
		return nullptr;
	p_Kanji->mu16_Info[SKanjiData::ke_Info_EU] = u16_Code;
	// The JIS code follows the kanji; the buffer's final zero stops the digits at the end.
	u32 u32_Digits = 0;
	while (u32_Digits < 4 && au32_Pos + u32_Digits < au32_Size && isxdigit(ap_Data[au32_Pos + u32_Digits]))
		++u32_Digits;
	p_Kanji->mu16_Info[SKanjiData::ke_Info_J] = (u16)HexValue(ap_Data + au32_Pos, (u8)u32_Digits);
	au32_Pos += u32_Digits;
	if (au32_Pos < au32_Size && ap_Data[au32_Pos] == ' ')
		++au32_Pos;
	return p_Kanji;
}

void LibKanji_CDictionary::AddPending(SPending& ao_Pending, SKanjiData::enumString ae_Kind, const char* as_Text)
{
	u8& u8_Count = ao_Pending.mu8_Count[ae_Kind];
	if (u8_Count >= ke_kanji_max_String)
		return;
	ao_Pending.mp_Text[ae_Kind][u8_Count++] = LibGen_StrDup(as_Text);
}

void LibKanji_CDictionary::CommitPending(SKanjiData* ap_Kanji, SPending& ao_Pending)
{
	// The next line starts with readings again, in an order of its own.
	ao_Pending.mb_NameReadings = false;
	const u32 u32_KunOrder = ao_Pending.mu32_KunOrder;
	ao_Pending.mu32_KunOrder = 0;
	if (ap_Kanji == nullptr)
		return;
	ap_Kanji->mu32_KunOrder = u32_KunOrder;
	for (int k = 0; k < SKanjiData::ke_String_Total; ++k)
	{
		const u8 u8_Count = ao_Pending.mu8_Count[k];
		if (u8_Count == 0)
			continue;
		ap_Kanji->mpp_String[k] = new char*[u8_Count];
		memcpy(ap_Kanji->mpp_String[k], ao_Pending.mp_Text[k], u8_Count * sizeof(char*));
		ap_Kanji->mu8_StringCount[k] = u8_Count;
		ao_Pending.mu8_Count[k] = 0;
	}
}

void LibKanji_CDictionary::FreePending(SPending& ao_Pending)
{
	for (int k = 0; k < SKanjiData::ke_String_Total; ++k)
	{
		for (u32 t = 0; t < ao_Pending.mu8_Count[k]; ++t)
			delete[] ao_Pending.mp_Text[k][t];
		ao_Pending.mu8_Count[k] = 0;
	}
}

void LibKanji_CDictionary::EntryDictionary(SKanjiData* ap_Kanji, const char* as_Token, SKanjiData::enumInfo ae_Info)
{
	// The code comes from the line's head only: a token "EU" would change which kanji the record
	// claims to be, and clearing it would let a repeated line write the record again, leaking its texts.
	// Grade, strokes and radical index their counters: only their own entries, which keep the
	// limits, write them ("r220" would make a later "C" token count outside the radical table).
	if (ae_Info == SKanjiData::ke_Info_Total || ae_Info == SKanjiData::ke_Info_EU || ae_Info == SKanjiData::ke_Info_G ||
			ae_Info == SKanjiData::ke_Info_S || ae_Info == SKanjiData::ke_Info_R)
		return;
	while (*as_Token != 0 && (*as_Token < '0' || *as_Token > '9'))
		++as_Token;
	if (*as_Token == 0)
		return;
	CDataRead o_Read(as_Token);
	ap_Kanji->mu16_Info[ae_Info] = (u16)o_Read.GetNumValue(8);
	++mu16_InfoCount[ae_Info];
}

void LibKanji_CDictionary::EntryStringUnicode(SKanjiData*, const char* as_Token, SPending& ao_Pending)
{
	AddPending(ao_Pending, SKanjiData::ke_String_On, as_Token);
}

void LibKanji_CDictionary::EntryKunyomi(SKanjiData*, const char* as_Token, SPending& ao_Pending)
{
	const bool b_Okurigana = strchr(as_Token, '.') != nullptr;
	const SKanjiData::enumString e_Kind = b_Okurigana ? SKanjiData::ke_String_KunOkurigana : SKanjiData::ke_String_Kun;
	// The reading's place among both kinds; a reading past its kind's limit is dropped and takes none.
	const u8 u8_Place = (u8)(ao_Pending.mu8_Count[SKanjiData::ke_String_KunOkurigana] + ao_Pending.mu8_Count[SKanjiData::ke_String_Kun]);
	if (ao_Pending.mu8_Count[e_Kind] >= ke_kanji_max_String)
		return;
	if (b_Okurigana)
		ao_Pending.mu32_KunOrder |= 1u << u8_Place;
	AddPending(ao_Pending, e_Kind, as_Token);
}

void LibKanji_CDictionary::EntryTranslation(SKanjiData*, const char* as_Token, SPending& ao_Pending)
{
	AddPending(ao_Pending, SKanjiData::ke_String_Meaning, as_Token + 1);
}

void LibKanji_CDictionary::EntryBusyPeople(SKanjiData* ap_Kanji, const char* as_Token)
{
	CDataRead o_Read(as_Token + 2);
	const u32 u32_Chapter = o_Read.GetNumValue(8);
	// The separator is skipped only when the token goes on: never past its terminator.
	if (o_Read.PeekU8() != 0)
		o_Read += 1;
	const u32 u32_Section = o_Read.GetNumValue(8);
	ap_Kanji->mu16_Info[SKanjiData::ke_Info_DB] = (u16)(u32_Chapter * 100 + u32_Section);
	++mu16_InfoCount[SKanjiData::ke_Info_DB];
}

// A radical number outside 1..214 is skipped; a classical radical (C) replaces another one.
void LibKanji_CDictionary::EntryRadical(SKanjiData* ap_Kanji, const char* as_Token)
{
	CDataRead o_Read(as_Token + 1);
	const u32 uRadicalNew = o_Read.GetNumValue(8);
	if (uRadicalNew == 0 || uRadicalNew >= ke_kanji_max_Radical)
		return;
	u16& u16_Radical = ap_Kanji->mu16_Info[SKanjiData::ke_Info_R];
	if (u16_Radical == 0)
		++mu16_InfoCount[SKanjiData::ke_Info_R];
	else if (as_Token[0] == 'C')
		--mu16_RadicalCount[u16_Radical];
	else
		return;
	u16_Radical = (u16)uRadicalNew;
	++mu16_RadicalCount[uRadicalNew];
}

void LibKanji_CDictionary::EntryUnicode(SKanjiData* ap_Kanji, const char* as_Token)
{
	u16& u16_Unicode = ap_Kanji->mu16_Info[SKanjiData::ke_Info_U];
	CDataRead o_Read(as_Token + 1);
	const u32 u32_Value = o_Read.GetHexValue(8);
	if (u16_Unicode != 0 || u32_Value > 0xFFFF)
		return;
	u16_Unicode = (u16)u32_Value;
	++mu16_InfoCount[SKanjiData::ke_Info_U];
}

void LibKanji_CDictionary::EntryRanking(SKanjiData* ap_Kanji, const char* as_Token)
{
	const long l_Value = TokenNumber(as_Token + 1);
	u16& u16_Rank = ap_Kanji->mu16_Info[SKanjiData::ke_Info_F];
	if (u16_Rank != 0 || l_Value <= 0)
		return;
	u16_Rank = (u16)l_Value;
	++mu16_InfoCount[SKanjiData::ke_Info_F];
}

// Grades of 10 and more are skipped: the record keeps grade 0 and loading goes on.
void LibKanji_CDictionary::EntryGrade(SKanjiData* ap_Kanji, const char* as_Token)
{
	const long l_Value = TokenNumber(as_Token + 1);
	u16& u16_Grade = ap_Kanji->mu16_Info[SKanjiData::ke_Info_G];
	if (u16_Grade != 0 || l_Value <= 0 || l_Value >= ke_kanji_max_grade)
		return;
	u16_Grade = (u16)l_Value;
	++mu16_GradeCount[l_Value];
	++mu16_InfoCount[SKanjiData::ke_Info_G];
}

// Only the first stroke count of a line counts; 32 strokes or more are skipped.
void LibKanji_CDictionary::EntryStroke(SKanjiData* ap_Kanji, const char* as_Token)
{
	const long l_Value = TokenNumber(as_Token + 1);
	u16& u16_Stroke = ap_Kanji->mu16_Info[SKanjiData::ke_Info_S];
	if (u16_Stroke != 0 || l_Value <= 0 || l_Value >= ke_kanji_max_Stroke)
		return;
	u16_Stroke = (u16)l_Value;
	++mu16_StrokeCount[l_Value];
	++mu16_InfoCount[SKanjiData::ke_Info_S];
}

SKanjiData* LibKanji_CDictionary::GetKanjiFromEuc(u16 au16_Code) const
{
	const int i_Index = GetIndexFromEuc(au16_Code);
	if (mp_Kanji == nullptr || i_Index < mu16_IndexFirst || i_Index > mu16_IndexLast)
		return nullptr;
	return &mp_Kanji[i_Index - mu16_IndexFirst];
}

SKanjiData* LibKanji_CDictionary::FindKanjiFromEuc(u16 au16_Code) const
{
	SKanjiData* p_Kanji = GetKanjiFromEuc(au16_Code);
	return (p_Kanji != nullptr && p_Kanji->mu16_Info[SKanjiData::ke_Info_EU] != 0) ? p_Kanji : nullptr;
}

SKanjiData* LibKanji_CDictionary::GetKanjiFromInfo(SKanjiData::enumInfo ae_Info, u16 au16_Value, u16 au16_Nth) const
{
	LIBGEN_ASSERT(ae_Info < SKanjiData::ke_Info_Total);
	for (u32 i = 0; i < mu16_KanjiTotal; ++i)
		if (mp_Kanji[i].mu16_Info[ae_Info] == au16_Value && au16_Nth-- == 0)
			return &mp_Kanji[i];
	return nullptr;
}

SKanjiData* LibKanji_CDictionary::GetKanjiFromRadical(u16 au16_RadicalIndex) const
{
	LIBGEN_ASSERT(au16_RadicalIndex<=sizeof(cuRadicalUnicode)/2);
	if (au16_RadicalIndex == 0)
		return nullptr;
	return GetKanjiFromInfo(SKanjiData::ke_Info_U, cuRadicalUnicode[au16_RadicalIndex - 1], 0);
}

SKanjiData::enumInfo LibKanji_CDictionary::GetInfoFromName(const char* as_Name)
{
	if (as_Name == nullptr)
		return SKanjiData::ke_Info_Total;
	// Up to two letters, folded to upper case like the table's names: this runs for most tokens
	// of the dictionary, so it compares bytes instead of calling the general string compare.
	char s_Letters[3];
	int i_Len = 0;
	for (; i_Len < 2; ++i_Len)
	{
		const char c = as_Name[i_Len];
		if (c >= 'a' && c <= 'z')
			s_Letters[i_Len] = (char)(c - 'a' + 'A');
		else if (c >= 'A' && c <= 'Z')
			s_Letters[i_Len] = c;
		else
			break;
	}
	s_Letters[i_Len] = 0;
	if (i_Len == 0)
		return SKanjiData::ke_Info_Total;
	for (const SFilterVal* p_Row = coFilterVal; p_Row->ms_Name != nullptr; ++p_Row)
		if (p_Row->ms_Name[0] == s_Letters[0] && p_Row->ms_Name[1] == s_Letters[1])
			return p_Row->me_Info;
	return SKanjiData::ke_Info_Total;
}
