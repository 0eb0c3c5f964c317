// The Windows program's frame pacing, driven by a fake clock in microseconds.
#include "LibGen_CFramePacer.h"

#include <gtest/gtest.h>

namespace {

// Frames the pacer gives over au64_Total microseconds read every au64_Step.
u32 CountFrames(u64 au64_Step, u64 au64_Total)
{
	LibGen_CFramePacer o_Pacer(1000000, 16, 0);
	u32 u32_Frames = 0;
	for (u64 u64_Now = 0; u64_Now < au64_Total; u64_Now += au64_Step)
		u32_Frames += o_Pacer.IsDue(u64_Now) ? 1 : 0;
	return u32_Frames;
}

TEST(FramePacer, KeepsSixteenMillisecondsWhenTheLoopWakesEvery15_6)
{
	// A loop that wakes in Windows' 15.6 ms steps: frames average 16 ms, not two steps (31.2 ms).
	const u32 u32_Frames = CountFrames(15600, 10000000);
	const double d_IntervalMs = 10000.0 / u32_Frames;
	EXPECT_NEAR(16.0, d_IntervalMs, 0.05) << u32_Frames << " frames in 10 s";
	printf("interval with 15.6 ms steps: %.2f ms (%u frames in 10 s)\n", d_IntervalMs, u32_Frames);
	// A fine clock read every millisecond: one frame every 16 ms exactly.
	EXPECT_EQ(625u, CountFrames(1000, 10000000));
}

TEST(FramePacer, ALoopFarBehindStartsAgainWithoutABurst)
{
	LibGen_CFramePacer o_Pacer(1000, 16, 0);
	EXPECT_TRUE(o_Pacer.IsDue(0));
	EXPECT_FALSE(o_Pacer.IsDue(15));
	EXPECT_EQ(1u, o_Pacer.GetWaitMs(15));
	// Half a second without a look (a window being dragged): one frame, then 16 ms again.
	EXPECT_TRUE(o_Pacer.IsDue(500));
	EXPECT_FALSE(o_Pacer.IsDue(501));
	EXPECT_EQ(15u, o_Pacer.GetWaitMs(501));
	EXPECT_TRUE(o_Pacer.IsDue(516));
	EXPECT_EQ(0u, o_Pacer.GetWaitMs(532));
}

}
