#include "CConfig.h"

#include "ReportLines.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace
{
	class ConfigFile : public ScratchFolder
	{
	protected:
		CConfig Read(const std::string& as_Xml, bool* ap_Loaded = nullptr)
		{
			Write("Data/config.xml", as_Xml);
			CConfig oConfig;
			const bool bLoaded = oConfig.Load(ms_Root.c_str());
			if (ap_Loaded)
				*ap_Loaded = bLoaded;
			return oConfig;
		}

		u8 CardCount(const std::string& as_Attribute)
		{
			return Read("<Config " + as_Attribute + "/>").mu8_QuizCardCount;
		}
	};
}

TEST_F(ConfigFile, LanguageByNameEitherCase)
{
	EXPECT_EQ(1, Read("<Config Lang=\"fr\"/>").mu8_Language);
	EXPECT_EQ(1, Read("<Config Lang=\"FR\"/>").mu8_Language);
	EXPECT_EQ(1, Read("<Config Lang=\"Fr\"/>").mu8_Language);
	EXPECT_EQ(2, Read("<Config Lang=\"iT\"/>").mu8_Language);
	EXPECT_EQ(0, Read("<Config Lang=\"De\"/>").mu8_Language);
	EXPECT_EQ(0, Read("<Config Lang=\"Fra\"/>").mu8_Language);
	EXPECT_EQ(0, Read("<Config/>").mu8_Language);
}

TEST_F(ConfigFile, QuizCardCountKeepsItsLowByteWithin2To32)
{
	EXPECT_EQ(2, CardCount("QuizCardCount=\"1\""));
	EXPECT_EQ(2, CardCount("QuizCardCount=\"0\""));
	EXPECT_EQ(32, CardCount("QuizCardCount=\"33\""));
	EXPECT_EQ(32, CardCount("QuizCardCount=\"300\""));
	EXPECT_EQ(2, CardCount("QuizCardCount=\"256\""));
	EXPECT_EQ(12, CardCount("QuizCardCount=\"12\""));
	EXPECT_EQ(10, CardCount("QuizCardCount=\"many\""));
	EXPECT_EQ(10, CardCount(""));
	// The whole value must be a whole decimal number that an int holds; a sign is allowed.
	EXPECT_EQ(10, CardCount("QuizCardCount=\"12abc\""));
	EXPECT_EQ(10, CardCount("QuizCardCount=\"1e1\""));
	EXPECT_EQ(10, CardCount("QuizCardCount=\"2147483648\""));
	EXPECT_EQ(10, CardCount("QuizCardCount=\" 12\""));
	EXPECT_EQ(10, CardCount("QuizCardCount=\"\""));
	EXPECT_EQ(10, CardCount("QuizCardCount=\"-\""));
	EXPECT_EQ(32, CardCount("QuizCardCount=\"2147483647\""));   // low byte 255
	EXPECT_EQ(32, CardCount("QuizCardCount=\"-1\""));
	EXPECT_EQ(5, CardCount("QuizCardCount=\"+5\""));
}

// Each problem of the file is one line naming it; the game's second reading says nothing.
TEST_F(ConfigFile, ProblemsAreReportedOnceEach)
{
	ReportLines oReport;
	Read("<Config Lang=\"De\" QuizCardCount=\"12abc\"/>");
	Read("\x89\x01garbage\xff<<");
	Read("<Config Lang=\"Fr\">\n</Confi>");
	Read("<Settings/>");
	CConfig oMissing;
	oMissing.Load("/nonexistent/folder");
	const std::string sFile = "Fudemaru: Data/config.xml: ";
	EXPECT_EQ(oReport.Take(), (std::vector<std::string>{
		sFile + "Lang \"De\" is none of En, Fr and It; the game speaks English",
		sFile + "QuizCardCount \"12abc\" is no whole number; a quiz round deals 10 cards",
		sFile + "Error document empty.",
		sFile + "line 2, column 1: Error reading end tag.",
		sFile + "has no Config element",
		sFile + "cannot be opened (No such file or directory); the game speaks English, opens no list and deals no quiz cards"}));

	Write("Data/config.xml", "<Config Lang=\"De\"/>");
	CConfig oSecond;
	EXPECT_TRUE(oSecond.Load(ms_Root.c_str(), false));
	Read("<Config Lang=\"en\" StartupList=\"Grade 1\" QuizCardCount=\"12\"/>");
	EXPECT_TRUE(oReport.Take().empty());
}

