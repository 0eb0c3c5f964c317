// Where the program lies, on POSIX systems: the GLUT program and the tools find their data there.
#include "Fudemaru.h"

#include "LibGen_CFileSystem.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

void Fudemaru_FindProgramFolder(const char* as_ProgramPath, char* as_Folder, u16 au16_Size)
{
	char sPath[1024];
	const char* sBundle = as_ProgramPath ? strstr(as_ProgramPath, ".app") : nullptr;
	if (sBundle != nullptr)
	{
		// The bundle's own path, cut right after ".app".
		const size_t uLen = static_cast<size_t>(sBundle - as_ProgramPath) + 4;
		snprintf(sPath, sizeof(sPath), "%.*s", static_cast<int>(uLen), as_ProgramPath);
	}
	else
	{
		const ssize_t sLen = readlink("/proc/self/exe", sPath, sizeof(sPath) - 1);
		if (sLen <= 0)
			snprintf(sPath, sizeof(sPath), "%s", as_ProgramPath ? as_ProgramPath : ".");
		else
			sPath[sLen] = '\0';
	}
	LibGen_CFileSystem::ExtractNameDir(sPath, as_Folder, au16_Size);
}
