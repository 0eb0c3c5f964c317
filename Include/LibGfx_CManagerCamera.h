#ifndef LIBGFX_CMANAGERCAMERA_H
#define LIBGFX_CMANAGERCAMERA_H

#include "LibGen_CManagerSingleton.h"
#include "LibGen_Vector3D.h"
#include "LibGfx_CCameraBase.h"
#include "LibGfx_Utilities.h"

#include <list>

// A stack of cameras (not owned), the front one active. Each push or removal of the active
// camera glides linearly from the view shown, even in the middle of another glide, to the new
// active camera's, by mf_Speed a frame.
class LibGfx_CManagerCamera : public LibGen_CManagerSingleton<LibGfx_CManagerCamera>
{
public:
	LibGfx_CManagerCamera();
	virtual ~LibGfx_CManagerCamera() {}
	void Update() override;

	void Push(LibGfx_CCameraBase* ap_Camera, float af_Speed);
	void Remove(LibGfx_CCameraBase* ap_Camera, float af_Speed);
	bool HasCamera() const { return !mo_CameraList.empty(); }

	// The blended view; the list must not be empty.
	CVector3d<float>* GetPosEye();
	CVector3d<float>* GetPosTarget();
	CVector3d<float>* GetUpVector();
	// The blended view and the game's projection (45° vertical field of view, the screen's ratio,
	// depths 1 to 1000 in the device's range), 16 floats each as LibGfx_LookAtRH gives them;
	// identities without a camera.
	void ComputeView(float* ap_View);
	static void ComputeProjection(eDepthRange ae_Depth, float* ap_Projection);

	std::list<LibGfx_CCameraBase*> mo_CameraList;
	CVector3d<float> mo_EyeCur;
	CVector3d<float> mo_TargetCur;
	CVector3d<float> mo_EyeFrom;
	CVector3d<float> mo_TargetFrom;
	float mf_Ratio;
	float mf_Speed;

private:
	void StartBlend(const CVector3d<float>& ao_Eye, const CVector3d<float>& ao_Target, float af_Speed);
	CVector3d<float>* Blend(const CVector3d<float>& ao_From, CVector3d<float>* ap_To, CVector3d<float>& ao_Cur);
};

#endif
