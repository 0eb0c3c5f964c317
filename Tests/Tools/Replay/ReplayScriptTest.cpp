#include "CReplayScript.h"

#include "LibInput_ManagerKey.h"

#include <gtest/gtest.h>

TEST(ReplayScript, CommandsCommentsAndButtons)
{
	CReplayScript oScript;
	ASSERT_TRUE(oScript.Parse("# boot\nframes 10\n\ndown Cross left # two at once\nup Cross\ntap Circle\nshot a.png\nprint\n"))
		<< oScript.GetError();
	const auto& oSteps = oScript.GetSteps();
	ASSERT_EQ(6u, oSteps.size());
	EXPECT_EQ(CReplayScript::ke_Frames, oSteps[0].me_Command);
	EXPECT_EQ(10u, oSteps[0].mu32_Value);
	EXPECT_EQ(CReplayScript::ke_Down, oSteps[1].me_Command);
	EXPECT_EQ((ke_Key_Cross | ke_Key_Left) & ku_Key_BitMask, oSteps[1].mu32_Value);
	EXPECT_EQ(4, oSteps[1].mi_Line);
	EXPECT_EQ(CReplayScript::ke_Tap, oSteps[3].me_Command);
	EXPECT_EQ("a.png", oSteps[4].ms_File);
	EXPECT_EQ(CReplayScript::ke_Print, oSteps[5].me_Command);
}

TEST(ReplayScript, WrongLinesAreNamed)
{
	const struct { const char* text; const char* error; } cases[] = {
		{"frames\n", "line 1: frames takes one count"},
		{"frames 10x\n", "line 1: frames takes one count"},
		{"frames -1\n", "line 1: frames takes one count"},
		{"frames 1\ndown Space\n", "line 2: unknown button 'Space'"},
		{"tap Cross Circle\n", "line 1: tap takes one button"},
		{"up\n", "line 1: up takes buttons"},
		{"shot\n", "line 1: shot takes one file name"},
		{"print all\n", "line 1: print takes nothing"},
		{"jump 3\n", "line 1: unknown command 'jump'"},
	};
	for (const auto& c : cases)
	{
		CReplayScript oScript;
		EXPECT_FALSE(oScript.Parse(c.text)) << c.text;
		EXPECT_EQ(c.error, oScript.GetError());
	}
}
