#include <stdio.h>
#include <string.h>
#include <algorithm>
#include <string>
#include <vector>
#include <tinyxml.h>
#include "LibKanji_CKanjiList.h"
#include "LibKanji_CDictionary.h"
#include "LibGen_CFileBuffer.h"
#include "LibGen_CFileSystem.h"
#include "LibGen_Utils.h"

namespace
{
	enum
	{
		ku_Path_Size = LibGen_CFileSystem::ku_OpenFile_Path_Max,
		ku_Xml_Depth_Max = 32,  // a list is two levels deep; deeper nesting is a hostile file
	};

	// A field named exactly as in coFilterVal, ignoring case; ke_Info_Total when none.
	u8 FindField(const char* as_Name)
	{
		if (as_Name != nullptr)
			for (const SFilterVal* p_Row = coFilterVal; p_Row->ms_Name != nullptr; ++p_Row)
				if (IsSameString(as_Name, p_Row->ms_Name, true))
					return (u8)p_Row->me_Info;
		return SKanjiData::ke_Info_Total;
	}

	bool LoadXmlFile(const char* as_Path, TiXmlDocument& ao_Doc)
	{
		LibGen_CFileBuffer o_File;
		if (!o_File.Load(as_Path))
			return false;
		if (!XmlDepthWithin((const char*)o_File.GetData(), ku_Xml_Depth_Max))
		{
			LibGen_ReportData(as_Path, "its elements nest more than %d deep", (int)ku_Xml_Depth_Max);
			return false;
		}
		ao_Doc.Parse((const char*)o_File.GetData());
		if (ao_Doc.Error())
			LibGen_ReportXmlError(as_Path, ao_Doc.ErrorRow(), ao_Doc.ErrorCol(), ao_Doc.ErrorDesc());
		return !ao_Doc.Error();
	}

	// The file of an entry of the folder, joined without doubling a slash; false when it does not fit.
	bool JoinPath(char (&as_Path)[ku_Path_Size], const char* as_Directory, const char* as_Name)
	{
		const size_t u_Len = strlen(as_Directory);
		const bool b_Slash = u_Len > 0 && (as_Directory[u_Len - 1] == '/' || as_Directory[u_Len - 1] == '\\');
		const char* s_Slash = b_Slash ? "" : "/";
		const int i_Len = snprintf(as_Path, sizeof(as_Path), "%s%s%s", as_Directory, s_Slash, as_Name);
		return i_Len >= 0 && i_Len < (int)sizeof(as_Path);
	}

	int IntAttribute(const TiXmlElement* ap_Element, const char* as_Name, int ai_Default)
	{
		int i_Value = ai_Default;
		return ap_Element->QueryIntAttribute(as_Name, &i_Value) == TIXML_SUCCESS ? i_Value : ai_Default;
	}
}

LibKanji_CKanjiList::LibKanji_CKanjiList()
	: mu_ListCount(0), mu_KanjiTotal(0), mu16_KanjiCur(0), mp_ListLoaded(nullptr), mb_Cycle(false)
{
	memset(ma_ListInfo, 0, sizeof(ma_ListInfo));
	memset(mb_Loading, 0, sizeof(mb_Loading));
}

LibKanji_CKanjiList::~LibKanji_CKanjiList()
{
	Unload();
}

namespace
{
	// The XML file's UTF-8 as the Latin font's ISO-8859-1; characters beyond it become "?".
	char* Latin1Dup(const char* as_Utf8)
	{
		if (as_Utf8 == nullptr)
			return nullptr;
		std::string s_Out;
		for (const u8* p = (const u8*)as_Utf8; *p != 0; ++p)
		{
			if (*p < 0x80)
				s_Out += (char)*p;
			else if ((*p == 0xC2 || *p == 0xC3) && (p[1] & 0xC0) == 0x80)
			{
				s_Out += (char)(((*p & 0x03) << 6) | (p[1] & 0x3F));
				++p;
			}
			else if ((*p & 0xC0) != 0x80)
				s_Out += '?';
		}
		return LibGen_StrDup(s_Out.c_str());
	}
}

