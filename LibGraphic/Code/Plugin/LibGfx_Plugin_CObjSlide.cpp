#include "LibGfx_Plugin_CObjSlide.h"

#include "LibGfx_CEngine.h"
#include "LibGfx_CObjBase.h"

#include <cmath>

namespace
{
	// Slides are timed for the 60-frame cap of the main loop.
	const double kd_FramesPerSecond = 60.0;
}

LibGfx_Plugin_CObjSlide::LibGfx_Plugin_CObjSlide()
	: mp_Obj(nullptr), mf_Progress(0.0f), mf_Distance(0.0f), mf_Step(0.0f), mf_Offset(0.0f), me_Type(ke_Slide_In)
{
}

void LibGfx_Plugin_CObjSlide::Init(LibGfx_CObjBase* ap_Obj, enumSlideType ae_Type, float af_Duration, float af_Offset)
{
	mp_Obj = ap_Obj;
	me_Type = ae_Type;
	mf_Offset = af_Offset;
	mf_Step = static_cast<float>(1.0 / (af_Duration * kd_FramesPerSecond));
	if (ae_Type == ke_Slide_Out)
		mp_Obj->mo_Pos.x = 0.0f;
	else if (ae_Type == ke_Slide_In)
		mp_Obj->mo_Pos.x = float(ku16_Screen_Width);
	mp_Obj->mu32_State |= LibGfx_CObjBase::ke_Obj_Dirty;
	CVector3d<float> oCorner1, oCorner2;
	mp_Obj->GetCorners(oCorner1, oCorner2, false);
	mf_Distance = float(ku16_Screen_Width) - oCorner1.x - af_Offset;
}

void LibGfx_Plugin_CObjSlide::Load()
{
	// A slide still on the manager's list must not be added twice: it would run twice a frame.
	const bool bRunning = mb_Loaded;
	mb_Loaded = true;
	mf_Progress = 0.0f;
	mp_Obj->SetVisible(true);
	if (!bRunning)
		LibGen_CManagerPlugin::Instance()->AddPlugin(this);
}

void LibGfx_Plugin_CObjSlide::Unload()
{
	mb_Loaded = false;
	LibGen_CManagerPlugin::Instance()->RemPlugin(this);
}

bool LibGfx_Plugin_CObjSlide::Execute()
{
	mf_Progress += mf_Step;
	if (mf_Progress >= 1.0f)
	{
		mf_Progress = 1.0f;
		if (me_Type == ke_Slide_Out)
			mp_Obj->SetVisible(false);
	}
	const double dEase = std::sin(mf_Progress * M_PI * 0.5);
	if (me_Type == ke_Slide_Out)
		mp_Obj->mo_Pos.x = static_cast<float>(mf_Distance * dEase) + mf_Offset;
	else if (me_Type == ke_Slide_In)
		mp_Obj->mo_Pos.x = static_cast<float>(float(ku16_Screen_Width) - mf_Distance * dEase) + mf_Offset;
	if (me_Type == ke_Slide_Out || me_Type == ke_Slide_In)
		mp_Obj->mu32_State |= LibGfx_CObjBase::ke_Obj_Dirty;
	return mf_Progress != 1.0f;
}
