// Where the program lies, on POSIX systems: the GLUT program and the tools find their data there.
#include "Fudemaru.h"

#include "LibGen_CFileSystem.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
	bool HoldsDataFolder(const char* as_Folder)
	{
		char s_Data[PATH_MAX];
		if (snprintf(s_Data, sizeof(s_Data), "%s/Data", as_Folder) >= static_cast<int>(sizeof(s_Data)))
			return false;
		struct stat o_Info;
		return stat(s_Data, &o_Info) == 0 && S_ISDIR(o_Info.st_mode);
	}

	// An installed program keeps no Data folder beside it: its data lies at a place fixed by the
	// installation layout, relative to the program so that an unpacked or moved tree still works.
	void UseInstalledDataIfNeeded(char* as_Folder, u16 au16_Size)
	{
		if (HoldsDataFolder(as_Folder))
			return;
		char s_Installed[PATH_MAX];
		if (snprintf(s_Installed, sizeof(s_Installed), "%s/%s", as_Folder, FUDEMARU_DATA_FROM_PROGRAM) >=
				static_cast<int>(sizeof(s_Installed)))
			return;
		char s_Real[PATH_MAX];
		if (realpath(s_Installed, s_Real) != nullptr && HoldsDataFolder(s_Real))
			snprintf(as_Folder, au16_Size, "%s", s_Real);
	}
}

void Fudemaru_FindProgramFolder(const char* as_ProgramPath, char* as_Folder, u16 au16_Size)
{
	char s_Path[1024];
	const char* s_Bundle = as_ProgramPath ? strstr(as_ProgramPath, ".app") : nullptr;
	if (s_Bundle != nullptr)
	{
		// The bundle's own path, cut right after ".app".
		const int s32_Cut = static_cast<int>(s_Bundle - as_ProgramPath) + 4;
		snprintf(s_Path, sizeof(s_Path), "%.*s", s32_Cut, as_ProgramPath);
		LibGen_CFileSystem::ExtractNameDir(s_Path, as_Folder, au16_Size);
		return;
	}
	const int s32_Len = static_cast<int>(readlink("/proc/self/exe", s_Path, sizeof(s_Path) - 1));
	if (s32_Len <= 0)
		snprintf(s_Path, sizeof(s_Path), "%s", as_ProgramPath ? as_ProgramPath : ".");
	else
		s_Path[s32_Len] = '\0';
	LibGen_CFileSystem::ExtractNameDir(s_Path, as_Folder, au16_Size);
	UseInstalledDataIfNeeded(as_Folder, au16_Size);
}
