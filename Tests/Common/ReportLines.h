#ifndef REPORT_LINES_H
#define REPORT_LINES_H

#include <stdio.h>
#include <string>
#include <vector>
#include "LibGen_Utils.h"

// Catches the lines that loaders report about data files (LibGen_ReportData) while it lives,
// instead of standard error. Take() gives the lines caught since the last Take().
class ReportLines
{
public:
	ReportLines() : mp_File(tmpfile()) { LibGen_SetReportStream(mp_File); }
	~ReportLines()
	{
		LibGen_SetReportStream(stderr);
		if (mp_File != nullptr)
			fclose(mp_File);
	}
	ReportLines(const ReportLines&) = delete;
	ReportLines& operator=(const ReportLines&) = delete;

	std::vector<std::string> Take()
	{
		std::vector<std::string> o_Lines;
		if (mp_File == nullptr)
			return o_Lines;
		fflush(mp_File);
		rewind(mp_File);
		char s_Line[4096];
		while (fgets(s_Line, sizeof(s_Line), mp_File) != nullptr)
		{
			std::string s(s_Line);
			if (!s.empty() && s.back() == '\n')
				s.pop_back();
			o_Lines.push_back(s);
		}
		fclose(mp_File);
		mp_File = tmpfile();
		LibGen_SetReportStream(mp_File);
		return o_Lines;
	}

private:
	FILE* mp_File;
};

#endif
