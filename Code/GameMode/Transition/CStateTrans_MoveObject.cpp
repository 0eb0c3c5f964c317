#include "GameMode/Transition/CStateTrans_MoveObject.h"

#include "LibGen_Vector3D.h"
#include "LibGfx_CEngine.h"

#include <cmath>

namespace
{
	const double kd_Pi = 3.141592653589793;
}

CStateTrans_MoveObject::CStateTrans_MoveObject(LibGfx_CObjBase* ap_Object, float af_Seconds, enumMoveEffect ae_Effect)
	: mb_Finished(false), mp_Object(ap_Object), me_MoveEffect(ae_Effect), mf_Ratio(0.0f), mf_Distance(0.0f),
	  // NOTE: a negative step would never arrive; no time at all arrives in one step.
	  mf_Step(af_Seconds > 0.0f ? static_cast<float>(1.0 / (static_cast<double>(af_Seconds) * 60.0)) : 1.0f)
{
}

void CStateTrans_MoveObject::Init()
{
	mb_Finished = false;
	mp_Object->SetVisible(true);
	if (me_MoveEffect == ke_MoveEffect_SlideRightFrom)
		InitSlideRightFrom();
	else
		InitSlideRightTo();
}

bool CStateTrans_MoveObject::Main()
{
	if (me_MoveEffect == ke_MoveEffect_SlideRightFrom)
		SlideRightFrom();
	else
		SlideRightTo();
	return mb_Finished;
}

void CStateTrans_MoveObject::InitSlideRightFrom()
{
	Measure();
	mf_Ratio = 1.0f;
}

void CStateTrans_MoveObject::InitSlideRightTo()
{
	Measure();
	mf_Ratio = 0.0f;
}

void CStateTrans_MoveObject::Measure()
{
	CVector3d<float> oCorner1, oCorner2;
	mp_Object->GetCorners(oCorner1, oCorner2, false);
	mf_Distance = ku16_Screen_Width / 2 - oCorner1.x;
}

void CStateTrans_MoveObject::SlideRightFrom()
{
	mf_Ratio -= mf_Step;
	if (mf_Ratio <= 0.0f)
	{
		mf_Ratio = 0.0f;
		mb_Finished = true;
	}
	Place();
}

void CStateTrans_MoveObject::SlideRightTo()
{
	mf_Ratio += mf_Step;
	if (mf_Ratio >= 1.0f)
	{
		mp_Object->SetVisible(false);
		mf_Ratio = 1.0f;
		mb_Finished = true;
	}
	Place();
}

void CStateTrans_MoveObject::Place()
{
	mp_Object->mo_Pos.x = static_cast<float>(mf_Distance * std::sin(mf_Ratio * kd_Pi / 2.0));
	mp_Object->mu32_State |= LibGfx_CObjBase::ke_Obj_Dirty;
}
