#ifndef LIBGFX_CENGINE_WIN_H
#define LIBGFX_CENGINE_WIN_H

#include <d3d9.h>

// The Direct3D 9 device the engine made at Load; null before, or when it could not be made.
IDirect3DDevice9* LibGfx_GetDevice();

#endif
