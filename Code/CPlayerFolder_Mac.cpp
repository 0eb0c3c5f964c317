// The player's folder on Linux and other POSIX systems: the XDG base directories; on the web, under
// the page's home folder, which the program keeps in the browser's storage.
#include "CPlayerFolder.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace
{
	// $as_Variable when it holds an absolute path (the XDG rule: a relative one is ignored), else
	// $HOME followed by as_Default; then as_Tail.
	bool BaseFolder(const char* as_Variable, const char* as_Default, const char* as_Tail, char* as_Path, u16 au16_Size)
	{
		as_Path[0] = '\0';
		const char* s_Base = getenv(as_Variable);
		int i_Len = -1;
		if (s_Base != nullptr && s_Base[0] == '/')
			i_Len = snprintf(as_Path, au16_Size, "%s/fudemaru/%s", s_Base, as_Tail);
		else
		{
			const char* s_Home = getenv("HOME");
			if (s_Home == nullptr || s_Home[0] != '/')
				return false;
			i_Len = snprintf(as_Path, au16_Size, "%s/%s/fudemaru/%s", s_Home, as_Default, as_Tail);
		}
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
	return BaseFolder("XDG_CONFIG_HOME", ".config", "config.xml", as_Path, au16_Size);
}

bool CPlayerFolder::GetListFolder(char* as_Path, u16 au16_Size)
{
	return BaseFolder("XDG_DATA_HOME", ".local/share", "KanjiList/", as_Path, au16_Size);
}

bool CPlayerFolder::GetLogFile(char* as_Path, u16 au16_Size)
{
	return BaseFolder("XDG_DATA_HOME", ".local/share", "fudemaru.log", as_Path, au16_Size);
}

bool CPlayerFolder::MakeLogFolder()
{
	char s_Path[1024];
	return GetLogFile(s_Path, sizeof(s_Path)) && MakeFoldersOf(s_Path);
}

bool CPlayerFolder::MakeFoldersOf(const char* as_Path)
{
	char s_Path[1024];
	const int i_Len = snprintf(s_Path, sizeof(s_Path), "%s", as_Path);
	if (i_Len < 0 || i_Len >= (int)sizeof(s_Path))
		return false;
	// Each folder of the path in turn, from the top; those that exist are left as they are.
	for (char* p = s_Path + 1; *p != '\0'; ++p)
	{
		if (*p != '/')
			continue;
		*p = '\0';
		const bool b_Made = mkdir(s_Path, 0700) == 0 || errno == EEXIST;
		*p = '/';
		if (!b_Made)
			return false;
	}
	return true;
}

bool CPlayerFolder::HasCheckTool()
{
#ifdef __EMSCRIPTEN__
	// The web page is the game alone.
	return false;
#else
	return true;
#endif
}