const char* LibKanji_CKanjiList::SListInfo::GetName(u8 au8_Language) const
{
	const char* s_Name = au8_Language == 0 ? mp_NameEn : au8_Language == 1 ? mp_NameFr : au8_Language == 2 ? mp_NameIt : nullptr;
	return s_Name != nullptr && s_Name[0] != 0 ? s_Name : mp_Name;
}

void LibKanji_CKanjiList::AddList(const char* as_File, const char* as_Name, u8 au8_Type, bool ab_Own, std::string& as_LeftOut,
	const TiXmlElement* ap_Element)
{
	if (mu_ListCount >= ku_List_Max)
	{
		as_LeftOut += as_LeftOut.empty() ? "\"" : ", \"";
		as_LeftOut += as_Name;
		as_LeftOut += "\"";
		return;
	}
	SListInfo& o_List = ma_ListInfo[mu_ListCount++];
	o_List.mp_File = LibGen_StrDup(as_File);
	o_List.mp_Name = LibGen_StrDup(as_Name);
	// A player's own list keeps its one name, as text lists do.
	if (ap_Element != nullptr && !ab_Own)
	{
		o_List.mp_NameEn = Latin1Dup(ap_Element->Attribute("Name_En"));
		o_List.mp_NameFr = Latin1Dup(ap_Element->Attribute("Name_Fr"));
		o_List.mp_NameIt = Latin1Dup(ap_Element->Attribute("Name_It"));
	}
	o_List.mu8_Type = au8_Type;
	o_List.mb_Own = ab_Own;
	o_List.mb_Counted = false;
}

void LibKanji_CKanjiList::Load_Lists(const char* as_Directory, bool ab_Own)
{
	if (!ab_Own)
		UnloadLists();
	const u8 u8_Before = mu_ListCount;
	LibGen_CFileSystem* p_Fs = LibGen_CFileSystem::Instance();
	p_Fs->LoadDirEntry(as_Directory, 1);
	// The listing's own order differs between systems (sorted on Windows, as stored under
	// Linux): the files are taken by name, byte by byte, so every system shows the same order.
	std::vector<const char*> o_Files;
	for (u8 i = 0; i < p_Fs->GetDirEntryTotal(); ++i)
		o_Files.push_back(p_Fs->GetDirEntry(i));
	std::sort(o_Files.begin(), o_Files.end(), [](const char* as_A, const char* as_B) { return strcmp(as_A, as_B) < 0; });
	char s_Path[ku_Path_Size];
	// The names of the lists past the table's end, for the line that says which ones are left out.
	std::string s_LeftOut;
	u32 u32_Found = 0;
	for (const char* s_File : o_Files)
	{
		// A save cut short leaves its new file beside the list (LibGen_CFileSystem::SaveWhole).
		char s_Ext[10];
		LibGen_CFileSystem::ExtractNameExt(s_File, s_Ext, sizeof(s_Ext));
		if (IsSameString(s_Ext, "saving", true) || !JoinPath(s_Path, as_Directory, s_File))
			continue;
		FILE* p_File = p_Fs->OpenFile(s_Path, "rb");
		if (p_File == nullptr)
			continue;
		u8 au8_Mark[2];
		const bool b_Text = fread(au8_Mark, 1, 2, p_File) == 2 &&
			((au8_Mark[0] == 0xFF && au8_Mark[1] == 0xFE) || (au8_Mark[0] == 0xFE && au8_Mark[1] == 0xFF));
		fclose(p_File);
		if (!b_Text)
			continue;
		char s_Name[ku_ListName_Size];
		LibGen_CFileSystem::ExtractNameFile(s_File, s_Name, sizeof(s_Name));
		AddList(s_Path, s_Name, ke_Type_Text, ab_Own, s_LeftOut);
		++u32_Found;
	}
	for (const char* s_File : o_Files)
	{
		char s_Ext[10];
		LibGen_CFileSystem::ExtractNameExt(s_File, s_Ext, sizeof(s_Ext));
		if (!IsSameString(s_Ext, "xml", true) || !JoinPath(s_Path, as_Directory, s_File))
			continue;
		TiXmlDocument o_Doc;
		if (!LoadXmlFile(s_Path, o_Doc))
			continue;
		for (const TiXmlElement* p_Element = o_Doc.FirstChildElement("KanjiList"); p_Element != nullptr;
				p_Element = p_Element->NextSiblingElement())
		{
			const char* s_Name = p_Element->Attribute("Name");
			if (s_Name != nullptr)
			{
				AddList(s_Path, s_Name, ke_Type_Xml, ab_Own, s_LeftOut, p_Element);
				++u32_Found;
			}
		}
	}
	if (mu_ListCount == 0 && !ab_Own)
		LibGen_ReportData(as_Directory, "holds no kanji list: no UTF-16 text list and no KanjiList element with a Name");
	else if (!s_LeftOut.empty())
		LibGen_ReportData(as_Directory, "%u lists found, only the first %d are kept: text lists first, then the XML "
			"lists in file order; left out: %s", u32_Found + u8_Before, (int)ku_List_Max, s_LeftOut.c_str());
}

