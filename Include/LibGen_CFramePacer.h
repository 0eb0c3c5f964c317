#ifndef LIBGEN_CFRAMEPACER_H
#define LIBGEN_CFRAMEPACER_H

#include "LibGen_DataTypes.h"

// When the next frame is due, from the readings of a clock of any resolution (the Windows
// program's performance counter). Each frame is due one period after the previous one was due,
// not after the moment the loop noticed it: a loop that wakes late now and then (Windows' sleeps
// last 15.6 ms) still averages one frame a period. A loop more than a period behind starts
// again from the reading instead of drawing the missed frames in a burst.
class LibGen_CFramePacer
{
public:
	LibGen_CFramePacer(u64 au64_TicksPerSecond, u32 au32_PeriodMs, u64 au64_Now);

	// True when a frame is due at this reading; the next is then scheduled.
	bool IsDue(u64 au64_Now);
	// Whole milliseconds until the next frame is due, 0 when it is.
	u32 GetWaitMs(u64 au64_Now) const;

private:
	u64 mu64_TicksPerSecond;
	u64 mu64_Period;
	u64 mu64_Due;
};

#endif
