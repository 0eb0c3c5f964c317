#ifndef LIBGEN_CFILESYSTEM_WIN_H
#define LIBGEN_CFILESYSTEM_WIN_H

#include "LibGen_DataTypes.h"

// What the Windows listing keeps beside each name of LibGen_CFileSystem::LoadDirEntry.

// An entry's kind and attributes, the bits a listing's mask asks for.
enum
{
	ke_DirEntry_File     = 0x01,
	ke_DirEntry_Dir      = 0x02,
	ke_DirEntry_ReadOnly = 0x04,
	ke_DirEntry_Hidden   = 0x08,
};

// The FILE_ATTRIBUTE_ bits of a find result that make them.
const u32 ku32_FileAttrib_ReadOnly  = 0x01;
const u32 ku32_FileAttrib_Hidden    = 0x02;
const u32 ku32_FileAttrib_Directory = 0x10;

// A file time: the year, then month, day, hour and second in one bit field (no minutes).
struct SDirTime
{
	u16 mu16_Year;
	u32 mu32_Month  : 4;
	u32 mu32_Day    : 9;
	u32 mu32_Hour   : 5;
	u32 mu32_Second : 6;
};

struct SDirEntryInfo
{
	u64 mu64_Size;
	u8  mu8_Flags;
	SDirTime mo_Creation;
	SDirTime mo_LastWrite;
	SDirTime mo_LastAccess;
};

inline u8 LibGen_DirEntryFlags(u32 au32_FileAttributes)
{
	u8 u8_Flags = (au32_FileAttributes & ku32_FileAttrib_Directory) ? ke_DirEntry_Dir : ke_DirEntry_File;
	if (au32_FileAttributes & ku32_FileAttrib_ReadOnly)
		u8_Flags |= ke_DirEntry_ReadOnly;
	if (au32_FileAttributes & ku32_FileAttrib_Hidden)
		u8_Flags |= ke_DirEntry_Hidden;
	return u8_Flags;
}

// Each field keeps the low bits of its value that fit its width.
inline SDirTime LibGen_PackDirTime(u16 au16_Year, u16 au16_Month, u16 au16_Day, u16 au16_Hour, u16 au16_Second)
{
	SDirTime o_Time;
	o_Time.mu16_Year = au16_Year;
	o_Time.mu32_Month = au16_Month & 0xF;
	o_Time.mu32_Day = au16_Day & 0x1FF;
	o_Time.mu32_Hour = au16_Hour & 0x1F;
	o_Time.mu32_Second = au16_Second & 0x3F;
	return o_Time;
}

// The size, flags and times of entry au8_DirEntry of the last listing (below GetDirEntryTotal()).
const SDirEntryInfo& LibGen_GetDirEntryInfo(u8 au8_DirEntry);

#endif