LibKanji_CKanjiList::SListInfo* LibKanji_CKanjiList::AddOwnTextList(const char* as_File)
{
	char s_Name[ku_ListName_Size];
	LibGen_CFileSystem::ExtractNameFile(as_File, s_Name, sizeof(s_Name));
	std::string s_LeftOut;
	AddList(as_File, s_Name, ke_Type_Text, true, s_LeftOut);
	if (!s_LeftOut.empty())
	{
		LibGen_ReportData(as_File, "the list table is full (%d lists): the list is left out until the game starts again",
			(int)ku_List_Max);
		return nullptr;
	}
	return &ma_ListInfo[mu_ListCount - 1];
}

LibKanji_CKanjiList::SListInfo* LibKanji_CKanjiList::GetListInfo(u8 auListIndex)
{
	LIBGEN_ASSERT(auListIndex < mu_ListCount);
	return &ma_ListInfo[auListIndex];
}

LibKanji_CKanjiList::SListInfo* LibKanji_CKanjiList::GetListInfo(const char* as_Name)
{
	for (u8 i = 0; i < mu_ListCount; ++i)
		if (IsSameString(ma_ListInfo[i].mp_Name, as_Name, true))
			return &ma_ListInfo[i];
	return nullptr;
}

bool LibKanji_CKanjiList::Load_KanjiList(u8 auListInfoIndex)
{
	LIBGEN_ASSERT(auListInfoIndex < mu_ListCount);
	return Load_KanjiList(&ma_ListInfo[auListInfoIndex]);
}

bool LibKanji_CKanjiList::Load_KanjiList(SListInfo* ap_List)
{
	UnloadKanjis();
	mb_Cycle = false;
	mp_ListLoaded = ap_List;
	const bool b_Ok = LoadList(ap_List);
	if (!b_Ok)
		UnloadKanjis();
	return b_Ok;
}

bool LibKanji_CKanjiList::LoadList(SListInfo* ap_List)
{
	mo_KanjiCode.clear();
	mu_KanjiTotal = 0;
	bool b_Ok = false;
	if (ap_List != nullptr && ap_List->mu8_Type == ke_Type_Text)
		b_Ok = LoadText(ap_List);
	else if (ap_List != nullptr && ap_List->mu8_Type == ke_Type_Xml)
		b_Ok = LoadXml(ap_List);
	mu_KanjiTotal = (u16)mo_KanjiCode.size();
	return b_Ok;
}

