#include "CProblemLog.h"

#include "CPlayerFolder.h"
#include "LibGen_CFileSystem.h"
#include "LibGen_Utils.h"

#include <cstdio>

u32 CProblemLog::su32_Count = 0;
std::string CProblemLog::ss_First;
bool CProblemLog::sb_LogWritten = false;

void CProblemLog::Start()
{
	su32_Count = 0;
	ss_First.clear();
	sb_LogWritten = false;
	LibGen_SetReportHook(&CProblemLog::Catch);
}

void CProblemLog::Catch(const char* as_Line)
{
	if (su32_Count++ == 0)
		ss_First = as_Line;
	// The folder is made only now: a run on sound data leaves the player's folder as it was.
	char s_Log[1024];
	if (!CPlayerFolder::GetLogFile(s_Log, sizeof(s_Log)) || (!sb_LogWritten && !CPlayerFolder::MakeLogFolder()))
		return;
	FILE* p_File = fopen(s_Log, sb_LogWritten ? "a" : "w");
	if (p_File == nullptr)
		return;
	fprintf(p_File, "Fudemaru: %s\n", as_Line);
	fclose(p_File);
	sb_LogWritten = true;
	LibGen_CFileSystem::FileWritten();
}
