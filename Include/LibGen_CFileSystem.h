#ifndef LIBGEN_CFILESYSTEM_H
#define LIBGEN_CFILESYSTEM_H

#include <stdio.h>
#include "LibGen_DataTypes.h"
#include "LibGen_CSingleton.h"

// Holds the program's current directory, opens every data file relative to it, lists a
// directory and splits path names.
class LibGen_CFileSystem : public LibGen_CSingleton<LibGen_CFileSystem>
{
public:
	enum
	{
		ku_DirCurrent_Name_Lenght = 1024,
		ku_DirEntry_Max           = 255,
		ku_DirEntry_Size          = 128,
		ku_DirEntry_Name_Max      = 100,  // longer names are cut
		// The current directory, a slash and a name of up to 255 bytes always fit; a longer
		// joined path fails the open.
		ku_OpenFile_Path_Max      = ku_DirCurrent_Name_Lenght + 256,
	};

	LibGen_CFileSystem();

	void  SetCurrentDir(const char* as_DirName);
	// Empty until SetCurrentDir succeeds.
	const char* GetCurrentDir() const { return ms_DirCurrent; }
	// Data names such as "./Data/kanjidic" lie below the current directory; an absolute name (the
	// player's own folder) is opened as it stands.
	FILE* OpenFile(const char* as_FileName, const char* as_Mode) const;
	// Kind mask: 1 keeps regular files, 2 directories, 0 every entry. A path as OpenFile takes it.
	void  LoadDirEntry(const char* as_Path, unsigned char au8_Mask);
	// The full path of a name as OpenFile opens it; false when it does not fit the buffer.
	bool  MakePath(const char* as_Name, char* as_Out, size_t au_Size) const;
	// Starts with a slash or a backslash, or with a drive letter and a colon.
	static bool IsAbsolutePath(const char* as_Path);
	// Writes the whole of a file under a new name beside as_Path, forces it to the disk and renames
	// it over as_Path: a crash or a power cut at any moment leaves the old file or the new one,
	// never a part. The folder must exist. False, with as_Path as it was, when any step fails.
	static bool SaveWhole(const char* as_Path, const void* ap_Data, size_t au_Size);
	// A program that must copy the player's files elsewhere once they change (the web page, to the
	// browser's storage) sets a hook. FileWritten calls it: SaveWhole after each file it wrote, and
	// any other writer of the player's folder after its write. Null: no hook.
	static void SetWriteHook(void (*ap_Hook)());
	static void FileWritten();
	const char* GetDirEntry(unsigned char au8_DirEntry) const;
	u8    GetDirEntryTotal() const { return mu8_DirEntryTotal; }

	// Each writes at most au16_Size characters, terminator included.
	static void ExtractNameDir(const char* as_Path, char* as_Out, unsigned short au16_Size);
	static void ExtractNameFile(const char* as_Path, char* as_Out, unsigned short au16_Size);
	static void ExtractNameFileExt(const char* as_Path, char* as_Out, unsigned short au16_Size);
	static void ExtractNameExt(const char* as_Path, char* as_Out, unsigned short au16_Size);

private:
	static void (*sp_WriteHook)();
	char ms_DirEntry[ku_DirEntry_Max][ku_DirEntry_Size];
	u8   mu8_DirEntryTotal;
	char ms_DirCurrent[ku_DirCurrent_Name_Lenght];
};

#endif
