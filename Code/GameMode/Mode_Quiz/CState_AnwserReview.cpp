#include "GameMode/Mode_Quiz/CState_AnwserReview.h"

#include "GameMode/GameView.h"
#include "GameMode/Mode_Review/CState_ReviewKana.h"
#include "LibGfx_CManagerCamera.h"
#include "LibGfx_CManagerTooltip.h"
#include "LibGfx_CManagerWnd.h"
#include "LibInput_ManagerKey.h"
#include "StringIds.h"

CState_AnwserReview::CState_AnwserReview(LibGfx_CManagerWnd* ap_ManagerWnd)
	: mp_ManagerWnd(ap_ManagerWnd)
{
}

void CState_AnwserReview::LoadOnce()
{
	// Facing the carousel from the distance at which one unit is one pixel.
	const CVector3d<float> oTarget = mp_ManagerWnd->GetRootObject()->mo_Pos;
	mo_Camera.SetPos(CVector3d<float>(oTarget.x, oTarget.y, oTarget.z + kf_View_Distance), oTarget);
	LibGfx_CManagerCamera::Instance()->Push(&mo_Camera, kf_View_Speed);
}

void CState_AnwserReview::LoadAlways()
{
	LibGfx_CManagerTooltip* pTooltip = LibGfx_CManagerTooltip::Instance();
	pTooltip->ClearTxtAll();
	pTooltip->SetTxtMain(0, ke_String_AnswersFound);
	pTooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Circle, ke_String_Back);
	pTooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Square, ke_String_KanaChart);
}

void CState_AnwserReview::Main()
{
	const LibInput_ManagerKey* p_Keys = LibInput_ManagerKey::Instance();
	if (mp_ManagerWnd->FollowKeys())
		return;
	if (p_Keys->KeyReleaseAny(ke_Key_Circle))
		State_Remove();
	else if (p_Keys->KeyReleaseAny(ke_Key_Square))
		(new CState_ReviewKana())->State_Add();
}

void CState_AnwserReview::UnloadOnce()
{
	LibGfx_CManagerCamera::Instance()->Remove(&mo_Camera, kf_View_Speed);
}
