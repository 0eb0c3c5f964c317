#ifndef LIBINPUT_MANAGERKEY_WEB_H
#define LIBINPUT_MANAGERKEY_WEB_H

// The web backend keeps the set of buttons held, fed by the page's key events; the key manager
// samples it once a frame. as_Key is the event's key name (KeyboardEvent.key); a held key's
// repeats change nothing. False when the key is none of the game's.
bool LibInput_WebKey(const char* as_Key, bool ab_Down, bool ab_Repeat);
// Lets go of every button, for a page that lost the keyboard while keys were held.
void LibInput_WebReleaseAll();

#endif
