#ifndef LIBINPUT_MANAGERKEY_EVENTS_H
#define LIBINPUT_MANAGERKEY_EVENTS_H

#include "LibGen_DataTypes.h"

// The key manager of the platforms whose keys come as events between frames (the GLUT window, the
// web page): the events set buttons held in one latch, which the manager samples once a frame, so
// that a key pressed and released between two frames still counts. Each platform's twin only
// turns its events into buttons.
void LibInput_KeyEvent(u32 au32_Button, bool ab_Down);
// Lets go of every button, for a window or page that lost the keyboard while keys were held.
void LibInput_ReleaseAllKeys();

#endif
