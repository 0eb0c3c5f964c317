#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <unistd.h>
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

bool LibGen_CFileSystem::SaveWhole(const char* as_Path, const void* ap_Data, size_t au_Size)
{
	char s_Temp[ku_OpenFile_Path_Max];
	const int i_Len = snprintf(s_Temp, sizeof(s_Temp), "%s.saving", as_Path);
	if (i_Len < 0 || i_Len >= (int)sizeof(s_Temp))
		return false;
	const int i_File = open(s_Temp, O_WRONLY | O_CREAT | O_TRUNC, 0600);
	if (i_File < 0)
		return false;
	const u8* p_Data = static_cast<const u8*>(ap_Data);
	size_t u_Done = 0;
	while (u_Done < au_Size)
	{
		const ssize_t l_Wrote = write(i_File, p_Data + u_Done, au_Size - u_Done);
		if (l_Wrote < 0 && errno == EINTR)
			continue;
		if (l_Wrote <= 0)
			break;
		u_Done += (size_t)l_Wrote;
	}
	// The data must be on the disk before the name points at it, or a power cut could leave the
	// new name on an empty file.
	const bool b_Written = u_Done == au_Size && fsync(i_File) == 0;
	if (close(i_File) != 0 || !b_Written || rename(s_Temp, as_Path) != 0)
	{
		unlink(s_Temp);
		return false;
	}
	// The rename itself is kept once the folder is on the disk.
	char s_Dir[ku_OpenFile_Path_Max];
	ExtractNameDir(as_Path, s_Dir, sizeof(s_Dir));
	const int i_Dir = open(s_Dir[0] != '\0' ? s_Dir : ".", O_RDONLY | O_DIRECTORY);
	if (i_Dir >= 0)
	{
		fsync(i_Dir);
		close(i_Dir);
	}
	FileWritten();
	return true;
}
