#include "CReviewList.h"

#include "CPlayerFolder.h"
#include "LibGen_CFileBuffer.h"
#include "LibGen_CFileSystem.h"
#include "LibGen_Utils.h"
#include "LibKanji_CDictionary.h"

#include <algorithm>
#include <cstdio>
#include <sys/stat.h>

const char* const CReviewList::ks_FileName = "To review.txt";
const char* const CReviewList::ks_BrokenName = "To review (saved).txt";

namespace
{
	enum
	{
		ku_Path_Size = LibGen_CFileSystem::ku_OpenFile_Path_Max,
	};

	bool Exists(const char* as_Path)
	{
		struct stat o_Stat;
		return stat(as_Path, &o_Stat) == 0;
	}

	// The kanji of a text list as Unicode values, in order; false when the file is there but is no
	// UTF-16 text (no byte order mark, or an odd length), or is too long for a list.
	bool ReadList(const char* as_Path, std::vector<u16>& ao_Kanji)
	{
		ao_Kanji.clear();
		if (!Exists(as_Path))
			return true;
		LibGen_CFileBuffer o_File;
		if (!o_File.Load(as_Path) || o_File.GetSize() < 2 || o_File.GetSize() % 2 != 0)
			return false;
		const u8* p_Data = o_File.GetData();
		const bool b_Little = p_Data[0] == 0xFF && p_Data[1] == 0xFE;
		if (!b_Little && !(p_Data[0] == 0xFE && p_Data[1] == 0xFF))
			return false;
		for (u32 i = 2; i + 1 < o_File.GetSize(); i += 2)
		{
			const u16 u16_Char = b_Little ? (u16)(p_Data[i] | (p_Data[i + 1] << 8)) : (u16)((p_Data[i] << 8) | p_Data[i + 1]);
			// Lines and what the dictionary does not know are dropped, as the list loader does.
			if (LibKanji_CDictionary::Instance()->GetKanjiFromInfo(SKanjiData::ke_Info_U, u16_Char, 0) != nullptr &&
			    u16_Char != 0)
				ao_Kanji.push_back(u16_Char);
		}
		return true;
	}

	// Little-endian UTF-16 with its mark, one kanji a line, as the shipped lists are written.
	bool WriteList(const char* as_Path, const std::vector<u16>& ao_Kanji)
	{
		std::vector<u8> o_Bytes = { 0xFF, 0xFE };
		for (const u16 u16_Char : ao_Kanji)
			o_Bytes.insert(o_Bytes.end(), { (u8)(u16_Char & 0xFF), (u8)(u16_Char >> 8), 13, 0, 10, 0 });
		return LibGen_CFileSystem::SaveWhole(as_Path, o_Bytes.data(), o_Bytes.size());
	}

	bool JoinName(char (&as_Path)[ku_Path_Size], const char* as_Name)
	{
		char s_Folder[ku_Path_Size];
		if (!CPlayerFolder::GetListFolder(s_Folder, sizeof(s_Folder)))
			return false;
		const int i_Len = snprintf(as_Path, sizeof(as_Path), "%s%s", s_Folder, as_Name);
		return i_Len >= 0 && i_Len < (int)sizeof(as_Path);
	}
}

bool CReviewList::IsReviewList(const LibKanji_CKanjiList::SListInfo* ap_List)
{
	char s_Path[ku_Path_Size];
	return ap_List != nullptr && ap_List->mb_Own && JoinName(s_Path, ks_FileName) && IsSameString(ap_List->mp_File, s_Path, false);
}

bool CReviewList::Update(const std::vector<u16>& ao_Missed, const std::vector<u16>& ao_Found, u16& au16_Joined, u16& au16_Left)
{
	au16_Joined = 0;
	au16_Left = 0;
	char s_Path[ku_Path_Size];
	if (ao_Missed.empty() && ao_Found.empty())
		return true;
	if (!JoinName(s_Path, ks_FileName) || !CPlayerFolder::MakeFoldersOf(s_Path))
		return false;

	std::vector<u16> o_Kanji;
	if (!ReadList(s_Path, o_Kanji))
	{
		// The player's file stays as it is; the list goes on beside it.
		char s_Broken[ku_Path_Size];
		if (!JoinName(s_Broken, ks_BrokenName) || !ReadList(s_Broken, o_Kanji))
			return false;
		LibGen_ReportData(s_Path, "cannot be read as a UTF-16 text list: it is left as it is, and the kanji to review "
			"are saved in \"%s\"", ks_BrokenName);
		snprintf(s_Path, sizeof(s_Path), "%s", s_Broken);
	}

	const LibKanji_CDictionary* p_Dict = LibKanji_CDictionary::Instance();
	for (const u16 u16_Euc : ao_Missed)
	{
		const SKanjiData* p_Kanji = p_Dict->FindKanjiFromEuc(u16_Euc);
		const u16 u16_Char = p_Kanji != nullptr ? p_Kanji->mu16_Info[SKanjiData::ke_Info_U] : 0;
		if (u16_Char != 0 && std::find(o_Kanji.begin(), o_Kanji.end(), u16_Char) == o_Kanji.end())
		{
			o_Kanji.push_back(u16_Char);
			++au16_Joined;
		}
	}
	for (const u16 u16_Euc : ao_Found)
	{
		const SKanjiData* p_Kanji = p_Dict->FindKanjiFromEuc(u16_Euc);
		const u16 u16_Char = p_Kanji != nullptr ? p_Kanji->mu16_Info[SKanjiData::ke_Info_U] : 0;
		const auto o_It = std::find(o_Kanji.begin(), o_Kanji.end(), u16_Char);
		if (u16_Char != 0 && o_It != o_Kanji.end())
		{
			o_Kanji.erase(o_It);
			++au16_Left;
		}
	}
	if (au16_Joined == 0 && au16_Left == 0)
		return true;
	if (!WriteList(s_Path, o_Kanji))
	{
		LibGen_ReportData(s_Path, "cannot be saved: the kanji to review of this quiz are not kept");
		au16_Joined = 0;
		au16_Left = 0;
		return false;
	}

	// The chooser shows the list with its new count at once.
	LibKanji_CKanjiList* p_Lists = LibKanji_CKanjiList::Instance();
	LibKanji_CKanjiList::SListInfo* p_List = nullptr;
	for (u8 i = 0; i < p_Lists->GetListCount() && p_List == nullptr; ++i)
		if (p_Lists->GetListInfo(i)->mb_Own && IsSameString(p_Lists->GetListInfo(i)->mp_File, s_Path, false))
			p_List = p_Lists->GetListInfo(i);
	if (p_List == nullptr)
		p_List = p_Lists->AddOwnTextList(s_Path);
	if (p_List != nullptr)
		p_List->mb_Counted = false;
	return true;
}
