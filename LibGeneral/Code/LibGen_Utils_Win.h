#ifndef LIBGEN_UTILS_WIN_H
#define LIBGEN_UTILS_WIN_H

#include <windows.h>

// The game's window, made by WinMain before the first state: the engine draws in it and the
// key manager reads the keyboard for it.
extern HWND gp_Window;

#endif
