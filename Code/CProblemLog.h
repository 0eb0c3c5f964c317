#ifndef CPROBLEMLOG_H
#define CPROBLEMLOG_H

#include "LibGen_DataTypes.h"

#include <string>

// Keeps the data problems the loaders report (LibGen_ReportData) for a player who sees no
// terminal: the first one for the notice shown once the data is loaded, and every line in the log
// file of the player's folder, written afresh by the first problem of a run. A run without
// problems writes nothing.
class CProblemLog
{
public:
	// Starts catching the lines, from none.
	static void Start();
	static u32 GetCount() { return su32_Count; }
	// "FILE: WHAT", the way the loader wrote it; empty before the first problem.
	static const std::string& GetFirst() { return ss_First; }

private:
	static void Catch(const char* as_Line);

	static u32 su32_Count;
	static std::string ss_First;
	static bool sb_LogWritten;
};

#endif
