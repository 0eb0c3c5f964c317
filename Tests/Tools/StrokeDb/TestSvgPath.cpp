#include "CSvgPath.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// Points as "M x y", "L x y" or "C x1 y1 x2 y2 x y", joined by " | ", for readable comparisons.
std::string Convert(const char* as_Path, double af_Scale = 1.0)
{
	std::vector<SStrokePoint> lo_Points;
	if (!CSvgPath::Convert(as_Path, af_Scale, lo_Points))
		return "error";
	std::string ls_Out;
	for (const SStrokePoint& p : lo_Points)
	{
		if (!ls_Out.empty())
			ls_Out += " | ";
		ls_Out += p.mc_Command;
		for (int i = 0; i < (p.mc_Command == 'C' ? 6 : 2); ++i)
			ls_Out += " " + std::to_string(p.mas16_Value[i]);
	}
	return ls_Out;
}
} // namespace

TEST(SvgPath, AbsoluteCommandsAreScaledAndRounded)
{
	EXPECT_EQ(Convert("M11,54.25C14.19,54.87 17.25,55 20.73,54.75", 256),
			  "M 2816 13888 | C 3633 14047 4416 14080 5307 14016");
	EXPECT_EQ(Convert("M1,2 L3,4 H5 V6"), "M 1 2 | L 3 4 | L 5 4 | L 5 6");
}

TEST(SvgPath, RelativeCommandsStartFromTheCurrentPoint)
{
	EXPECT_EQ(Convert("M10,20c1,2,3,4,5,6l1,1h2v-3"), "M 10 20 | C 11 22 13 24 15 26 | L 16 27 | L 18 27 | L 18 24");
	// A relative move after a stroke moves from where the stroke ended.
	EXPECT_EQ(Convert("M10,10L20,20m5,5l1,0"), "M 10 10 | L 20 20 | M 25 25 | L 26 25");
}

TEST(SvgPath, ImplicitRepeats)
{
	// Pairs after a move are lines, relative after a relative move.
	EXPECT_EQ(Convert("M0,0 1,1 2,2"), "M 0 0 | L 1 1 | L 2 2");
	EXPECT_EQ(Convert("m1,1 2,2 1,0"), "M 1 1 | L 3 3 | L 4 3");
	// A repeated relative curve starts from the end of the one before.
	EXPECT_EQ(Convert("M0,0c1,0,2,0,3,0,1,1,2,2,3,3"), "M 0 0 | C 1 0 2 0 3 0 | C 4 1 5 2 6 3");
}

TEST(SvgPath, SmoothCurvesReflectThePreviousControlPoint)
{
	EXPECT_EQ(Convert("M0,0C1,0 2,1 3,3S5,5 6,6"), "M 0 0 | C 1 0 2 1 3 3 | C 4 5 5 5 6 6");
	EXPECT_EQ(Convert("M0,0c1,0 2,1 3,3s2,2 3,3"), "M 0 0 | C 1 0 2 1 3 3 | C 4 5 5 5 6 6");
	// After a smooth curve, the next reflection uses that curve's second control point.
	EXPECT_EQ(Convert("M0,0C0,1 1,2 2,2S4,4 4,4S6,6 6,6"),
			  "M 0 0 | C 0 1 1 2 2 2 | C 3 2 4 4 4 4 | C 4 4 6 6 6 6");
	// Without a curve before it, the first control point is the current point.
	EXPECT_EQ(Convert("M1,1L2,2S3,3 4,4"), "M 1 1 | L 2 2 | C 2 2 3 3 4 4");
}

TEST(SvgPath, CloseDrawsBackToTheSubpathStart)
{
	EXPECT_EQ(Convert("M1,1L5,1L5,5z"), "M 1 1 | L 5 1 | L 5 5 | L 1 1");
	// Relative commands after a close start from the subpath start; no line when already there.
	EXPECT_EQ(Convert("M1,1L5,1L1,1Zl1,0"), "M 1 1 | L 5 1 | L 1 1 | L 2 1");
	// A curve before a close is not reflected by a smooth curve after it.
	EXPECT_EQ(Convert("M0,0C1,1 2,2 3,3ZS5,5 6,6"), "M 0 0 | C 1 1 2 2 3 3 | L 0 0 | C 0 0 5 5 6 6");
}

TEST(SvgPath, PackedNumbers)
{
	EXPECT_EQ(Convert("M1.5-2"), "M 2 -2");
	EXPECT_EQ(Convert("M.5.5", 10), "M 5 5");
	EXPECT_EQ(Convert("M-.5-.25", 4), "M -2 -1");
	EXPECT_EQ(Convert("M1e1,2E-1", 10), "M 100 2");
	EXPECT_EQ(Convert("M 1.5e+1 , +3"), "M 15 3");
	EXPECT_EQ(Convert("M0,0c-1.5-2.5.5.5,3,4"), "M 0 0 | C -2 -3 1 1 3 4");
}

TEST(SvgPath, RefusesMalformedPaths)
{
	EXPECT_EQ(Convert(""), "error");
	EXPECT_EQ(Convert("L1,2"), "error");      // no move first
	EXPECT_EQ(Convert("M1"), "error");        // half a point
	EXPECT_EQ(Convert("M1,2C3,4"), "error");  // curve without all its points
	EXPECT_EQ(Convert("M1,2Q3,4,5,6"), "error");
	EXPECT_EQ(Convert("M1,2Z3,4"), "error");  // numbers after a close
	EXPECT_EQ(Convert("M1,2L.,4"), "error");
	EXPECT_EQ(Convert("M0x10,2"), "error");
	EXPECT_EQ(Convert("M1e400,0"), "error");
	// 128 x 256 leaves the 16-bit range of the database.
	EXPECT_EQ(Convert("M128,0", 256), "error");
	EXPECT_EQ(Convert("M127,-128", 256), "M 32512 -32768");
}
