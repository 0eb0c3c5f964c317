#ifndef LIBINPUT_MANAGERKEY_MAC_H
#define LIBINPUT_MANAGERKEY_MAC_H

// The GLUT backend keeps the set of buttons held, fed by the window's key callbacks
// (with key repeat ignored, one down and one up per press); the key manager samples it once a frame.
void LibInput_GlutKeyboard(unsigned char au8_Char, bool ab_Down);
void LibInput_GlutSpecial(int ai_Key, bool ab_Down);

#endif
