#include "LibGfx_CObjWndBase.h"

#include "LibGen_Utils.h"
#include "LibGfx_CEngine.h"

#include <cmath>

namespace
{
	// Forty steps take a slide from end to end.
	const double kd_SlideStep = 0.025;
	// The veil covers the frame's ink line and what it holds, not the soft shadow outside it; the
	// paper over a dimmed window lets 100 of 255 parts of the window through.
	const float kf_VeilInset = 3.0f;
	const float kf_VeilRadius = 9.0f;
	const float kf_VeilLift = 0.1f;   // in front of the children, drawn at the window's own depth
	const u32 ku32_VeilColor = 0x9BDFEEF4;
}

LibGfx_CObjWndBase::LibGfx_CObjWndBase()
	: mf_Slide(0.0f), mf_SlideDistance(0.0f), me_SlideState(ke_Slide_InPlace)
{
	// In index order, so the centre draws after the top row and before the bottom one.
	for (LibGfx_CPolyQuad& oPoly : mo_Poly)
		AddPoly(&oPoly);
	mo_Veil.AddPoly(&mo_VeilPoly);
	mo_Veil.mp_Parent = this;
}

void LibGfx_CObjWndBase::Render()
{
	LibGfx_CObjBase::Render();
	if (!(mu32_State & ke_Obj_Visible) || !IsDimmed())
		return;
	// Shaped at each drawing, so it follows every layout the window takes.
	CVector3d<float> o_Corner1, o_Corner2;
	GetCorners(o_Corner1, o_Corner2, false);
	mo_VeilPoly.Set(CVector3d<float>(o_Corner1.x + kf_VeilInset, o_Corner1.y - kf_VeilInset, kf_VeilLift),
	                CVector3d<float>(o_Corner2.x - kf_VeilInset, o_Corner2.y + kf_VeilInset, kf_VeilLift),
	                kf_VeilRadius, ku32_VeilColor);
	mo_Veil.mu32_State |= ke_Obj_Dirty;
	mo_Veil.Render();
}

LibGfx_CPolyQuad* LibGfx_CObjWndBase::GetWindowPoly(enumPolyId ae_PolyId)
{
	LIBGEN_ASSERT(ae_PolyId < ke_PolyId_Total);
	return &mo_Poly[ae_PolyId];
}

void LibGfx_CObjWndBase::GetCorners(CVector3d<float>& ao_Corner1, CVector3d<float>& ao_Corner2, bool)
{
	CVector3d<float> oUnused;
	mo_Poly[ke_PolyId_TopLeft].GetCorners(ao_Corner1, oUnused);
	mo_Poly[ke_PolyId_BotRight].GetCorners(oUnused, ao_Corner2);
}

void LibGfx_CObjWndBase::GetCornersClient(CVector3d<float>& ao_Corner1, CVector3d<float>& ao_Corner2, bool)
{
	mo_Poly[ke_PolyId_MidMid].GetCorners(ao_Corner1, ao_Corner2);
}

void LibGfx_CObjWndBase::StartSlide(float af_Slide, enumSlideState ae_State)
{
	CVector3d<float> oLeft1, oLeft2;
	mo_Poly[ke_PolyId_MidLeft].GetCorners(oLeft1, oLeft2);
	mf_SlideDistance = (ku16_Screen_Width / 2.0f) - oLeft1.x;
	mf_Slide = af_Slide;
	me_SlideState = ae_State;
}

void LibGfx_CObjWndBase::Hide()
{
	StartSlide(0.0f, ke_Slide_GoingOut);
}

void LibGfx_CObjWndBase::Show()
{
	StartSlide(1.0f, ke_Slide_GoingIn);
}

void LibGfx_CObjWndBase::Update()
{
	LibGfx_CObjBase::Update();
	if (!(mu32_State & ke_Obj_Visible))
		return;
	switch (me_SlideState)
	{
	case ke_Slide_GoingOut:
		mf_Slide = static_cast<float>(mf_Slide + kd_SlideStep);
		if (mf_Slide >= 1.0f)
		{
			mf_Slide = 1.0f;
			me_SlideState = ke_Slide_Out;
		}
		break;
	case ke_Slide_GoingIn:
		mf_Slide = static_cast<float>(mf_Slide - kd_SlideStep);
		if (mf_Slide <= 0.0f)
		{
			mf_Slide = 0.0f;
			me_SlideState = ke_Slide_InPlace;
		}
		break;
	default:
		return;
	}
	// Eases out of one rest position and into the other.
	mo_Pos.x = mf_SlideDistance * std::sin(mf_Slide * static_cast<float>(M_PI) * 0.5f);
	mu32_State |= ke_Obj_Dirty;
}