bool LibKanji_CKanjiList::LoadText(const SListInfo* ap_List)
{
	LibGen_CFileBuffer o_File;
	if (!o_File.Load(ap_List->mp_File) || o_File.GetSize() < 2)
		return false;
	const u8* p_Data = o_File.GetData();
	u32 u32_Units = (o_File.GetSize() - 2) / 2;
	if (u32_Units > ku_Kanji_Max)
		u32_Units = ku_Kanji_Max;
	CDataRead o_Read;
	o_Read.mb_BigEndian = !(p_Data[0] == 0xFF && p_Data[1] == 0xFE);
	o_Read.SetBuffer(p_Data + 2, u32_Units * 2);
	mo_KanjiCode.reserve(u32_Units);
	const LibKanji_CDictionary* p_Dict = LibKanji_CDictionary::Instance();
	for (u32 i = 0; i < u32_Units; ++i)
	{
		const u16 u16_Char = o_Read.GetU16();
		// 0 would match the records that lack a Unicode value.
		if (u16_Char == 10 || u16_Char == 13 || u16_Char == 0)
			continue;
		const SKanjiData* p_Kanji = p_Dict->GetKanjiFromInfo(SKanjiData::ke_Info_U, u16_Char, 0);
		if (p_Kanji != nullptr)
			mo_KanjiCode.push_back(p_Kanji->mu16_Info[SKanjiData::ke_Info_EU]);
	}
	return true;
}

bool LibKanji_CKanjiList::LoadXml(const SListInfo* ap_List)
{
	TiXmlDocument o_Doc;
	if (!LoadXmlFile(ap_List->mp_File, o_Doc))
		return false;
	const TiXmlElement* p_Element = o_Doc.FirstChildElement("KanjiList");
	while (p_Element != nullptr)
	{
		const char* s_Name = p_Element->Attribute("Name");
		if (s_Name != nullptr && strcmp(s_Name, ap_List->mp_Name) == 0)
			break;
		p_Element = p_Element->NextSiblingElement();
	}
	if (p_Element == nullptr)
	{
		LibGen_ReportData(ap_List->mp_File, "holds no KanjiList element named \"%s\" any more", ap_List->mp_Name);
		return false;
	}

	const size_t u_Index = (size_t)(ap_List - ma_ListInfo);
	const bool b_InTable = u_Index < mu_ListCount;
	if (b_InTable)
		mb_Loading[u_Index] = true;
	FillStartSet(p_Element, ap_List);
	if (b_InTable)
		mb_Loading[u_Index] = false;
	if (mb_Cycle)
		return false;

	for (const TiXmlElement* p_Filter = p_Element->FirstChildElement("Filter"); p_Filter != nullptr;
			p_Filter = p_Filter->NextSiblingElement())
		ApplyFilter(p_Filter, ap_List);

	std::vector<SSortKey> o_Keys;
	for (const TiXmlElement* p_Sort = p_Element->FirstChildElement("Sort"); p_Sort != nullptr;
			p_Sort = p_Sort->NextSiblingElement())
	{
		const u8 u8_Info = FindField(p_Sort->Attribute("Index"));
		if (u8_Info == SKanjiData::ke_Info_Total)
		{
			ReportUnknownField(p_Sort, "Sort", ap_List);
			continue;
		}
		const char* s_Order = p_Sort->Attribute("Order");
		o_Keys.push_back(SSortKey{ u8_Info, IsSameString(s_Order, "Desc", true) });
	}
	SortBy(o_Keys);
	KeepRange(p_Element);
	return true;
}

// The kanji of the source list, or else every dictionary position in order (0 where no kanji).
// A source that is still being loaded would recurse without end: the whole load fails.
void LibKanji_CKanjiList::FillStartSet(const TiXmlElement* ap_Element, const SListInfo* ap_List)
{
	const char* s_Source = ap_Element->Attribute("Source");
	SListInfo* p_Source = (s_Source != nullptr) ? GetListInfo(s_Source) : nullptr;
	if (s_Source != nullptr && p_Source == nullptr)
		LibGen_ReportData(ap_List->mp_File, "list \"%s\": its Source \"%s\" names no list; it starts from the "
			"whole dictionary", ap_List->mp_Name, s_Source);
	if (p_Source != nullptr)
	{
		const size_t u_Index = (size_t)(p_Source - ma_ListInfo);
		if (p_Source == ap_List || mb_Loading[u_Index])
		{
			LibGen_ReportData(ap_List->mp_File, "list \"%s\": its Source \"%s\" leads back to a list it is loaded "
				"for; the list stays empty", ap_List->mp_Name, s_Source);
			mb_Cycle = true;
			return;
		}
		LoadList(p_Source);
		if (mb_Cycle || !mo_KanjiCode.empty())
			return;
	}
	const LibKanji_CDictionary* p_Dict = LibKanji_CDictionary::Instance();
	mo_KanjiCode.resize(p_Dict->GetKanjiTotal());
	for (u16 i = 0; i < p_Dict->GetKanjiTotal(); ++i)
		mo_KanjiCode[i] = p_Dict->GetRecord(i)->mu16_Info[SKanjiData::ke_Info_EU];
}

