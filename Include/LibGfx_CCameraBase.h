#ifndef LIBGFX_CCAMERABASE_H
#define LIBGFX_CCAMERABASE_H

#include "LibGen_Vector3D.h"

// A 3-D value with room for smoothing state, which nothing uses yet; all zero at first.
struct VectSmooth3d_f
{
	CVector3d<float> o_Value;
	float f_Smooth[9] = {};
};

// An eye, the point it looks at and an up vector. Cameras are pushed on the camera manager,
// which blends from one to the next.
class LibGfx_CCameraBase
{
public:
	LibGfx_CCameraBase();

	void SetPos(const CVector3d<float>& ao_Eye, const CVector3d<float>& ao_Target);
	CVector3d<float>* GetEyePos();
	CVector3d<float>* GetTargetPos();
	CVector3d<float>* GetUpVector();

	// The manager calls it each frame on the active camera; a plain camera does not move itself.
	void Update() {}

	VectSmooth3d_f mo_Eye;
	VectSmooth3d_f mo_Target;
	VectSmooth3d_f mo_Up;
};

#endif
