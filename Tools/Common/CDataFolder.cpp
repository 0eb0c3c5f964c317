#include "CDataFolder.h"
#include "Fudemaru.h"

#include <libgen.h>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

CDataFolder::~CDataFolder()
{
	if (!ms_Link.empty())
	{
		unlink(ms_Link.c_str());
		rmdir(ms_Temp.c_str());
	}
}

bool CDataFolder::Find(const char* as_Program, const std::string& as_Data)
{
	if (as_Data.empty())
	{
		Fudemaru_FindProgramFolder(as_Program, ms_Folder, sizeof(ms_Folder));
		return true;
	}
	char sReal[PATH_MAX];
	if (realpath(as_Data.c_str(), sReal) == nullptr)
		return false;
	if (strcmp(basename(sReal), "Data") == 0)
	{
		snprintf(ms_Folder, sizeof(ms_Folder), "%s", dirname(sReal));
		return true;
	}
	char sTemp[] = "/tmp/fudemaru-data-XXXXXX";
	if (mkdtemp(sTemp) == nullptr)
		return false;
	ms_Temp = sTemp;
	ms_Link = ms_Temp + "/Data";
	snprintf(ms_Folder, sizeof(ms_Folder), "%s", sTemp);
	return symlink(sReal, ms_Link.c_str()) == 0;
}
