#ifndef CCOMMANDLINE_H
#define CCOMMANDLINE_H

#include <cstdio>

// What the program answers on its command line without starting: --version, and --help (what the
// game is, its keys, where its data and the player's folder are). Other arguments are left to the
// window system's own options.
class CCommandLine
{
public:
	// True when an option was answered on standard output, or refused on standard error: the
	// program then ends with ai_ExitCode. as_Folder holds the Data folder the game would read.
	static bool Answer(int ai_Argc, char** as_Argv, const char* as_Folder, int& ai_ExitCode);

private:
	static void PrintHelp(const char* as_Folder, FILE* ap_Out);
};

#endif
