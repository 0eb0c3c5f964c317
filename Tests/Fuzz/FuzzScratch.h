#ifndef FUZZ_SCRATCH_H
#define FUZZ_SCRATCH_H

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <string>
#include <filesystem>
#include "LibGen_CFileSystem.h"
#include "LibGen_Utils.h"

// A temporary folder with a Data folder inside, made the file system's current directory for the
// whole run; each input is written to a file below it before its loader reads it. Removed at exit.
class FuzzScratch
{
public:
	static std::string Root()
	{
		// A plain array: it outlives the exit handler that removes the folder.
		static char s_Root[64] = "";
		if (s_Root[0] == 0)
			Create(s_Root, sizeof(s_Root));
		return s_Root;
	}
	// as_Name is relative to the root, such as "Data/kanjidic".
	static void Write(const char* as_Name, const uint8_t* ap_Data, size_t au_Size)
	{
		const std::string s_Path = Root() + "/" + as_Name;
		FILE* p_File = fopen(s_Path.c_str(), "wb");
		if (p_File == nullptr || fwrite(ap_Data, 1, au_Size, p_File) != au_Size)
			abort();  // the harness itself is broken: no input could be tried
		fclose(p_File);
	}
	static void MakeDir(const char* as_Name)
	{
		std::filesystem::create_directories(Root() + "/" + as_Name);
	}

private:
	static void Create(char* as_Root, size_t au_Size)
	{
		// NOTE: in memory where the system has such a folder: ext4 flushes a file rewritten from
		// empty when it is closed, and every input is such a file; on disk most of a run is waiting.
		struct stat o_Shm;
		const bool b_Shm = stat("/dev/shm", &o_Shm) == 0 && S_ISDIR(o_Shm.st_mode);
		snprintf(as_Root, au_Size, "%s/fudemaru-fuzz-XXXXXX", b_Shm ? "/dev/shm" : "/tmp");
		if (mkdtemp(as_Root) == nullptr)
			abort();
		std::filesystem::create_directories(std::string(as_Root) + "/Data");
		LibGen_CFileSystem::Instance()->SetCurrentDir(as_Root);
		// Nearly every input is a broken file: its line would cost more than its load.
		LibGen_SetReportStream(nullptr);
		atexit([] { std::error_code o_Err; std::filesystem::remove_all(Root(), o_Err); });
	}
};

#endif
