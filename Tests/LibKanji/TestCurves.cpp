#include <vector>
#include <gtest/gtest.h>
#include "LibGfx_Utilities.h"

namespace {

typedef CVector2d<float> V;

TEST(Curves, ComputeStepStaysWithin4And100)
{
	EXPECT_EQ(BezierComputeStep(V(5, 5), V(5, 5), V(5, 5), V(5, 5)), 4u);
	// Differences along the control polygon, each truncated: 10 + 10 + 40 = 60.
	EXPECT_EQ(BezierComputeStep(V(0, 0), V(51.8f, 10.9f), V(10.9f, 0), V(10.9f, 10.9f)), 6u);
	// L1 length 2000 and more give 100.
	EXPECT_EQ(BezierComputeStep(V(0, 0), V(1000, 0), V(500, 500), V(1000, 500)), 100u);
	EXPECT_EQ(BezierComputeStep(V(0, 0), V(1e30f, 0), V(0, 0), V(0, 0)), 100u);
}

TEST(Curves, BezierPointWholePixels)
{
	V o_Out;
	LibGfx_BezierPoint(0, 4, V(7.6f, 3), V(100, 100), V(50, 50), V(9, 9), o_Out);
	EXPECT_EQ(o_Out, V(8, 3));                       // the first point, rounded
	LibGfx_BezierPoint(4, 4, V(7.6f, 3), V(100, 100), V(50, 50), V(9, 9), o_Out);
	EXPECT_EQ(o_Out, V(9, 9));                       // the end point
	// n = 2, i = 1: the weights are 1, 3, 3, 1 over 8; 3/8 and 4/8 round down, 10/8 to 1.
	LibGfx_BezierPoint(1, 2, V(0, 0), V(1, 2), V(0, 0), V(0, 4), o_Out);
	EXPECT_EQ(o_Out, V(0, 1));
	LibGfx_BezierPoint(1, 2, V(4, 0), V(0, 0), V(0, 0), V(0, 0), o_Out);
	EXPECT_EQ(o_Out, V(0, 0));
	// A negative partial sum is held at 0 before the next term adds to it.
	LibGfx_BezierPoint(1, 2, V(-80, 0), V(0, 0), V(0, 0), V(16, 0), o_Out);
	EXPECT_EQ(o_Out, V(2, 0));
	EXPECT_GT(LibGfx_BezierLength(V(0, 0), V(30, 40), V(10, 0), V(20, 0)), 40);
	EXPECT_FLOAT_EQ(LibGfx_BezierLength(V(3, 3), V(3, 3), V(3, 3), V(3, 3)), 0);
}

class DrawLineTest : public ::testing::Test
{
protected:
	int Count() const
	{
		int i_Set = 0;
		for (u8 u8_Pixel : mo_Buffer)
			i_Set += (u8_Pixel == 9);
		return i_Set;
	}
	bool At(int x, int y) const { return mo_Buffer[y * 12 + x] == 9; }
	void Draw(V ao_From, V ao_To, u8 au8_Thickness)
	{
		mo_Buffer.assign(12 * 12, 0);
		LibGfx_DrawLine(ao_From, ao_To, au8_Thickness, mo_Buffer.data(), CVector2d<unsigned short>(12, 12), 9);
	}
	std::vector<u8> mo_Buffer;
};

TEST_F(DrawLineTest, Thickness)
{
	Draw(V(2, 5), V(8, 5), 0);
	EXPECT_EQ(Count(), 6);
	EXPECT_TRUE(At(2, 5) && At(7, 5) && !At(8, 5));
	Draw(V(2, 5), V(8, 5), 1);
	EXPECT_EQ(Count(), 6);
	// An even thickness draws one line more: offsets -1, 0 and 1.
	Draw(V(2, 5), V(8, 5), 2);
	EXPECT_EQ(Count(), 18);
	EXPECT_TRUE(At(2, 4) && At(2, 6) && !At(2, 7));
	Draw(V(4, 1), V(4, 7), 2);   // steep: offsets across x
	EXPECT_EQ(Count(), 18);
	EXPECT_TRUE(At(3, 1) && At(5, 6) && !At(4, 7));
}

TEST_F(DrawLineTest, DirectionsClippingAndPoints)
{
	Draw(V(8, 8), V(2, 2), 0);   // diagonal backwards, from its first end
	EXPECT_EQ(Count(), 6);
	EXPECT_TRUE(At(8, 8) && At(3, 3) && !At(2, 2));
	Draw(V(-3, 1), V(3, 1), 0);  // pixels outside are skipped
	EXPECT_EQ(Count(), 3);
	Draw(V(10, 11), V(14, 11), 2);
	EXPECT_EQ(Count(), 4);
	Draw(V(5, 5), V(5, 5), 2);
	EXPECT_EQ(Count(), 0);
}

}  // namespace
