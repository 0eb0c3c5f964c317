#ifndef CCONFIG_H
#define CCONFIG_H

#include "LibGen_DataTypes.h"

// The settings of "Data/config.xml": a Config element with the optional attributes
// Lang, StartupList and QuizCardCount. The shipped file is only read; the player's own config.xml
// takes the settings they change in the game.
class CConfig
{
public:
	enum
	{
		ku_Language_Total = 3,   // English, French, Italian: Language00.bin to Language02.bin
	};

	CConfig();

	// Reads "<folder>/Data/config.xml", then the player's own config.xml (CPlayerFolder), whose
	// attributes replace the shipped ones. False when neither file can be parsed with a Config
	// element; the members then keep their defaults (language 0, no list, card count 0). A broken
	// player's file, or a wrong value in it, leaves the shipped settings. With ab_Report each
	// problem of a file is reported on its line (LibGen_ReportData): the game reads the files
	// twice and says what is wrong with them once.
	bool Load(const char* as_Folder, bool ab_Report = true);
	// Loads every kanji list named StartupList, in list order; reports a name that no list has.
	void LoadStartupList() const;
	// Sets one attribute of the player's config.xml, the others kept, and saves the file whole
	// (LibGen_CFileSystem::SaveWhole). A player's file that cannot be read is left as it is: the
	// settings go to "config (saved).xml" beside it, and a line says so. False when nothing was saved.
	static bool SaveSetting(const char* as_Name, const char* as_Value);
	// The attribute's value of a language: "En", "Fr" or "It".
	static const char* LanguageCode(u8 au8_Language);

	u8   mu8_Language;          // 0 English, 1 French ("Fr"), 2 Italian ("It"), either case
	bool mb_HasStartupList;
	char ms_StartupList[256];
	u8   mu8_QuizCardCount;     // 2..32 once loaded; 10 when the attribute is missing or not a whole number
	char ms_StartupFile[1024];  // the file StartupList came from, for the report of a name no list has

private:
	// One file's Config element: with ab_Shipped a missing attribute gives its default, else it
	// leaves the value read before.
	bool LoadFile(const char* as_Path, const char* as_Name, bool ab_Report, bool ab_Shipped);
};

#endif
