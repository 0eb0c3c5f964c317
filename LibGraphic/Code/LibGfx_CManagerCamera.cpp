#include "LibGfx_CManagerCamera.h"

#include "LibGen_Utils.h"
#include "LibGfx_CEngine.h"

#include <cmath>
#include <cstring>

namespace
{
	const float kf_Identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

LibGfx_CManagerCamera::LibGfx_CManagerCamera()
	: mf_Ratio(1.0f), mf_Speed(0.05f)
{
}

void LibGfx_CManagerCamera::Update()
{
	if (mf_Ratio < 1.0f)
	{
		mf_Ratio += mf_Speed;
		if (mf_Ratio > 1.0f)
			mf_Ratio = 1.0f;
	}
	if (!mo_CameraList.empty())
		mo_CameraList.front()->Update();
}

void LibGfx_CManagerCamera::StartBlend(const CVector3d<float>& ao_Eye, const CVector3d<float>& ao_Target, float af_Speed)
{
	mo_EyeFrom = ao_Eye;
	mo_TargetFrom = ao_Target;
	mf_Ratio = 0.0f;
	mf_Speed = af_Speed;
}

void LibGfx_CManagerCamera::Push(LibGfx_CCameraBase* ap_Camera, float af_Speed)
{
	// The glide starts from the view shown now, even in the middle of another glide.
	if (!mo_CameraList.empty())
		StartBlend(*GetPosEye(), *GetPosTarget(), af_Speed);
	mo_CameraList.push_front(ap_Camera);
}

void LibGfx_CManagerCamera::Remove(LibGfx_CCameraBase* ap_Camera, float af_Speed)
{
	// Like a push, the glide back starts from the view shown: a camera removed before its own
	// glide arrived would otherwise make the view jump to it first.
	if (!mo_CameraList.empty() && mo_CameraList.front() == ap_Camera)
		StartBlend(*GetPosEye(), *GetPosTarget(), af_Speed);
	mo_CameraList.remove(ap_Camera);
}

CVector3d<float>* LibGfx_CManagerCamera::Blend(const CVector3d<float>& ao_From, CVector3d<float>* ap_To, CVector3d<float>& ao_Cur)
{
	if (mf_Ratio >= 1.0f)
		return ap_To;
	ao_Cur = ao_From * (1.0f - mf_Ratio) + *ap_To * mf_Ratio;
	return &ao_Cur;
}

CVector3d<float>* LibGfx_CManagerCamera::GetPosEye()
{
	LIBGEN_ASSERT(!mo_CameraList.empty());
	return Blend(mo_EyeFrom, mo_CameraList.front()->GetEyePos(), mo_EyeCur);
}

CVector3d<float>* LibGfx_CManagerCamera::GetPosTarget()
{
	LIBGEN_ASSERT(!mo_CameraList.empty());
	return Blend(mo_TargetFrom, mo_CameraList.front()->GetTargetPos(), mo_TargetCur);
}

CVector3d<float>* LibGfx_CManagerCamera::GetUpVector()
{
	LIBGEN_ASSERT(!mo_CameraList.empty());
	return mo_CameraList.front()->GetUpVector();
}

void LibGfx_CManagerCamera::ComputeView(float* ap_View)
{
	if (mo_CameraList.empty())
		memcpy(ap_View, kf_Identity, sizeof(kf_Identity));
	else
		LibGfx_LookAtRH(*GetPosEye(), *GetPosTarget(), *GetUpVector(), ap_View);
}

void LibGfx_CManagerCamera::ComputeProjection(eDepthRange ae_Depth, float* ap_Projection)
{
	LibGfx_PerspectiveRH(static_cast<float>(M_PI / 4.0), kf_Screen_Ratio, 1.0f, 1000.0f, ae_Depth, ap_Projection);
}
