#include "CCommandLine.h"

#include "CPlayerFolder.h"

#include <cstring>

#ifndef FUDEMARU_VERSION
#define FUDEMARU_VERSION "2.2"
#endif

bool CCommandLine::Answer(int ai_Argc, char** as_Argv, const char* as_Folder, int& ai_ExitCode)
{
	for (int i = 1; i < ai_Argc; ++i)
	{
		const char* s_Arg = as_Argv[i];
		if (strcmp(s_Arg, "--version") == 0)
		{
			printf("Fudemaru %s\n", FUDEMARU_VERSION);
			ai_ExitCode = 0;
			return true;
		}
		if (strcmp(s_Arg, "--help") == 0 || strcmp(s_Arg, "-h") == 0)
		{
			PrintHelp(as_Folder, stdout);
			ai_ExitCode = 0;
			return true;
		}
		// One dash is the window system's (-display, -geometry); two are ours.
		if (strncmp(s_Arg, "--", 2) == 0)
		{
			fprintf(stderr, "fudemaru: unknown option %s; fudemaru --help lists the options\n", s_Arg);
			ai_ExitCode = 2;
			return true;
		}
	}
	return false;
}

void CCommandLine::PrintHelp(const char* as_Folder, FILE* ap_Out)
{
	char s_Config[1024];
	char s_Lists[1024];
	char s_Log[1024];
	const char* const ks_None = "(none: no home folder is set)";
	if (!CPlayerFolder::GetConfigFile(s_Config, sizeof(s_Config)))
		snprintf(s_Config, sizeof(s_Config), "%s", ks_None);
	if (!CPlayerFolder::GetListFolder(s_Lists, sizeof(s_Lists)))
		snprintf(s_Lists, sizeof(s_Lists), "%s", ks_None);
	if (!CPlayerFolder::GetLogFile(s_Log, sizeof(s_Log)))
		snprintf(s_Log, sizeof(s_Log), "%s", ks_None);
	fprintf(ap_Out,
		"Fudemaru %s: study Japanese kanji and kana.\n"
		"Browse the kanji of a list on a carousel of cards, read a kanji's meanings and readings while\n"
		"its strokes are drawn in order, match kanji and meanings in a quiz, drill hiragana and katakana.\n"
		"\n"
		"Usage: fudemaru [--help | --version]\n"
		"\n"
		"Keys:\n"
		"  arrow keys  move; Left and Right turn the cards\n"
		"  d           Cross: confirm, open\n"
		"  f           Circle: back\n"
		"  s           Triangle: main menu\n"
		"  a           Square: kana chart\n"
		"  Escape      quit\n"
		"\n"
		"Data:          %s/Data\n"
		"Your settings: %s\n"
		"               (attributes Lang, StartupList, QuizCardCount; they replace the shipped ones)\n"
		"Your lists:    %s\n"
		"Problems log:  %s\n"
		"Check the data and your files: fudemaru-inspect check\n",
		FUDEMARU_VERSION, as_Folder, s_Config, s_Lists, s_Log);
}
