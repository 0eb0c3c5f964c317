#include "LibGfx_CManagerWnd.h"

#include "LibGen_Utils.h"
#include "LibGfx_CObjWndBase.h"

#include <cmath>

namespace
{
	const float kf_TwoPi = static_cast<float>(2.0 * M_PI);
	// A turn takes 20 frames, the removal's closing turn 40.
	const double kd_TurnStep = 0.05;
	const double kd_RemoveStep = 0.025;
	const u8 ku8_AlphaFront = 255;
	const u8 ku8_AlphaBehind = 100;
}

LibGfx_CManagerWnd::LibGfx_CManagerWnd()
	: mp_StateFunc(&LibGfx_CManagerWnd::StateGoNormal), me_State(ke_WndState_GoNormal), mf_Rotation(0.0f),
	  mb_KeepMoving(false), mu8_WndCurrent(0), mu8_WndCount(0), mu16_Radius(0), mu16_Depth(0), mb_Vertical(false),
	  mpo_Wnd()
{
}

void LibGfx_CManagerWnd::Initialize(const CVector3d<float>& ao_Pos, u16 au16_Radius, u16 au16_Depth, bool ab_Vertical)
{
	mu16_Radius = au16_Radius;
	mu16_Depth = au16_Depth;
	mb_Vertical = ab_Vertical;
	mo_Root.SetVisible(true);
	mo_Root.SetParent(nullptr);
	mo_Root.mo_Pos = ao_Pos;
}

void LibGfx_CManagerWnd::AddWindow(LibGfx_CObjWndBase* apo_Wnd)
{
	LIBGEN_ASSERT(apo_Wnd != NULL);
	// The table has no more room: a caller's error, never the data's.
	LIBGEN_ASSERT(mu8_WndCount < ku_Wnd_Max);
	mpo_Wnd[mu8_WndCount] = apo_Wnd;
	apo_Wnd->SetParent(&mo_Root);
	apo_Wnd->SetVisible(true);
	++mu8_WndCount;
	UpdateWindowsRotation();
}

LibGfx_CObjWndBase* LibGfx_CManagerWnd::RemWindow(u8 au8_WndId)
{
	LIBGEN_ASSERT(au8_WndId < mu8_WndCount);
	LibGfx_CObjWndBase* pRemoved = mpo_Wnd[au8_WndId];
	for (u8 u = au8_WndId; u + 1 < mu8_WndCount; ++u)
		mpo_Wnd[u] = mpo_Wnd[u + 1];
	--mu8_WndCount;
	mpo_Wnd[mu8_WndCount] = nullptr;
	const u8 n = mu8_WndCount;
	if (n == 0)
	{
		// Nothing left to turn: the closing turn would divide by zero and never end.
		mu8_WndCurrent = 0;
		mf_Rotation = 0.0f;
		SetState(ke_WndState_Normal);
		return pRemoved;
	}
	if (au8_WndId == mu8_WndCurrent)
		mu8_WndCurrent = static_cast<u8>((au8_WndId + n - 1) % n);
	else if (au8_WndId < mu8_WndCurrent)
		// The window in front moved down one entry; the index follows it (and stays in range).
		--mu8_WndCurrent;
	// The remaining windows close the gap while turning on to the next one; the turn starts
	// from the part of a step the gap takes.
	const float fStep = kf_TwoPi / n;
	const float fStepBefore = kf_TwoPi / (n + 1);
	mf_Rotation = (fStep - fStepBefore) / fStep;
	SetState(ke_WndState_WindowRemove);
	return pRemoved;
}

void LibGfx_CManagerWnd::RemWindow(LibGfx_CObjWndBase* apo_Wnd)
{
	// Downwards, so the entries not yet visited keep their index.
	for (u8 u = mu8_WndCount; u-- > 0;)
		if (mpo_Wnd[u] == apo_Wnd)
			RemWindow(u);
}

void LibGfx_CManagerWnd::RemoveAllWindows()
{
	for (u8 u = 0; u < mu8_WndCount; ++u)
	{
		mo_Root.RemChild(mpo_Wnd[u]);
		mpo_Wnd[u] = nullptr;
	}
	mu8_WndCount = 0;
	mu8_WndCurrent = 0;
}

LibGfx_CObjWndBase* LibGfx_CManagerWnd::GetWindow(u8 au8_WndId)
{
	return au8_WndId < mu8_WndCount ? mpo_Wnd[au8_WndId] : nullptr;
}

