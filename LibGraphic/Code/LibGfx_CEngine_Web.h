#ifndef LIBGFX_CENGINE_WEB_H
#define LIBGFX_CENGINE_WEB_H

#include "LibGen_DataTypes.h"

class LibGfx_CPolyBase;

// What the WebGL 2 twins share: the engine gathers the frame's polygons, each with its matrix and
// texture, as the display tree is walked, and draws them at the frame's end with one shader pair
// (the vertex colour, times the texture's when textured).

// The matrix of the polygons gathered next: the frame's projection and view times the object's own
// (column-major).
void LibGfx_WebSetObjectMatrix(const float* ap_Object);
// The texture of the textured polygons gathered next, uploaded already, and its wrap: repeating in
// the directions au8_Repeat names (LibGfx_CPolyBase::ku8_Repeat_S, _T), its edge texels stretched
// in the others.
void LibGfx_WebSetTexture(u32 au32_Name, u8 au8_Repeat);
// Gathers the polygon's triangle fan, textured or not; a polygon of another primitive or of no
// known vertex layout is left out.
void LibGfx_WebDrawPoly(const LibGfx_CPolyBase& ao_Poly, bool ab_Textured);

#endif
