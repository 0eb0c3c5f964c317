#include <chrono>
#include <math.h>
#include <unistd.h>
#include <gtest/gtest.h>
#include "LibGen_CBenchmark.h"
#include "LibGen_CPath.h"
#include "TestAssert.h"

namespace {

typedef CVector2d<float> V;

TEST(Path, LengthsRatiosAndPositions)
{
	LibGen_CPath o_Path;
	EXPECT_EQ(o_Path.AddVertex(V(0, 0)), 0u);
	EXPECT_EQ(o_Path.AddVertex(V(3, 4)), 1u);
	EXPECT_EQ(o_Path.AddVertex(V(3, 10)), 2u);
	EXPECT_EQ(o_Path.AddVertex(V(3, 10)), 2u);  // same as the last: not added
	EXPECT_FLOAT_EQ(o_Path.GetSegmentLenght(0), 5);
	EXPECT_FLOAT_EQ(o_Path.GetSegmentLenght(1), 6);
	EXPECT_FLOAT_EQ(o_Path.GetPathLenght(), 11);
	EXPECT_FLOAT_EQ(o_Path.GetVertexPathRatio(1), 5.0f / 11);
	EXPECT_FLOAT_EQ(o_Path.GetVertexPathRatio(2), 1);
	EXPECT_EQ(o_Path.GetVertex(3), nullptr);

	V o_Pos;
	o_Path.GetPathPosition(0.5, o_Pos);
	EXPECT_FLOAT_EQ(o_Pos.x, 3);
	EXPECT_FLOAT_EQ(o_Pos.y, 4.5);
	o_Path.GetPathPosition(1, o_Pos);
	EXPECT_EQ(o_Pos, V(3, 10));
	o_Path.GetPathPosition(5.0 / 11, o_Pos);  // on a vertex: the end of the segment before it
	EXPECT_NEAR(o_Pos.x, 3, 1e-5);
	EXPECT_NEAR(o_Pos.y, 4, 1e-5);
	EXPECT_LIBGEN_ASSERT(o_Path.GetPathPosition(1.5, o_Pos), "afRatio >= 0 && afRatio <= 1");

	// Removing a vertex keeps the lengths; positions never read past the vertices left.
	o_Path.RemVertex(2);
	o_Path.RemVertex(7);
	EXPECT_EQ(o_Path.GetVertexCount(), 2u);
	o_Path.GetPathPosition(1, o_Pos);
	EXPECT_NEAR(o_Pos.x, 3 * 11.0 / 5, 1e-4);

	o_Path.Reset();
	o_Path.AddVertex(V(1, 1));
	o_Pos = V(-1, -1);
	o_Path.GetPathPosition(0.5, o_Pos);  // no segment: output unchanged
	EXPECT_EQ(o_Pos, V(-1, -1));
	EXPECT_EQ(o_Path.GetVertexPathRatio(0), 0);
}

TEST(Path, SmoothMovesInteriorVerticesToMidpoints)
{
	LibGen_CPath o_Path;
	for (V o_Vertex : {V(0, 0), V(2, 0), V(2, 2), V(4, 2)})
		o_Path.AddVertex(o_Vertex);
	o_Path.Smooth();
	EXPECT_EQ(*o_Path.GetVertex(1), V(2, 1));
	EXPECT_EQ(*o_Path.GetVertex(2), V(3, 2));
	EXPECT_FLOAT_EQ(o_Path.GetPathLenght(), sqrtf(5) + sqrtf(2) + 1);
	EXPECT_FLOAT_EQ(o_Path.GetSegmentLenght(2), 1);
}

typedef LibGen_CBenchmark Bench;

TEST(Timers, PauseExcludesTheTimeBetweenPauseAndResume)
{
	Bench* p_Bench = Bench::Instance();
	EXPECT_EQ(Bench::Instance(), p_Bench);
	const auto e_Timer = (Bench::enumTimerType)3;
	EXPECT_EQ(p_Bench->TimerGet(e_Timer), 0.0);
	EXPECT_FALSE(p_Bench->TimerIsActive(e_Timer));

	// The upper bounds come from a clock of our own, so a loaded machine cannot fail the test:
	// the timer never counts more than the whole run minus the span it was surely paused.
	typedef std::chrono::steady_clock Clock;
	auto Ms = [](Clock::duration ao_Span) { return std::chrono::duration<double, std::milli>(ao_Span).count(); };
	const Clock::time_point o_Start = Clock::now();
	p_Bench->TimerStart(e_Timer);
	EXPECT_TRUE(p_Bench->TimerIsActive(e_Timer));
	usleep(5000);
	p_Bench->TimerPause(e_Timer);
	EXPECT_FALSE(p_Bench->TimerIsActive(e_Timer));
	const Clock::time_point o_PauseStart = Clock::now();
	usleep(30000);
	const double d_Paused = Ms(Clock::now() - o_PauseStart);
	p_Bench->TimerResume(e_Timer);
	usleep(5000);
	const double d_Elapsed = p_Bench->TimerGet(e_Timer);
	EXPECT_GE(d_Elapsed, 9.9);
	EXPECT_LE(d_Elapsed, Ms(Clock::now() - o_Start) - d_Paused + 0.5);

	// Starting a running timer restarts it from zero.
	usleep(20000);
	const Clock::time_point o_Restart = Clock::now();
	p_Bench->TimerStart(e_Timer);
	const double d_SinceRestart = p_Bench->TimerGet(e_Timer);
	EXPECT_LE(d_SinceRestart, Ms(Clock::now() - o_Restart) + 0.5);
	EXPECT_LT(d_SinceRestart, d_Elapsed);
	p_Bench->TimerPause(e_Timer);
}

TEST(Timers, ContractViolations)
{
	Bench* p_Bench = Bench::Instance();
	EXPECT_DEATH(p_Bench->TimerStart((Bench::enumTimerType)36), "ae_Timer < ke__Timer_Total");
	EXPECT_DEATH(p_Bench->TimerPause((Bench::enumTimerType)4), "mu_TimerStart\\[ae_Timer\\] > 0");
}

} // namespace
