#include <dirent.h>
#include <string.h>
#include <sys/stat.h>
#include "LibGen_CFileSystem.h"
#include "LibGen_Utils.h"

void LibGen_CFileSystem::SetCurrentDir(const char* as_DirName)
{
	LIBGEN_ASSERT(strlen((char*)as_DirName) < ku_DirCurrent_Name_Lenght);
	DIR* p_Dir = opendir(as_DirName);
	if (p_Dir == nullptr)
		return;
	closedir(p_Dir);
	snprintf(ms_DirCurrent, sizeof(ms_DirCurrent), "%s", as_DirName);
}

void LibGen_CFileSystem::LoadDirEntry(const char* as_Path, unsigned char au8_Mask)
{
	mu8_DirEntryTotal = 0;

	char s_DirPart[ku_DirCurrent_Name_Lenght];
	ExtractNameDir(as_Path, s_DirPart, sizeof(s_DirPart));
	char s_Dir[2 * ku_DirCurrent_Name_Lenght];
	if (!MakePath(s_DirPart, s_Dir, sizeof(s_Dir)))
		return;

	DIR* p_Dir = opendir(s_Dir);
	if (p_Dir == nullptr)
		return;

	struct dirent* p_Entry;
	while (mu8_DirEntryTotal < ku_DirEntry_Max && (p_Entry = readdir(p_Dir)) != nullptr)
	{
		char s_EntryPath[sizeof(s_Dir) + 256];
		const int i_Len = snprintf(s_EntryPath, sizeof(s_EntryPath), "%s/%s", s_Dir, p_Entry->d_name);
		struct stat o_Stat;
		// A cut path would stat another file.
		if (i_Len < 0 || i_Len >= (int)sizeof(s_EntryPath) || stat(s_EntryPath, &o_Stat) != 0)
			continue;

		const unsigned char u8_Kind = S_ISDIR(o_Stat.st_mode) ? 2 : (S_ISREG(o_Stat.st_mode) ? 1 : 0);
		if ((u8_Kind & au8_Mask) != au8_Mask)
			continue;

		char* s_Slot = ms_DirEntry[mu8_DirEntryTotal++];
		snprintf(s_Slot, ku_DirEntry_Size, "%.*s", (int)ku_DirEntry_Name_Max, p_Entry->d_name);
	}
	closedir(p_Dir);
}