TEST_F(ConfigFile, StartupListNamedOrAbsent)
{
	CConfig oConfig = Read("<Config StartupList=\"Grade 1\"/>");
	EXPECT_TRUE(oConfig.mb_HasStartupList);
	EXPECT_STREQ("Grade 1", oConfig.ms_StartupList);
	EXPECT_FALSE(Read("<Config/>").mb_HasStartupList);
}

TEST_F(ConfigFile, MissingOrBrokenFileKeepsTheDefaults)
{
	bool bLoaded = true;
	CConfig oConfig = Read("<Settings Lang=\"Fr\"/>", &bLoaded);
	EXPECT_FALSE(bLoaded);
	EXPECT_EQ(0, oConfig.mu8_Language);
	EXPECT_EQ(0, oConfig.mu8_QuizCardCount);
	EXPECT_FALSE(oConfig.mb_HasStartupList);

	Read("<Config Lang=\"Fr\"", &bLoaded);
	EXPECT_FALSE(bLoaded);

	CConfig oMissing;
	EXPECT_FALSE(oMissing.Load("/nonexistent/folder"));
	EXPECT_EQ(0, oMissing.mu8_QuizCardCount);
}

// Found by fuzzing: TinyXML recursed once per level of a deep nesting until the stack overflowed.
TEST_F(ConfigFile, DeepOrHugeFilesAreRefused)
{
	bool bLoaded = true;
	std::string sDeep = "<Config Lang=\"Fr\">";
	for (int i = 0; i < 100000; ++i)
		sDeep += "<a>";
	EXPECT_EQ(0, Read(sDeep, &bLoaded).mu8_Language);
	EXPECT_FALSE(bLoaded);
	Read("<Config Lang=\"Fr\"/><!--" + std::string(70000, ' ') + "-->", &bLoaded);
	EXPECT_FALSE(bLoaded);
	EXPECT_EQ(1, Read("<?xml version=\"1.0\"?>\r\n<Config Lang=\"Fr\">\r\n</Config>\r\n", &bLoaded).mu8_Language);
	EXPECT_TRUE(bLoaded);
}

TEST_F(ConfigFile, OverlongFolderIsRefused)
{
	const std::string sFolder(2000, 'x');
	CConfig oConfig;
	EXPECT_FALSE(oConfig.Load(sFolder.c_str()));
}

// The player's config.xml, in their XDG folder: its attributes replace the shipped ones, the others
// stay; a broken one is named by its full path, changes nothing and is left as it was.
TEST_F(ConfigFile, PlayersFileOverridesTheShippedOne)
{
	MakeDir("config");
	MakeDir("config/fudemaru");
	const char* s_Saved = getenv("XDG_CONFIG_HOME");
	const std::string s_Before = s_Saved ? s_Saved : "";
	setenv("XDG_CONFIG_HOME", (ms_Root + "/config").c_str(), 1);
	const std::string s_Own = ms_Root + "/config/fudemaru/config.xml";
	ReportLines o_Report;

	Write("config/fudemaru/config.xml", "<Config Lang=\"Fr\" QuizCardCount=\"6\"/>");
	CConfig o_Config = Read("<Config Lang=\"It\" StartupList=\"Grade 2\" QuizCardCount=\"12\"/>");
	EXPECT_EQ(1, o_Config.mu8_Language);
	EXPECT_EQ(6, o_Config.mu8_QuizCardCount);
	EXPECT_STREQ("Grade 2", o_Config.ms_StartupList);
	EXPECT_STREQ("Data/config.xml", o_Config.ms_StartupFile);
	// Without the shipped file, the player's settings stand over the defaults.
	bool b_Loaded = false;
	Write("config/fudemaru/config.xml", "<Config StartupList=\"Mine\"/>");
	o_Config = Read("<Broken", &b_Loaded);
	EXPECT_TRUE(b_Loaded);
	EXPECT_STREQ("Mine", o_Config.ms_StartupList);
	EXPECT_EQ(s_Own, o_Config.ms_StartupFile);
	o_Report.Take();

	const std::string s_Broken = "<Config Lang=\"Fr\"";
	Write("config/fudemaru/config.xml", s_Broken);
	o_Config = Read("<Config Lang=\"It\" QuizCardCount=\"12\"/>");
	EXPECT_EQ(2, o_Config.mu8_Language);
	EXPECT_EQ(12, o_Config.mu8_QuizCardCount);
	const std::vector<std::string> o_Lines = o_Report.Take();
	ASSERT_EQ(1u, o_Lines.size());
	EXPECT_EQ(0u, o_Lines[0].find("Fudemaru: " + s_Own + ": ")) << o_Lines[0];
	// A value that is wrong in the player's file leaves the shipped one.
	Write("config/fudemaru/config.xml", "<Config Lang=\"De\" QuizCardCount=\"many\"/>");
	o_Config = Read("<Config Lang=\"It\" QuizCardCount=\"12\"/>");
	EXPECT_EQ(2, o_Config.mu8_Language);
	EXPECT_EQ(12, o_Config.mu8_QuizCardCount);
	EXPECT_EQ(2u, o_Report.Take().size());

	FILE* p_File = fopen(s_Own.c_str(), "rb");
	ASSERT_NE(p_File, nullptr);
	char s_Text[64] = {};
	fread(s_Text, 1, sizeof(s_Text) - 1, p_File);
	fclose(p_File);
	EXPECT_STREQ("<Config Lang=\"De\" QuizCardCount=\"many\"/>", s_Text);
	if (s_Saved)
		setenv("XDG_CONFIG_HOME", s_Before.c_str(), 1);
	else
		unsetenv("XDG_CONFIG_HOME");
}