// A kanji that fails is replaced by the current last one, and that place is examined again.
void LibKanji_CKanjiList::ApplyFilter(const TiXmlElement* ap_Filter, const SListInfo* ap_List)
{
	const u8 u8_Info = FindField(ap_Filter->Attribute("Index"));
	if (u8_Info == SKanjiData::ke_Info_Total)
	{
		ReportUnknownField(ap_Filter, "Filter", ap_List);
		return;
	}
	int i_Min = 0;
	int i_Max = 0;
	if (ap_Filter->QueryIntAttribute("Value", &i_Min) == TIXML_SUCCESS)
		i_Max = i_Min;
	else if (ap_Filter->Attribute("Min") != nullptr || ap_Filter->Attribute("Max") != nullptr)
	{
		i_Min = IntAttribute(ap_Filter, "Min", 0);
		i_Max = IntAttribute(ap_Filter, "Max", 65535);
	}
	else
		return;
	const LibKanji_CDictionary* p_Dict = LibKanji_CDictionary::Instance();
	size_t u_Total = mo_KanjiCode.size();
	size_t i = 0;
	while (i < u_Total)
	{
		const SKanjiData* p_Kanji = p_Dict->GetKanjiFromEuc(mo_KanjiCode[i]);
		const int i_Value = (p_Kanji != nullptr) ? p_Kanji->mu16_Info[u8_Info] : 0;
		if (p_Kanji != nullptr && i_Value >= i_Min && i_Value <= i_Max)
			++i;
		else
			mo_KanjiCode[i] = mo_KanjiCode[--u_Total];
	}
	mo_KanjiCode.resize(u_Total);
}

// A Filter or Sort element (not the other kind, which its walk also meets) whose Index names no field.
void LibKanji_CKanjiList::ReportUnknownField(const TiXmlElement* ap_Element, const char* as_Kind, const SListInfo* ap_List)
{
	if (strcmp(ap_Element->Value(), as_Kind) != 0)
		return;
	const char* s_Index = ap_Element->Attribute("Index");
	LibGen_ReportData(ap_List->mp_File, "list \"%s\": line %d: %s Index \"%s\" names no field; it is ignored",
		ap_List->mp_Name, ap_Element->Row(), as_Kind, s_Index ? s_Index : "");
}

