#ifndef LIBINPUT_CKEYLATCH_H
#define LIBINPUT_CKEYLATCH_H

#include "LibGen_DataTypes.h"

// The buttons a backend's key events say are down, sampled once a frame so that no press is lost:
// a button pressed and let go between two samples reads down in the first and up in the next;
// one let go and pressed again reads up in the first and down in the next.
class LibInput_CKeyLatch
{
public:
	LibInput_CKeyLatch() : mu32_Held(0), mu32_Pressed(0), mu32_Released(0), mu32_Sampled(0) {}

	// A key event between two samples: the buttons (bits of eKeys values) went down or up.
	void Set(u32 au32_Buttons, bool ab_Down);
	// The buttons to count as down in this frame; the events seen so far are used up.
	u32 Sample();
	// The buttons down now, as the last events left them.
	u32 GetHeld() const { return mu32_Held; }
	void Clear() { *this = LibInput_CKeyLatch(); }

private:
	u32 mu32_Held;
	u32 mu32_Pressed;    // went down since the last sample
	u32 mu32_Released;   // went up since the last sample
	u32 mu32_Sampled;    // the last sample
};

#endif
