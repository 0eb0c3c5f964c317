#include "LibGen_CFramePacer.h"

LibGen_CFramePacer::LibGen_CFramePacer(u64 au64_TicksPerSecond, u32 au32_PeriodMs, u64 au64_Now)
	: mu64_TicksPerSecond(au64_TicksPerSecond), mu64_Period(au64_TicksPerSecond * au32_PeriodMs / 1000), mu64_Due(au64_Now)
{
}

bool LibGen_CFramePacer::IsDue(u64 au64_Now)
{
	if (au64_Now < mu64_Due)
		return false;
	mu64_Due += mu64_Period;
	if (au64_Now >= mu64_Due)
		mu64_Due = au64_Now + mu64_Period;
	return true;
}

u32 LibGen_CFramePacer::GetWaitMs(u64 au64_Now) const
{
	return au64_Now >= mu64_Due ? 0 : static_cast<u32>((mu64_Due - au64_Now) * 1000 / mu64_TicksPerSecond);
}
