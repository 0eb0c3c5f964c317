#ifndef LIBINPUT_MANAGERKEY_WEB_H
#define LIBINPUT_MANAGERKEY_WEB_H

// The page's key events, turned into the buttons held (LibInput_ManagerKey_Events.h). as_Key is the event's key name (KeyboardEvent.key); a held key's
// repeats change nothing. False when the key is none of the game's.
bool LibInput_WebKey(const char* as_Key, bool ab_Down, bool ab_Repeat);

#endif
