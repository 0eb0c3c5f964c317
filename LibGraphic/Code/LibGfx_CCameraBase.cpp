#include "LibGfx_CCameraBase.h"

LibGfx_CCameraBase::LibGfx_CCameraBase()
{
	mo_Up.o_Value = CVector3d<float>(0.0f, 1.0f, 0.0f);
}

void LibGfx_CCameraBase::SetPos(const CVector3d<float>& ao_Eye, const CVector3d<float>& ao_Target)
{
	mo_Eye.o_Value = ao_Eye;
	mo_Target.o_Value = ao_Target;
}

CVector3d<float>* LibGfx_CCameraBase::GetEyePos()
{
	return &mo_Eye.o_Value;
}

CVector3d<float>* LibGfx_CCameraBase::GetTargetPos()
{
	return &mo_Target.o_Value;
}

CVector3d<float>* LibGfx_CCameraBase::GetUpVector()
{
	return &mo_Up.o_Value;
}
