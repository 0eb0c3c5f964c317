#include <ctype.h>
#include <errno.h>
#include <string.h>
#include "LibGen_CFileSystem.h"
#include "LibGen_Utils.h"

void (*LibGen_CFileSystem::sp_WriteHook)() = nullptr;

LibGen_CFileSystem::LibGen_CFileSystem()
	: mu8_DirEntryTotal(0)
{
	memset(ms_DirEntry, 0, sizeof(ms_DirEntry));
	ms_DirCurrent[0] = 0;
}

void LibGen_CFileSystem::SetWriteHook(void (*ap_Hook)())
{
	sp_WriteHook = ap_Hook;
}

void LibGen_CFileSystem::FileWritten()
{
	if (sp_WriteHook != nullptr)
		sp_WriteHook();
}

bool LibGen_CFileSystem::IsAbsolutePath(const char* as_Path)
{
	if (as_Path[0] == '/' || as_Path[0] == '\\')
		return true;
	return isalpha((unsigned char)as_Path[0]) && as_Path[1] == ':';
}

bool LibGen_CFileSystem::MakePath(const char* as_Name, char* as_Out, size_t au_Size) const
{
	const int i_Len = IsAbsolutePath(as_Name) ? snprintf(as_Out, au_Size, "%s", as_Name)
	                                          : snprintf(as_Out, au_Size, "%s/%s", ms_DirCurrent, as_Name);
	// A cut path would name another file.
	return i_Len >= 0 && (size_t)i_Len < au_Size;
}

FILE* LibGen_CFileSystem::OpenFile(const char* as_FileName, const char* as_Mode) const
{
	char s_Path[ku_OpenFile_Path_Max];
	if (!MakePath(as_FileName, s_Path, sizeof(s_Path)))
	{
		errno = ENAMETOOLONG;
		return nullptr;
	}
	return fopen(s_Path, as_Mode);
}

const char* LibGen_CFileSystem::GetDirEntry(unsigned char au8_DirEntry) const
{
	LIBGEN_ASSERT(au8_DirEntry < mu8_DirEntryTotal);
	return ms_DirEntry[au8_DirEntry];
}

// Copies au_Len characters of as_Src, cut to the buffer, always terminated when there is room.
static void CopyCut(const char* as_Src, size_t au_Len, char* as_Out, unsigned short au16_Size)
{
	if (au16_Size == 0)
		return;
	if (au_Len > (size_t)au16_Size - 1)
		au_Len = (size_t)au16_Size - 1;
	memcpy(as_Out, as_Src, au_Len);
	as_Out[au_Len] = 0;
}

// Start of the last component: just after the last '/' or '\', or the whole path.
static const char* LastComponent(const char* as_Path)
{
	const char* s_Start = as_Path;
	for (const char* p = as_Path; *p != 0; ++p)
		if (*p == '/' || *p == '\\')
			s_Start = p + 1;
	return s_Start;
}

void LibGen_CFileSystem::ExtractNameDir(const char* as_Path, char* as_Out, unsigned short au16_Size)
{
	const char* s_Comp = LastComponent(as_Path);
	const size_t u_Len = (s_Comp == as_Path) ? strlen(as_Path) : (size_t)(s_Comp - 1 - as_Path);
	CopyCut(as_Path, u_Len, as_Out, au16_Size);
}

void LibGen_CFileSystem::ExtractNameFile(const char* as_Path, char* as_Out, unsigned short au16_Size)
{
	const char* s_Comp = LastComponent(as_Path);
	const char* s_Dot = strrchr(s_Comp, '.');
	const size_t u_Len = (s_Dot != nullptr) ? (size_t)(s_Dot - s_Comp) : strlen(s_Comp);
	CopyCut(s_Comp, u_Len, as_Out, au16_Size);
}

void LibGen_CFileSystem::ExtractNameFileExt(const char* as_Path, char* as_Out, unsigned short au16_Size)
{
	const char* s_Comp = LastComponent(as_Path);
	CopyCut(s_Comp, strlen(s_Comp), as_Out, au16_Size);
}

void LibGen_CFileSystem::ExtractNameExt(const char* as_Path, char* as_Out, unsigned short au16_Size)
{
	const char* s_Dot = strrchr(as_Path, '.');
	const char* s_Ext = (s_Dot != nullptr) ? s_Dot + 1 : "";
	CopyCut(s_Ext, strlen(s_Ext), as_Out, au16_Size);
}
