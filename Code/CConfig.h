#ifndef CCONFIG_H
#define CCONFIG_H

#include "LibGen_DataTypes.h"

// The settings of "Data/config.xml": a Config element with the optional attributes
// Lang, StartupList and QuizCardCount. The file is only read, never written.
class CConfig
{
public:
	CConfig();

	// Reads "<folder>/Data/config.xml". False when the file cannot be parsed or has no Config
	// element; the members then keep their defaults (language 0, no list, card count 0).
	bool Load(const char* as_Folder);

	u8   mu8_Language;          // 0 English, 1 French ("Fr"), 2 Italian ("It"), either case
	bool mb_HasStartupList;
	char ms_StartupList[256];
	u8   mu8_QuizCardCount;     // 2..32 once loaded; 10 when the attribute is missing or not a number
};

#endif
