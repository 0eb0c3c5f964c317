#include "CConfig.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

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
