#ifndef CPLAYERFOLDER_H
#define CPLAYERFOLDER_H

#include "LibGen_DataTypes.h"

// The player's own folder, outside the shipped Data folder: their settings, their kanji lists and
// the log of the data problems found at start. Linux follows the XDG base directories
// ($XDG_CONFIG_HOME/fudemaru/config.xml, $XDG_DATA_HOME/fudemaru/KanjiList/ and
// $XDG_DATA_HOME/fudemaru/fudemaru.log, under ~/.config and ~/.local/share by default); Windows
// keeps all three in %APPDATA%\Fudemaru\. Nothing is created there but the log's folder.
class CPlayerFolder
{
public:
	// Each writes an absolute path; false, with an empty text, when the environment names no home
	// or the path does not fit.
	static bool GetConfigFile(char* as_Path, u16 au16_Size);
	// Ends with the separator, as the shipped "./Data/KanjiList/".
	static bool GetListFolder(char* as_Path, u16 au16_Size);
	static bool GetLogFile(char* as_Path, u16 au16_Size);
	// Creates the log's folder and those above it; true when it exists.
	static bool MakeLogFolder();
	// Creates the folders of a path of the player's folder up to its last separator (for a list
	// folder, the folder itself); true when they exist.
	static bool MakeFoldersOf(const char* as_Path);
	// Whether the platform ships fudemaru-inspect beside the game: the problem notice then says
	// to run it.
	static bool HasCheckTool();
};

#endif
