#ifndef LIBGFX_CPOLYQUAD_H
#define LIBGFX_CPOLYQUAD_H

#include "LibGfx_CPolyBase.h"

// A rectangle between two corners, flat colour or textured.
class LibGfx_CPolyQuad : public LibGfx_CPolyBase
{
public:
	void Set(const CVector3d<float>& ao_Corner1, const CVector3d<float>& ao_Corner2, u32 au32_Color);
	void Set(const CVector3d<float>& ao_Corner1, const CVector3d<float>& ao_Corner2, LibGfx_CTexture* ap_Texture);
	void Set(const CVector3d<float>& ao_Corner1, const CVector3d<float>& ao_Corner2, LibGfx_CTexture* ap_Texture, u32 au32_Color);

	float mo_Vertex[4 * 6];
};

#endif
