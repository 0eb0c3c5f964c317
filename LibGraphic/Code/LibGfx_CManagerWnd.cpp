#include "LibGfx_CManagerWnd.h"

#include "LibGen_Utils.h"
#include "LibGfx_CObjWndBase.h"
#include "LibInput_ManagerKey.h"

#include <cmath>

namespace
{
	const float kf_TwoPi = static_cast<float>(2.0 * M_PI);
	// A turn takes 20 frames, the removal's closing turn 40.
	const double kd_TurnStep = 0.05;
	const double kd_RemoveStep = 0.025;

	// Farthest first, so that a nearer window hides those behind it.
	bool IsFarther(const LibGfx_CObjBase* ap_A, const LibGfx_CObjBase* ap_B)
	{
		return ap_A->mo_Pos.z < ap_B->mo_Pos.z;
	}
}

LibGfx_CManagerWnd::LibGfx_CManagerWnd()
	: mp_StateFunc(&LibGfx_CManagerWnd::StateGoNormal), me_State(ke_WndState_GoNormal), mf_Rotation(0.0f),
	  mb_KeepMoving(false), mb_WaitNext(false), mb_WaitPrev(false), mu8_WndCurrent(0), mu8_WndCount(0), mu16_Radius(0),
	  mu16_Depth(0), mb_Vertical(false), mpo_Wnd()
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
	LibGfx_CObjWndBase* p_Removed = mpo_Wnd[au8_WndId];
	for (u8 i = au8_WndId; i + 1 < mu8_WndCount; ++i)
		mpo_Wnd[i] = mpo_Wnd[i + 1];
	--mu8_WndCount;
	mpo_Wnd[mu8_WndCount] = nullptr;
	const u8 u8_Count = mu8_WndCount;
	if (u8_Count == 0)
	{
		// Nothing left to turn: the closing turn would divide by zero and never end.
		mu8_WndCurrent = 0;
		mb_WaitNext = false;
		mb_WaitPrev = false;
		mf_Rotation = 0.0f;
		SetState(ke_WndState_Normal);
		return p_Removed;
	}
	if (au8_WndId == mu8_WndCurrent)
		mu8_WndCurrent = static_cast<u8>((au8_WndId + u8_Count - 1) % u8_Count);
	else if (au8_WndId < mu8_WndCurrent)
		// The window in front moved down one entry; the index follows it (and stays in range).
		--mu8_WndCurrent;
	// The remaining windows close the gap while turning on to the next one; the turn starts
	// from the part of a step the gap takes.
	const float f_Step = kf_TwoPi / u8_Count;
	const float f_StepBefore = kf_TwoPi / (u8_Count + 1);
	mf_Rotation = (f_Step - f_StepBefore) / f_Step;
	SetState(ke_WndState_WindowRemove);
	return p_Removed;
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
	mb_WaitNext = false;
	mb_WaitPrev = false;
	for (u8 i = 0; i < mu8_WndCount; ++i)
	{
		mo_Root.RemChild(mpo_Wnd[i]);
		mpo_Wnd[i] = nullptr;
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
	// A turn under way the other way ends first; this one follows it.
	if (me_State == ke_WndState_GoPrevious)
	{
		mb_WaitNext = true;
		return;
	}
	SetState(ke_WndState_GoNext);
	mb_KeepMoving = true;
}

void LibGfx_CManagerWnd::GoPrev()
{
	if (me_State == ke_WndState_GoNext)
	{
		mb_WaitPrev = true;
		return;
	}
	SetState(ke_WndState_GoPrevious);
	mb_KeepMoving = true;
}

bool LibGfx_CManagerWnd::PressNext()
{
	return Press(mb_WaitNext, &LibGfx_CManagerWnd::GoNext);
}

bool LibGfx_CManagerWnd::PressPrev()
{
	return Press(mb_WaitPrev, &LibGfx_CManagerWnd::GoPrev);
}