// A setting changed in the game goes to the player's config.xml, made with its folder, beside the
// settings already there; the shipped file is never written, and a player's file that cannot be
// read is left as it is, the settings going to a file beside it.
TEST_F(ConfigFile, SettingsAreSavedInThePlayersFileOnly)
{
	const char* s_Saved = getenv("XDG_CONFIG_HOME");
	const std::string s_Before = s_Saved ? s_Saved : "";
	setenv("XDG_CONFIG_HOME", (ms_Root + "/config").c_str(), 1);
	const std::string s_Shipped = "<Config Lang=\"It\" StartupList=\"Grade 2\" QuizCardCount=\"12\"/>";
	ReportLines o_Report;

	ASSERT_TRUE(CConfig::SaveSetting("Lang", CConfig::LanguageCode(1)));
	ASSERT_TRUE(CConfig::SaveSetting("QuizCardCount", "15"));
	ASSERT_TRUE(CConfig::SaveSetting("StartupList", "To review"));
	CConfig o_Config = Read(s_Shipped);
	EXPECT_EQ(1, o_Config.mu8_Language);
	EXPECT_EQ(15, o_Config.mu8_QuizCardCount);
	EXPECT_STREQ("To review", o_Config.ms_StartupList);
	std::ifstream o_Shipped(ms_Root + "/Data/config.xml");
	EXPECT_EQ(s_Shipped, std::string(std::istreambuf_iterator<char>(o_Shipped), std::istreambuf_iterator<char>()));
	EXPECT_TRUE(o_Report.Take().empty());

	const std::string s_Broken = "<Config Lang=\"Fr\"";
	Write("config/fudemaru/config.xml", s_Broken);
	ASSERT_TRUE(CConfig::SaveSetting("Lang", "En"));
	std::ifstream o_Own(ms_Root + "/config/fudemaru/config.xml");
	EXPECT_EQ(s_Broken, std::string(std::istreambuf_iterator<char>(o_Own), std::istreambuf_iterator<char>()));
	std::ifstream o_Beside(ms_Root + "/config/fudemaru/config (saved).xml");
	const std::string s_Beside((std::istreambuf_iterator<char>(o_Beside)), std::istreambuf_iterator<char>());
	EXPECT_NE(std::string::npos, s_Beside.find("Lang=\"En\"")) << s_Beside;
	const std::vector<std::string> o_Lines = o_Report.Take();
	ASSERT_EQ(1u, o_Lines.size());
	EXPECT_NE(std::string::npos, o_Lines[0].find("config (saved).xml")) << o_Lines[0];
	if (s_Saved)
		setenv("XDG_CONFIG_HOME", s_Before.c_str(), 1);
	else
		unsetenv("XDG_CONFIG_HOME");
}
