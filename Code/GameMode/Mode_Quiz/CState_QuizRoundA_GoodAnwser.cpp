#include "GameMode/Mode_Quiz/CState_QuizRoundA_GoodAnwser.h"

#include "GameMode/Mode_Quiz/CState_QuizRoundA.h"
#include "GfxObjects/CObjWndKanji.h"
#include "LibGfx_CEngine.h"

namespace
{
	// The card's own alpha stays: only its colour changes.
	const u32 ku32_Green = 0x0000ff00;
	// A step a frame; past the eye, 16 steps away, the card is out of sight.
	const float kf_FlightStep = 21.88887f;
}

CState_QuizRoundA_GoodAnwser::CState_QuizRoundA_GoodAnwser(CState_QuizRoundA* ap_QuizRound, CObjWndKanji* ap_Wnd)
	: mp_QuizRound(ap_QuizRound), mp_Wnd(ap_Wnd)
{
}

void CState_QuizRoundA_GoodAnwser::LoadOnce()
{
	mp_Wnd->GetWindowPoly(LibGfx_CObjWndBase::ke_PolyId_MidMid)->SetColor(ku32_Green);
}

void CState_QuizRoundA_GoodAnwser::Main()
{
	mp_Wnd->mo_Pos.z += kf_FlightStep;
	mp_Wnd->mu32_State |= LibGfx_CObjBase::ke_Obj_Dirty;
	if (mp_Wnd->mo_Pos.z > kd_Screen_Distance)
		State_Remove();
}

void CState_QuizRoundA_GoodAnwser::UnloadOnce()
{
	// Setting the layout makes the pieces white again.
	mp_Wnd->SetLayout_A_All();
	mp_Wnd->GetWindowPoly(LibGfx_CObjWndBase::ke_PolyId_MidMid)->SetColor(ku32_Green);
	// The newest card turns to the front; a lone one has nowhere to turn.
	LibGfx_CManagerWnd& oFound = mp_QuizRound->mo_WndFound;
	oFound.AddWindow(mp_Wnd);
	if (oFound.GetWindowTotal() > 1)
		oFound.GoNext();
}
