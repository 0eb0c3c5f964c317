#ifndef LIBINPUT_MANAGERKEY_MAC_H
#define LIBINPUT_MANAGERKEY_MAC_H

// The GLUT window's key callbacks (key repeat ignored: one down and one up per press), turned
// into the buttons held (LibInput_ManagerKey_Events.h).
void LibInput_GlutKeyboard(unsigned char au8_Char, bool ab_Down);
void LibInput_GlutSpecial(int ai_Key, bool ab_Down);

#endif
