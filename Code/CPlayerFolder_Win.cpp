// The player's folder on Windows: %APPDATA%\Fudemaru\.
#include "CPlayerFolder.h"

#include <windows.h>
#include <cstdio>
#include <cstdlib>

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

bool CPlayerFolder::HasCheckTool()
{
	return false;
}
