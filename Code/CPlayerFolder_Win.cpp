// The player's folder on Windows: %APPDATA%\Fudemaru\.
#include "CPlayerFolder.h"

#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
	bool InAppData(const char* as_Tail, char* as_Path, u16 au16_Size)
	{
		as_Path[0] = '\0';
		const char* s_AppData = getenv("APPDATA");
		if (s_AppData == nullptr || s_AppData[0] == '\0')
			return false;
		const int i_Len = snprintf(as_Path, au16_Size, "%s\\Fudemaru\\%s", s_AppData, as_Tail);
		if (i_Len < 0 || i_Len >= au16_Size)
		{
			as_Path[0] = '\0';
			return false;
		}
		return true;
	}
}

bool CPlayerFolder::GetConfigFile(char* as_Path, u16 au16_Size)
{
	return InAppData("config.xml", as_Path, au16_Size);
}

bool CPlayerFolder::GetListFolder(char* as_Path, u16 au16_Size)
{
	return InAppData("KanjiList\\", as_Path, au16_Size);
}

bool CPlayerFolder::GetLogFile(char* as_Path, u16 au16_Size)
{
	return InAppData("fudemaru.log", as_Path, au16_Size);
}

bool CPlayerFolder::MakeLogFolder()
{
	// %APPDATA% itself exists on every Windows.
	char s_Folder[1024];
	if (!InAppData("", s_Folder, sizeof(s_Folder)))
		return false;
	return CreateDirectoryA(s_Folder, nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool CPlayerFolder::MakeFoldersOf(const char* as_Path)
{
	char s_Path[1024];
	const int i_Len = snprintf(s_Path, sizeof(s_Path), "%s", as_Path);
	if (i_Len < 0 || i_Len >= (int)sizeof(s_Path))
		return false;
	// Each folder below %APPDATA% in turn; those that exist are left as they are.
	const char* s_AppData = getenv("APPDATA");
	const size_t u_Start = s_AppData != nullptr ? strlen(s_AppData) + 1 : 1;
	for (char* p = s_Path + (u_Start < (size_t)i_Len ? u_Start : (size_t)i_Len); *p != '\0'; ++p)
	{
		if (*p != '\\' && *p != '/')
			continue;
		const char c_Sep = *p;
		*p = '\0';
		const bool b_Made = CreateDirectoryA(s_Path, nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
		*p = c_Sep;
		if (!b_Made)
			return false;
	}
	return true;
}

bool CPlayerFolder::HasCheckTool()
{
	return false;
}
