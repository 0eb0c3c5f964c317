#ifndef LIBGFX_CPOLYROUNDRECT_H
#define LIBGFX_CPOLYROUNDRECT_H

#include "LibGfx_CPolyBase.h"

// A flat-coloured rectangle with rounded corners, each corner cut by two chords.
class LibGfx_CPolyRoundRect : public LibGfx_CPolyBase
{
public:
	enum
	{
		ku8_CornerPoints = 3,
		ku8_Points = 4 * ku8_CornerPoints,
	};

	// Corner 1 is the top-left corner, corner 2 the bottom-right one; both at corner 1's z.
	void Set(const CVector3d<float>& ao_Corner1, const CVector3d<float>& ao_Corner2, float af_Radius, u32 au32_Color);

	float mo_Vertex[ku8_Points * 4];
};

#endif