bool LibGfx_CManagerWnd::FollowKeys()
{
	const LibInput_ManagerKey* p_Keys = LibInput_ManagerKey::Instance();
	if (p_Keys->KeyTriggerAny(ke_Key_Left))
		PressPrev();
	else if (p_Keys->KeyTriggerAny(ke_Key_Right))
		PressNext();
	else if (p_Keys->KeyPressAny(ke_Key_Left))
		GoPrev();
	else if (p_Keys->KeyPressAny(ke_Key_Right))
		GoNext();
	else
		return false;
	return true;
}

bool LibGfx_CManagerWnd::Press(bool& ab_Wait, void (LibGfx_CManagerWnd::*ap_Go)())
{
	if (mu8_WndCount == 0)
		return false;
	if (me_State == ke_WndState_Normal || me_State == ke_WndState_GoNormal)
	{
		(this->*ap_Go)();
		return true;
	}
	if (ab_Wait)
		return false;
	ab_Wait = true;
	return true;
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
		// A press that waited for this turn's end turns on at once: first one the same way (a held
		// key's press is that one), then one the other way.
		bool& b_WaitSame = af_Direction > 0 ? mb_WaitNext : mb_WaitPrev;
		bool& b_WaitOther = af_Direction > 0 ? mb_WaitPrev : mb_WaitNext;
		if (b_WaitSame)
			mb_KeepMoving = true;
		b_WaitSame = false;
		if (!mb_KeepMoving && b_WaitOther)
		{
			b_WaitOther = false;
			SetState(af_Direction > 0 ? ke_WndState_GoPrevious : ke_WndState_GoNext);
		}
		else if (!mb_KeepMoving)
			SetState(ke_WndState_GoNormal);
		mf_Rotation = 0.0f;
		const u8 u8_Step = af_Direction > 0 ? 1 : mu8_WndCount - 1;
		mu8_WndCurrent = static_cast<u8>((mu8_WndCurrent + u8_Step) % mu8_WndCount);
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
	if (mf_Rotation != 0.0f)
		return;
	SetState(ke_WndState_Normal);
	// A press made while the gap closed turns on now.
	if (mb_WaitNext)
	{
		mb_WaitNext = false;
		GoNext();
	}
	else if (mb_WaitPrev)
	{
		mb_WaitPrev = false;
		GoPrev();
	}
}

void LibGfx_CManagerWnd::UpdateWindowsRotation()
{
	if (mu8_WndCount == 0)
		return;
	const float f_Step = kf_TwoPi / mu8_WndCount;
	float f_Angle = -(f_Step * mu8_WndCurrent) - f_Step * mf_Rotation;
	for (u8 i = 0; i < mu8_WndCount; ++i)
	{
		LibGfx_CObjWndBase* p_Wnd = mpo_Wnd[i];
		// Opaque, the ones behind dimmed: no window shows through another.
		p_Wnd->SetAlphaAll(255);
		p_Wnd->SetDimmed(i != mu8_WndCurrent);
		p_Wnd->mo_Pos = Place(f_Angle);
		p_Wnd->mu32_State |= LibGfx_CObjBase::ke_Obj_Dirty;
		f_Angle += f_Step;
	}
	mo_Root.mo_ChildList.sort(IsFarther);
}

CVector3d<float> LibGfx_CManagerWnd::Place(float af_Angle) const
{
	float f_Angle = af_Angle;
	float f_Lift = 0.0f;
	if (mu8_WndCount == 2)
	{
		// Two windows would stand one exactly behind the other: the one behind stands aside, an
		// eighth of a turn away, where it shows beside the front one. As they change places one
		// passes in front of the other.
		const float f_Turn = std::remainder(af_Angle, kf_TwoPi);
		f_Angle = std::fabs(f_Turn) * 0.25f;
		f_Lift = 0.5f * mu16_Depth * std::sin(f_Turn);
	}
	const float f_Across = -static_cast<float>(mu16_Radius) * std::sin(f_Angle);
	const float f_Z = mu16_Depth * std::cos(f_Angle) - mu16_Depth + f_Lift;
	return mb_Vertical ? CVector3d<float>(0, f_Across, f_Z) : CVector3d<float>(f_Across, 0, f_Z);
}
