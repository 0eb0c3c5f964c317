#ifndef LIBINPUT_MANAGERKEY_HEADLESS_H
#define LIBINPUT_MANAGERKEY_HEADLESS_H

#include "LibGen_DataTypes.h"

// The headless backend samples the buttons a script holds (bits of eKeys values). Buttons set and
// cleared again before the next frame still count as pressed in that frame.
void LibInput_SetScriptKeys(u32 au32_Keys);
u32  LibInput_GetScriptKeys();

#endif
