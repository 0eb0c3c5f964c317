#ifndef LIBGEN_CBENCHMARK_H
#define LIBGEN_CBENCHMARK_H

#include "LibGen_DataTypes.h"
#include "LibGen_CSingleton.h"

// 36 stopwatches of microsecond resolution that report milliseconds.
class LibGen_CBenchmark : public LibGen_CSingleton<LibGen_CBenchmark>
{
public:
	enum enumTimerType
	{
		ke__Timer_Frame = 35,  // paces the frame loop
		ke__Timer_Total = 36,
	};

	LibGen_CBenchmark();

	void   TimerStart(enumTimerType ae_Timer);
	void   TimerPause(enumTimerType ae_Timer);
	void   TimerResume(enumTimerType ae_Timer);
	double TimerGet(enumTimerType ae_Timer) const;
	bool   TimerIsActive(enumTimerType ae_Timer) const;

private:
	static u64 Now();

	u64 mu_TimerStart[ke__Timer_Total];  // 0 while the timer is not running
	u64 mu_TimerTotal[ke__Timer_Total];
	u64 mu_TimerUnit;
};

#endif
