#include "Fudemaru.h"

#include <gtest/gtest.h>

namespace
{
	// A window system answers a reshape request by calling the resize rule again with the new size.
	void SettleWindow(int& ai_Width, int& ai_Height)
	{
		for (int i = 0; i < 100; ++i)
		{
			const SViewport oView = Fudemaru_ComputeViewport(ai_Width, ai_Height);
			if (oView.mi_Width == ai_Width && oView.mi_Height == ai_Height)
				return;
			ai_Width = oView.mi_Width;
			ai_Height = oView.mi_Height;
		}
		FAIL() << "the window never settles";
	}
}

TEST(ResizeRule, TooTallWindowDrawsAtTheTop)
{
	const SViewport oView = Fudemaru_ComputeViewport(480, 400);
	EXPECT_EQ(0, oView.mi_X);
	EXPECT_EQ(128, oView.mi_Y);
	EXPECT_EQ(480, oView.mi_Width);
	EXPECT_EQ(272, oView.mi_Height);
}

TEST(ResizeRule, TooWideWindowIsCutAtTheRight)
{
	const SViewport oView = Fudemaru_ComputeViewport(960, 400);
	EXPECT_EQ(0, oView.mi_Y);
	EXPECT_EQ(705, oView.mi_Width);
	EXPECT_EQ(400, oView.mi_Height);
}

TEST(ResizeRule, ExactSizeAsksForNothing)
{
	const SViewport oView = Fudemaru_ComputeViewport(480, 272);
	EXPECT_EQ(480, oView.mi_Width);
	EXPECT_EQ(272, oView.mi_Height);
	EXPECT_EQ(0, oView.mi_Y);
}

TEST(ResizeRule, WindowsSettleWhereTruncationStops)
{
	const struct { int w, h, settledW, settledH; } cases[] = {
		{960, 400, 690, 391}, {1024, 768, 1020, 578}, {500, 300, 480, 272}, {480, 400, 480, 272},
	};
	for (const auto& c : cases)
	{
		int w = c.w, h = c.h;
		SettleWindow(w, h);
		EXPECT_EQ(c.settledW, w) << c.w << "x" << c.h;
		EXPECT_EQ(c.settledH, h) << c.w << "x" << c.h;
	}
}

TEST(ProgramFolder, BundleGivesTheFolderThatHoldsIt)
{
	char sFolder[1024];
	Fudemaru_FindProgramFolder("/Applications/Fudemaru.app/Contents/MacOS/Fudemaru", sFolder, sizeof(sFolder));
	EXPECT_STREQ("/Applications", sFolder);
}

TEST(ProgramFolder, PlainProgramGivesItsOwnFolder)
{
	char sFolder[1024];
	Fudemaru_FindProgramFolder("whatever", sFolder, sizeof(sFolder));
	char sExe[1024];
	const ssize_t sLen = readlink("/proc/self/exe", sExe, sizeof(sExe) - 1);
	ASSERT_GT(sLen, 0);
	sExe[sLen] = '\0';
	const std::string sExpected(sExe, strrchr(sExe, '/'));
	EXPECT_EQ(sExpected, sFolder);
}

TEST(ProgramFolder, CutToTheBuffer)
{
	char sFolder[8];
	Fudemaru_FindProgramFolder("/Applications/Fudemaru.app/x", sFolder, sizeof(sFolder));
	EXPECT_STREQ("/Applic", sFolder);
}