LibGfx_CObjWndBase* LibGfx_CManagerWnd::GetWindowCurrent(s8 as8_Offset)
{
	if (mu8_WndCount == 0)
		return nullptr;
	int iId = mu8_WndCurrent + as8_Offset;
	if (iId < 0)
		iId += mu8_WndCount;
	else
		iId %= mu8_WndCount;
	return iId >= 0 ? mpo_Wnd[iId] : nullptr;
}

void LibGfx_CManagerWnd::SetState(enumState ae_State)
{
	static const StateFunc cp_Handler[] =
	{
		&LibGfx_CManagerWnd::StateNormal,
		&LibGfx_CManagerWnd::StateGoNext,
		&LibGfx_CManagerWnd::StateGoPrevious,
		&LibGfx_CManagerWnd::StateGoNormal,
		&LibGfx_CManagerWnd::StateWindowRemove,
	};
	me_State = ae_State;
	if (static_cast<u32>(ae_State) < sizeof(cp_Handler) / sizeof(cp_Handler[0]))
		mp_StateFunc = cp_Handler[ae_State];
}

void LibGfx_CManagerWnd::GoNext()
{
	SetState(ke_WndState_GoNext);
	mb_KeepMoving = true;
}

void LibGfx_CManagerWnd::GoPrev()
{
	SetState(ke_WndState_GoPrevious);
	mb_KeepMoving = true;
}

void LibGfx_CManagerWnd::Update()
{
	if (mu8_WndCount == 0)
		return;
	(this->*mp_StateFunc)();
}

void LibGfx_CManagerWnd::StateNormal()
{
}

void LibGfx_CManagerWnd::StateGoNormal()
{
	SetState(ke_WndState_Normal);
	UpdateWindowsRotation();
}

void LibGfx_CManagerWnd::StateGoNext()
{
	mf_Rotation = static_cast<float>(mf_Rotation + kd_TurnStep);
	Turn(1.0f);
}

void LibGfx_CManagerWnd::StateGoPrevious()
{
	mf_Rotation = static_cast<float>(mf_Rotation - kd_TurnStep);
	Turn(-1.0f);
}

void LibGfx_CManagerWnd::Turn(float af_Direction)
{
	if (mf_Rotation * af_Direction >= 1.0f)
	{
		if (!mb_KeepMoving)
			SetState(ke_WndState_GoNormal);
		mf_Rotation = 0.0f;
		const u8 uStep = af_Direction > 0 ? 1 : mu8_WndCount - 1;
		mu8_WndCurrent = static_cast<u8>((mu8_WndCurrent + uStep) % mu8_WndCount);
	}
	mb_KeepMoving = false;
	UpdateWindowsRotation();
}

void LibGfx_CManagerWnd::StateWindowRemove()
{
	if (mf_Rotation > 0.0f)
	{
		mf_Rotation = static_cast<float>(mf_Rotation + kd_RemoveStep);
		if (mf_Rotation > 1.0f)
		{
			mf_Rotation = 0.0f;
			mu8_WndCurrent = static_cast<u8>((mu8_WndCurrent + 1) % mu8_WndCount);
		}
	}
	UpdateWindowsRotation();
	if (mf_Rotation == 0.0f)
		SetState(ke_WndState_Normal);
}

void LibGfx_CManagerWnd::UpdateWindowsRotation()
{
	if (mu8_WndCount == 0)
		return;
	const float fStep = kf_TwoPi / mu8_WndCount;
	float fAngle = -(fStep * mu8_WndCurrent) - fStep * mf_Rotation;
	for (u8 u = 0; u < mu8_WndCount; ++u)
	{
		LibGfx_CObjWndBase* pWnd = mpo_Wnd[u];
		pWnd->SetAlphaAll(u == mu8_WndCurrent ? ku8_AlphaFront : ku8_AlphaBehind);
		const float fAcross = -static_cast<float>(mu16_Radius) * std::sin(fAngle);
		const float fZ = mu16_Depth * std::cos(fAngle) - mu16_Depth;
		pWnd->mo_Pos = mb_Vertical ? CVector3d<float>(0, fAcross, fZ) : CVector3d<float>(fAcross, 0, fZ);
		pWnd->mu32_State |= LibGfx_CObjBase::ke_Obj_Dirty;
		fAngle += fStep;
	}
}
