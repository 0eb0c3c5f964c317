#ifndef LIBGFX_CENGINE_WIN_H
#define LIBGFX_CENGINE_WIN_H

#include <d3d9.h>

// The Direct3D 9 device the engine made at Load; null before, or when it could not be made.
IDirect3DDevice9* LibGfx_GetDevice();
// The part of the window's client area each frame is stretched into (the window gives it when
// its size changes); an empty one fills the whole client area.
void LibGfx_SetPresentRect(const RECT& ao_Rect);

#endif
