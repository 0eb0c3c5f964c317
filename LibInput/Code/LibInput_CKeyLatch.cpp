#include "LibInput_CKeyLatch.h"

#include "LibInput_ManagerKey.h"

void LibInput_CKeyLatch::Set(u32 au32_Buttons, bool ab_Down)
{
	const u32 u32_Bits = au32_Buttons & ku_Key_BitMask;
	if (ab_Down)
	{
		mu32_Pressed |= u32_Bits & ~mu32_Held;
		mu32_Held |= u32_Bits;
	}
	else
	{
		mu32_Released |= u32_Bits & mu32_Held;
		mu32_Held &= ~u32_Bits;
	}
}

u32 LibInput_CKeyLatch::Sample()
{
	// Down at the last sample, let go and pressed again since: the release is seen now, the new
	// press at the next sample.
	const u32 u32_Again = mu32_Sampled & mu32_Released & mu32_Pressed;
	const u32 u32_Down = (mu32_Held | mu32_Pressed) & ~u32_Again;
	mu32_Pressed = u32_Again;
	mu32_Released = 0;
	mu32_Sampled = u32_Down;
	return u32_Down;
}
