#include <stdio.h>
#include <string.h>
#include "LibGen_Utils.h"
#include "LibText_CManagerString.h"
#include "LibGen_CFileBuffer.h"

namespace
{
	// The tables are a few kilobytes; anything this large is not one.
	const u32 ku_TableFile_Max = 4u << 20;
}

LibText_CManagerString::LibText_CManagerString()
	: ms_Pathname(nullptr), mp_LanguageData(nullptr), mu8_Language(0)
{
}

LibText_CManagerString::~LibText_CManagerString()
{
	Unload();
	delete[] ms_Pathname;
}

void LibText_CManagerString::SetLanguagePath(const char* as_pathname)
{
	LIBGEN_ASSERT(as_pathname != NULL);
	char* s_Copy = LibGen_StrDup(as_pathname);
	delete[] ms_Pathname;
	ms_Pathname = s_Copy;
}

u32 LibText_CManagerString::ReadU32(u32 au32_Offset) const
{
	const u8* p = mp_LanguageData + au32_Offset;
	return (u32)p[0] | (u32)p[1] << 8 | (u32)p[2] << 16 | (u32)p[3] << 24;
}

// The count and every offset must lie inside the file, and every text must end before it.
bool LibText_CManagerString::IsTableSound(const char* as_Path, u32 au32_Size) const
{
	if (au32_Size < 4)
	{
		LibGen_ReportData(as_Path, "is %u bytes long: too short for the count of its strings", au32_Size);
		return false;
	}
	const u32 u_Count = ReadU32(0);
	if (4 + 4 * (unsigned long long)u_Count > au32_Size)
	{
		LibGen_ReportData(as_Path, "is cut short: %u bytes cannot hold the offsets of its %u strings", au32_Size, u_Count);
		return false;
	}
	// A text starting at or before the last NUL of the file ends inside it.
	u32 u_Limit = au32_Size;
	while (u_Limit > 0 && mp_LanguageData[u_Limit - 1] != 0)
		--u_Limit;
	for (u32 i = 1; i <= u_Count; ++i)
		if (u_Limit == 0 || ReadU32(4 * i) > u_Limit - 1)
		{
			LibGen_ReportData(as_Path, "is cut or corrupt: string %u, at byte %u, does not end inside its %u bytes", i,
				ReadU32(4 * i), au32_Size);
			return false;
		}
	return true;
}

bool LibText_CManagerString::Load(u8 au8_Language)
{
	LIBGEN_ASSERT(ms_Pathname != NULL);
	Unload();
	mu8_Language = au8_Language;
	char s_Path[512];
	const int i_Len = snprintf(s_Path, sizeof(s_Path), "%s/Language%02i.bin", ms_Pathname, au8_Language);
	if (i_Len < 0 || i_Len >= (int)sizeof(s_Path))
		return false;

	LibGen_CFileBuffer o_File;
	if (!o_File.Load(s_Path, ku_TableFile_Max))
		return false;
	const u32 u_Size = o_File.GetSize();
	mp_LanguageData = o_File.Release();
	if (!IsTableSound(s_Path, u_Size))
	{
		Unload();
		return false;
	}
	mu8_Language = au8_Language;
	return true;
}

void LibText_CManagerString::Unload()
{
	delete[] mp_LanguageData;
	mp_LanguageData = nullptr;
}

const char* LibText_CManagerString::GetString(u32 au32_StringId) const
{
	if (mp_LanguageData == nullptr || au32_StringId == 0 || au32_StringId > ReadU32(0))
		return "";
	return (const char*)mp_LanguageData + ReadU32(4 * au32_StringId);
}

u32 LibText_CManagerString::GetStringTotal() const
{
	return mp_LanguageData == nullptr ? 0 : ReadU32(0);
}
