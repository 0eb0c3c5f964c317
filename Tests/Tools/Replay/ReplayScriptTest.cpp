#include "CReplayScript.h"
#include "CSoakScript.h"

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

// A random soak is a valid script, the same for a seed, of exactly the frames asked: every button
// goes down, up and is tapped, several at once, 1 to 20 frames apart, with prints on the way.
TEST(SoakScript, RandomScriptsFromASeed)
{
	CSoakScript oSoak;
	const std::string sText = oSoak.Random(5, 20000);
	EXPECT_EQ(20000u, oSoak.GetFrames());
	EXPECT_EQ(sText, CSoakScript().Random(5, 20000));
	EXPECT_NE(sText, CSoakScript().Random(6, 20000));
	CReplayScript oScript;
	ASSERT_TRUE(oScript.Parse(sText)) << oScript.GetError();

	u32 u32_Frames = 0, u32_Tapped = 0, u32_Down = 0, u32_Up = 0, u32_Prints = 0;
	bool bSeveral = false;
	for (const CReplayScript::SStep& oStep : oScript.GetSteps())
	{
		switch (oStep.me_Command)
		{
			case CReplayScript::ke_Frames:
				EXPECT_GE(oStep.mu32_Value, 1u);
				u32_Frames += oStep.mu32_Value;
				break;
			case CReplayScript::ke_Tap: u32_Tapped |= oStep.mu32_Value; ++u32_Frames; break;
			case CReplayScript::ke_Down:
				u32_Down |= oStep.mu32_Value;
				bSeveral = bSeveral || (oStep.mu32_Value & (oStep.mu32_Value - 1)) != 0;
				break;
			case CReplayScript::ke_Up: u32_Up |= oStep.mu32_Value; break;
			case CReplayScript::ke_Print: ++u32_Prints; break;
			case CReplayScript::ke_Shot: ADD_FAILURE() << "a soak saves no picture"; break;
			case CReplayScript::ke_Ink: ADD_FAILURE() << "a soak checks no ink"; break;
		}
	}
	EXPECT_EQ(20000u, u32_Frames);
	u32 u32_All = 0;
	for (u32 u32_Key : {ke_Key_Select, ke_Key_Start, ke_Key_Up, ke_Key_Right, ke_Key_Down, ke_Key_Left, ke_Key_L, ke_Key_R,
			ke_Key_Triangle, ke_Key_Circle, ke_Key_Cross, ke_Key_Square, ke_Key_Home, ke_Key_Hold, ke_Key_Note})
		u32_All |= u32_Key & ku_Key_BitMask;
	EXPECT_EQ(u32_All, u32_Tapped);
	EXPECT_EQ(u32_Tapped, u32_Down);
	EXPECT_EQ(u32_Down, u32_Up);
	EXPECT_TRUE(bSeveral);
	EXPECT_GT(u32_Prints, 10u);

	// The tour is a valid script too.
	EXPECT_TRUE(oScript.Parse(CSoakScript().Tour(2))) << oScript.GetError();
}
