#include <windows.h>
#include <stdio.h>
#include <string.h>
#include "LibGen_CFileSystem.h"
#include "LibGen_CFileSystem_Win.h"
#include "LibGen_Utils.h"

static_assert(ku32_FileAttrib_ReadOnly == FILE_ATTRIBUTE_READONLY, "attribute bit");
static_assert(ku32_FileAttrib_Hidden == FILE_ATTRIBUTE_HIDDEN, "attribute bit");
static_assert(ku32_FileAttrib_Directory == FILE_ATTRIBUTE_DIRECTORY, "attribute bit");

namespace
{
	SDirEntryInfo so_DirEntryInfo[LibGen_CFileSystem::ku_DirEntry_Max];

	SDirTime PackFileTime(const FILETIME& ao_Time)
	{
		SYSTEMTIME o_System;
		if (!FileTimeToSystemTime(&ao_Time, &o_System))
			return LibGen_PackDirTime(0, 0, 0, 0, 0);
		return LibGen_PackDirTime(o_System.wYear, o_System.wMonth, o_System.wDay, o_System.wHour, o_System.wSecond);
	}
}

void LibGen_CFileSystem::SetCurrentDir(const char* as_DirName)
{
	LIBGEN_ASSERT(strlen((char*)as_DirName) < ku_DirCurrent_Name_Lenght);
	// A folder that can be listed exists (a drive's root too, which has no entry of its own).
	char s_Pattern[ku_DirCurrent_Name_Lenght + 4];
	snprintf(s_Pattern, sizeof(s_Pattern), "%s/*", as_DirName);
	WIN32_FIND_DATAA o_Find;
	HANDLE h_Find = FindFirstFileA(s_Pattern, &o_Find);
	if (h_Find == INVALID_HANDLE_VALUE)
		return;
	FindClose(h_Find);
	snprintf(ms_DirCurrent, sizeof(ms_DirCurrent), "%s", as_DirName);
}

void LibGen_CFileSystem::LoadDirEntry(const char* as_Path, unsigned char au8_Mask)
{
	mu8_DirEntryTotal = 0;

	char s_DirPart[ku_DirCurrent_Name_Lenght];
	ExtractNameDir(as_Path, s_DirPart, sizeof(s_DirPart));
	char s_Dir[2 * ku_DirCurrent_Name_Lenght];
	char s_Pattern[2 * ku_DirCurrent_Name_Lenght + 8];
	// A cut pattern would list another folder.
	if (!MakePath(s_DirPart, s_Dir, sizeof(s_Dir)) || snprintf(s_Pattern, sizeof(s_Pattern), "%s/*.*", s_Dir) >= (int)sizeof(s_Pattern))
		return;

	WIN32_FIND_DATAA o_Find;
	HANDLE h_Find = FindFirstFileA(s_Pattern, &o_Find);
	if (h_Find == INVALID_HANDLE_VALUE)
		return;
	do
	{
		const u8 u8_Flags = LibGen_DirEntryFlags(o_Find.dwFileAttributes);
		if ((u8_Flags & au8_Mask) != au8_Mask)
			continue;
		snprintf(ms_DirEntry[mu8_DirEntryTotal], ku_DirEntry_Size, "%.*s", (int)ku_DirEntry_Name_Max, o_Find.cFileName);
		SDirEntryInfo& o_Info = so_DirEntryInfo[mu8_DirEntryTotal];
		o_Info.mu64_Size = ((u64)o_Find.nFileSizeHigh << 32) | o_Find.nFileSizeLow;
		o_Info.mu8_Flags = u8_Flags;
		o_Info.mo_Creation = PackFileTime(o_Find.ftCreationTime);
		o_Info.mo_LastWrite = PackFileTime(o_Find.ftLastWriteTime);
		o_Info.mo_LastAccess = PackFileTime(o_Find.ftLastAccessTime);
		++mu8_DirEntryTotal;
	}
	while (mu8_DirEntryTotal < ku_DirEntry_Max && FindNextFileA(h_Find, &o_Find));
	FindClose(h_Find);
}

const SDirEntryInfo& LibGen_GetDirEntryInfo(u8 au8_DirEntry)
{
	LIBGEN_ASSERT(au8_DirEntry < LibGen_CFileSystem::Instance()->GetDirEntryTotal());
	return so_DirEntryInfo[au8_DirEntry];
}

bool LibGen_CFileSystem::SaveWhole(const char* as_Path, const void* ap_Data, size_t au_Size)
{
	char s_Temp[ku_OpenFile_Path_Max];
	const int i_Len = snprintf(s_Temp, sizeof(s_Temp), "%s.saving", as_Path);
	if (i_Len < 0 || i_Len >= (int)sizeof(s_Temp) || au_Size > 0xFFFFFFFFu)
		return false;
	HANDLE h_File = CreateFileA(s_Temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
	if (h_File == INVALID_HANDLE_VALUE)
		return false;
	DWORD u32_Wrote = 0;
	// The data must be on the disk before the name points at it.
	const bool b_Written = WriteFile(h_File, ap_Data, (DWORD)au_Size, &u32_Wrote, nullptr) && u32_Wrote == au_Size &&
		FlushFileBuffers(h_File);
	CloseHandle(h_File);
	if (!b_Written || !MoveFileExA(s_Temp, as_Path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
	{
		DeleteFileA(s_Temp);
		return false;
	}
	FileWritten();
	return true;
}
