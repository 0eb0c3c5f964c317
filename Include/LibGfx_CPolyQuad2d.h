#ifndef LIBGFX_CPOLYQUAD2D_H
#define LIBGFX_CPOLYQUAD2D_H

#include "LibGfx_CPolyBase.h"

// A rectangle like LibGfx_CPolyQuad whose corners' z is stored multiplied by 65535.
class LibGfx_CPolyQuad2d : public LibGfx_CPolyBase
{
public:
	void Set(const CVector3d<float>& ao_Corner1, const CVector3d<float>& ao_Corner2, u32 au32_Color);
	void Set(const CVector3d<float>& ao_Corner1, const CVector3d<float>& ao_Corner2, LibGfx_CTexture* ap_Texture);
	void Set(const CVector3d<float>& ao_Corner1, const CVector3d<float>& ao_Corner2, LibGfx_CTexture* ap_Texture, u32 au32_Color);

	float mo_Vertex[4 * 6];
};

#endif