// Each key reorders, by exchange sort, the runs of neighbours that the earlier keys leave equal.
void LibKanji_CKanjiList::SortBy(const std::vector<SSortKey>& ao_Keys)
{
	const size_t u_Total = mo_KanjiCode.size();
	const LibKanji_CDictionary* p_Dict = LibKanji_CDictionary::Instance();
	std::vector<const SKanjiData*> o_Kanji(u_Total);
	for (size_t i = 0; i < u_Total; ++i)
		o_Kanji[i] = p_Dict->GetKanjiFromEuc(mo_KanjiCode[i]);
	auto Value = [&](size_t au_Pos, u8 au8_Info) -> u16
		{ return o_Kanji[au_Pos] != nullptr ? o_Kanji[au_Pos]->mu16_Info[au8_Info] : 0; };
	auto SameUnderKeys = [&](size_t au_A, size_t au_B, size_t au_KeyCount)
	{
		for (size_t e = 0; e < au_KeyCount; ++e)
			if (Value(au_A, ao_Keys[e].mu8_Info) != Value(au_B, ao_Keys[e].mu8_Info))
				return false;
		return true;
	};

	// The current key's values sit beside the list, so that the quadratic sort reads them in a row;
	// a descending key keeps them inverted, so that one comparison serves both orders.
	std::vector<u16> o_Value(u_Total);
	for (size_t k = 0; k < ao_Keys.size(); ++k)
	{
		const u16 u16_Invert = ao_Keys[k].mb_Descending ? 0xFFFF : 0;
		for (size_t i = 0; i < u_Total; ++i)
			o_Value[i] = Value(i, ao_Keys[k].mu8_Info) ^ u16_Invert;
		size_t u_RunStart = 0;
		while (u_RunStart < u_Total)
		{
			size_t u_RunEnd = u_RunStart + 1;
			while (u_RunEnd < u_Total && SameUnderKeys(u_RunEnd - 1, u_RunEnd, k))
				++u_RunEnd;
			for (size_t p = u_RunStart; p + 1 < u_RunEnd; ++p)
				for (size_t q = p + 1; q < u_RunEnd; ++q)
					if (o_Value[q] < o_Value[p])
					{
						std::swap(o_Value[p], o_Value[q]);
						std::swap(o_Kanji[p], o_Kanji[q]);
						std::swap(mo_KanjiCode[p], mo_KanjiCode[q]);
					}
			u_RunStart = u_RunEnd;
		}
	}
}

// Positions Min..Max of the sorted list, clamped to it; Max below Min leaves nothing.
void LibKanji_CKanjiList::KeepRange(const TiXmlElement* ap_Element)
{
	const int i_Total = (int)mo_KanjiCode.size();
	int i_Min = IntAttribute(ap_Element, "Min", 0);
	int i_Max = IntAttribute(ap_Element, "Max", 0x8FFF);
	if (i_Min < 0)
		i_Min = 0;
	if (i_Max > i_Total - 1)
		i_Max = i_Total - 1;
	if (i_Max < i_Min)
	{
		mo_KanjiCode.clear();
		return;
	}
	mo_KanjiCode.erase(mo_KanjiCode.begin() + i_Max + 1, mo_KanjiCode.end());
	mo_KanjiCode.erase(mo_KanjiCode.begin(), mo_KanjiCode.begin() + i_Min);
}

u16 LibKanji_CKanjiList::GetKanjiCount(u8 au8_List)
{
	LIBGEN_ASSERT(au8_List < mu_ListCount);
	SListInfo& o_List = ma_ListInfo[au8_List];
	if (o_List.mb_Counted)
		return o_List.mu16_KanjiCount;
	std::vector<u16> o_Loaded;
	o_Loaded.swap(mo_KanjiCode);
	const u16 u16_Total = mu_KanjiTotal;
	const bool b_Cycle = mb_Cycle;
	mb_Cycle = false;
	o_List.mu16_KanjiCount = LoadList(&o_List) ? mu_KanjiTotal : 0;
	o_List.mb_Counted = true;
	mo_KanjiCode.swap(o_Loaded);
	mu_KanjiTotal = u16_Total;
	mb_Cycle = b_Cycle;
	return o_List.mu16_KanjiCount;
}

u16 LibKanji_CKanjiList::GetKanji(u16 au_Kanji) const
{
	LIBGEN_ASSERT(au_Kanji < mu_KanjiTotal);
	return mo_KanjiCode[au_Kanji];
}

void LibKanji_CKanjiList::UnloadKanjis()
{
	mo_KanjiCode.clear();
	mo_KanjiCode.shrink_to_fit();
	mu_KanjiTotal = 0;
	mu16_KanjiCur = 0;
}

void LibKanji_CKanjiList::UnloadLists()
{
	mp_ListLoaded = nullptr;
	while (mu_ListCount > 0)
	{
		SListInfo& o_List = ma_ListInfo[--mu_ListCount];
		delete[] o_List.mp_File;
		delete[] o_List.mp_Name;
		delete[] o_List.mp_NameEn;
		delete[] o_List.mp_NameFr;
		delete[] o_List.mp_NameIt;
		o_List = SListInfo();
	}
}

void LibKanji_CKanjiList::Unload()
{
	UnloadKanjis();
	UnloadLists();
}
