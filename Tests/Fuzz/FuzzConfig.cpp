// The configuration file read from untrusted bytes.
#include <stdlib.h>
#include <string.h>
#include "FuzzScratch.h"
#include "CConfig.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* ap_Data, size_t au_Size)
{
	// The player's config.xml is looked for in the scratch folder, never in the real home.
	setenv("XDG_CONFIG_HOME", FuzzScratch::Root().c_str(), 1);
	FuzzScratch::Write("Data/config.xml", ap_Data, au_Size);
	CConfig o_Config;
	if (!o_Config.Load(FuzzScratch::Root().c_str()))
		return 0;
	// What was read must hold the promised ranges and a terminated list name.
	if (o_Config.mu8_Language > 2 || o_Config.mu8_QuizCardCount < 2 || o_Config.mu8_QuizCardCount > 32 ||
			strlen(o_Config.ms_StartupList) >= sizeof(o_Config.ms_StartupList))
		abort();
	return 0;
}
