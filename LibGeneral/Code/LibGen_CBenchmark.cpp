#include <assert.h>
#include <sys/time.h>
#include "LibGen_CBenchmark.h"

LibGen_CBenchmark::LibGen_CBenchmark()
	: mu_TimerStart(), mu_TimerTotal(), mu_TimerUnit(1000)
{
}

u64 LibGen_CBenchmark::Now()
{
	struct timeval o_Time;
	gettimeofday(&o_Time, nullptr);
	return (u64)o_Time.tv_sec * 1000000 + (u64)o_Time.tv_usec;
}

void LibGen_CBenchmark::TimerStart(enumTimerType ae_Timer)
{
	assert(ae_Timer < ke__Timer_Total);
	mu_TimerTotal[ae_Timer] = 0;
	mu_TimerStart[ae_Timer] = Now();
}

void LibGen_CBenchmark::TimerPause(enumTimerType ae_Timer)
{
	assert(ae_Timer < ke__Timer_Total);
	assert(mu_TimerStart[ae_Timer] > 0);
	mu_TimerTotal[ae_Timer] += Now() - mu_TimerStart[ae_Timer];
	mu_TimerStart[ae_Timer] = 0;
}

void LibGen_CBenchmark::TimerResume(enumTimerType ae_Timer)
{
	assert(ae_Timer < ke__Timer_Total);
	mu_TimerStart[ae_Timer] = Now();
}

double LibGen_CBenchmark::TimerGet(enumTimerType ae_Timer) const
{
	assert(ae_Timer < ke__Timer_Total);
	u64 u_Elapsed = mu_TimerTotal[ae_Timer];
	if (mu_TimerStart[ae_Timer] > 0)
		u_Elapsed += Now() - mu_TimerStart[ae_Timer];
	// Kept fractional: the frame pacing compares against 16.67 ms.
	return (double)u_Elapsed / (double)mu_TimerUnit;
}

bool LibGen_CBenchmark::TimerIsActive(enumTimerType ae_Timer) const
{
	assert(ae_Timer < ke__Timer_Total);
	return mu_TimerStart[ae_Timer] > 0;
}
