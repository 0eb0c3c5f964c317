#include "GameMode/Mode_KanjiList/CState_KanjiReview.h"

#include "GameMode/GameView.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CManagerCamera.h"
#include "LibGfx_CManagerTooltip.h"
#include "LibInput_ManagerKey.h"
#include "LibKanji_CKanjiList.h"
#include "StringIds.h"

namespace
{
	// A held direction steps once every 10 frames.
	const u16 ku16_KeyRepeat = 10;
}

CState_KanjiReview::CState_KanjiReview()
	: mu16_KanjiPos(0)
{
}

CState_KanjiReview::~CState_KanjiReview()
{
	LibGfx_CManagerCamera::Instance()->Remove(&mo_Camera, kf_View_Speed);
}

void CState_KanjiReview::LoadAlways()
{
	LibGfx_CEngine::Instance()->LoadBg(ks_View_BackgroundIntro);
	const LibKanji_CKanjiList* p_List = LibKanji_CKanjiList::Instance();
	mu16_KanjiPos = p_List->mu16_KanjiCur;

	// The view glides forward to a plane behind the carousel's place, which the browser emptied.
	LibGfx_CManagerCamera* p_Cameras = LibGfx_CManagerCamera::Instance();
	LibGfx_CCameraBase* p_Front = p_Cameras->mo_CameraList.front();
	const CVector3d<float> o_Eye = *p_Front->GetEyePos();
	const CVector3d<float> o_Target = *p_Front->GetTargetPos();
	const float f_EyeZ = o_Eye.z - kf_View_Step;
	const float f_PlaneZ = f_EyeZ - kf_View_Distance;
	mo_Camera.SetPos(CVector3d<float>(o_Eye.x, o_Eye.y, f_EyeZ), CVector3d<float>(o_Target.x, o_Target.y, f_PlaneZ));
	p_Cameras->Push(&mo_Camera, kf_View_Speed);

	if (mu16_KanjiPos < p_List->mu_KanjiTotal)
	{
		mo_WndDetail.mu32_Align = LibGfx_CObjBase::ke_Align_HNone | LibGfx_CObjBase::ke_Align_VNone;
		mo_WndDetail.mo_Pos.z = f_PlaneZ;
		mo_WndDetail.SetParent(nullptr);
		mo_WndDetail.ShowKanji(p_List->GetKanji(mu16_KanjiPos));
	}
	else
	{
		mo_WndDetail.SetVisible(false);
	}

	LibInput_ManagerKey* p_Keys = LibInput_ManagerKey::Instance();
	p_Keys->KeyTimeTriggerClear();
	p_Keys->KeyTimeTriggerSet(ke_Key_Left, ku16_KeyRepeat);
	p_Keys->KeyTimeTriggerSet(ke_Key_Right, ku16_KeyRepeat);

	LibGfx_CManagerTooltip* p_Tooltip = LibGfx_CManagerTooltip::Instance();
	p_Tooltip->ClearTxtAll();
	p_Tooltip->SetTxtMain(0, ke_String_ReviewTitle);
	p_Tooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Left, ke_String_Previous);
	p_Tooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Right, ke_String_Next);
	p_Tooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Cross, ke_String_Replay);
	p_Tooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Circle, ke_String_Back);
	UpdateSquareHint();
	UpdateTooltip();
}

void CState_KanjiReview::UpdateSquareHint()
{
	// Square names the column it brings.
	LibGfx_CManagerTooltip::Instance()->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Square,
	                                              mo_WndDetail.IsShowingWords() ? ke_String_RadicalLabel : ke_String_WordsLabel);
}

void CState_KanjiReview::UpdateTooltip()
{
	// Like the browser, an empty list counts 0 of 0 rather than 1 of 0.
	const int iTotal = LibKanji_CKanjiList::Instance()->mu_KanjiTotal;
	LibGfx_CManagerTooltip::Instance()->SetTxtMainFmt(1, ke_String_KanjiCount, iTotal > 0 ? mu16_KanjiPos + 1 : 0, iTotal);
}

void CState_KanjiReview::Main()
{
	// The stroke animation advances in the display tree's update pass, once a frame.
	LibKanji_CKanjiList* p_List = LibKanji_CKanjiList::Instance();
	const LibInput_ManagerKey* p_Keys = LibInput_ManagerKey::Instance();
	const u16 u16_Total = p_List->mu_KanjiTotal;
	if (u16_Total > 0)
	{
		const bool b_Left = p_Keys->KeyTriggerAny(ke_Key_Left);
		if (b_Left || p_Keys->KeyTriggerAny(ke_Key_Right))
		{
			mu16_KanjiPos = static_cast<u16>((mu16_KanjiPos + (b_Left ? u16_Total - 1 : 1)) % u16_Total);
			p_List->mu16_KanjiCur = mu16_KanjiPos;
			mo_WndDetail.ShowKanji(p_List->GetKanji(mu16_KanjiPos));
			UpdateTooltip();
		}
		else if (p_Keys->KeyTriggerAny(ke_Key_Cross))
		{
			mo_WndDetail.ReplayAnim();
		}
		else if (p_Keys->KeyTriggerAny(ke_Key_Square))
		{
			mo_WndDetail.ShowWords(!mo_WndDetail.IsShowingWords());
			UpdateSquareHint();
		}
	}
	if (p_Keys->KeyTriggerAny(ke_Key_Circle))
		State_Remove();
}

void CState_KanjiReview::UnloadAlways()
{
	LibGfx_CManagerCamera::Instance()->Remove(&mo_Camera, kf_View_Speed);
	// The stroke texture goes back to the pool as soon as the page leaves the screen.
	mo_WndDetail.Unload();
}
