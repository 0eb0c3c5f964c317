#include "GameMode/Mode_KanjiList/CState_KanjiList.h"

#include "GameMode/GameView.h"
#include "GameMode/Menu/CState_MenuMain.h"
#include "GameMode/Mode_KanjiList/CState_KanjiReview.h"
#include "GameMode/Mode_Review/CState_ReviewKana.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CManagerCamera.h"
#include "LibGfx_CManagerTooltip.h"
#include "LibInput_ManagerKey.h"
#include "LibKanji_CKanjiList.h"
#include "LibText_CManagerString.h"
#include "StringIds.h"

namespace
{
	// The carousel: in front at the origin, radius 300 across the screen, 50 in depth.
	const u16 ku16_CarouselRadius = 300;
	const u16 ku16_CarouselDepth = 50;
}

CState_KanjiList::CState_KanjiList()
	: mu16_KanjiPos(0), mb_Refresh(false), mb_WaitLeft(false), mb_WaitRight(false)
{
}

CState_KanjiList::~CState_KanjiList()
{
	LibGfx_CManagerCamera::Instance()->Remove(&mo_Camera, kf_View_Speed);
}

void CState_KanjiList::LoadAlways()
{
	LibKanji_CKanjiList* p_List = LibKanji_CKanjiList::Instance();
	LibGfx_CManagerTooltip* p_Tooltip = LibGfx_CManagerTooltip::Instance();
	p_Tooltip->ClearTxtAll();
	// The title names the list shown; the list keeps its name for the whole run.
	if (p_List->mp_ListLoaded != nullptr)
		p_Tooltip->SetTxtMain(0, p_List->mp_ListLoaded->GetName(LibText_CManagerString::Instance()->GetLanguage()));
	else
		p_Tooltip->SetTxtMain(0, ke_String_ListTitle);
	// Cross opens the review: its hint names the review.
	p_Tooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Cross, ke_String_ReviewTitle);
	p_Tooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Square, ke_String_KanaChart);
	p_Tooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Triangle, ke_String_Menu);

	mu16_KanjiPos = p_List->mu16_KanjiCur;
	UpdateTooltip();

	mo_ManagerWnd.Initialize(CVector3d<float>(0.0f, 0.0f, 0.0f), ku16_CarouselRadius, ku16_CarouselDepth, false);
	mo_ManagerWnd.Start();

	// Backed away from the view of the moment, looking at the same point; pushed while turning.
	LibGfx_CCameraBase* p_Front = LibGfx_CManagerCamera::Instance()->mo_CameraList.front();
	CVector3d<float> o_Eye = *p_Front->GetEyePos();
	o_Eye.z += kf_View_Step;
	mo_Camera.SetPos(o_Eye, *p_Front->GetTargetPos());

	LibGfx_CEngine::Instance()->LoadBg(ks_View_BackgroundIntro);

	mo_ManagerWnd.RemoveAllWindows();
	const u16 u16_Cards = p_List->mu_KanjiTotal < ku_Wnd_Max ? p_List->mu_KanjiTotal : static_cast<u16>(ku_Wnd_Max);
	for (u16 i = 0; i < u16_Cards; ++i)
	{
		mao_WndKanji[i].SetLayout_A_All();
		mo_ManagerWnd.AddWindow(&mao_WndKanji[i]);
	}
	// NOTE: the cards are filled at once: the carousel settles only in the next frame's update,
	// and until then Main loads nothing, so this frame would show them empty.
	LoadCards();
	mb_Refresh = true;
}

void CState_KanjiList::UpdateTooltip()
{
	LibGfx_CManagerTooltip* pTooltip = LibGfx_CManagerTooltip::Instance();
	const u16 u16_Total = LibKanji_CKanjiList::Instance()->mu_KanjiTotal;
	if (u16_Total > 0)
	{
		pTooltip->SetTxtMainFmt(1, ke_String_KanjiCount, mu16_KanjiPos + 1, static_cast<int>(u16_Total));
		pTooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Left, ke_String_Previous);
		pTooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Right, ke_String_Next);
	}
	else
	{
		pTooltip->SetTxtMainFmt(1, ke_String_KanjiCount, 0, 0);
		pTooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Left, 0);
		pTooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Right, 0);
	}
}

s16 CState_KanjiList::CardOffset(u16 au16_Card, u16 au16_Cards)
{
	return static_cast<s16>(au16_Card <= au16_Cards / 2 ? au16_Card : au16_Card - au16_Cards);
}

void CState_KanjiList::LoadCard(u16 au16_Card, s16 as16_Offset)
{
	const LibKanji_CKanjiList* pList = LibKanji_CKanjiList::Instance();
	const u16 u16_Total = pList->mu_KanjiTotal;
	CObjWndKanji* pWnd = static_cast<CObjWndKanji*>(mo_ManagerWnd.GetWindowCurrent(static_cast<s8>(au16_Card)));
	pWnd->ShowKanji(pList->GetKanji(static_cast<u16>((mu16_KanjiPos + as16_Offset + u16_Total) % u16_Total)));
}

void CState_KanjiList::LoadCards()
{
	const u16 u16_Cards = mo_ManagerWnd.GetWindowTotal();
	for (u16 i = 0; i < u16_Cards; ++i)
		LoadCard(i, CardOffset(i, u16_Cards));
}

bool CState_KanjiList::FollowCamera()
{
	LibGfx_CManagerCamera* pCameras = LibGfx_CManagerCamera::Instance();
	const bool bInFront = pCameras->mo_CameraList.front() == &mo_Camera;
	if (mb_Refresh && !bInFront)
		pCameras->Push(&mo_Camera, kf_View_Speed);
	else if (!mb_Refresh && bInFront)
		pCameras->Remove(&mo_Camera, kf_View_Speed);
	else
		return false;
	return true;
}

void CState_KanjiList::Main()
{
	LibKanji_CKanjiList* p_List = LibKanji_CKanjiList::Instance();
	const u16 u16_Total = p_List->mu_KanjiTotal;
	const LibInput_ManagerKey* p_Keys = LibInput_ManagerKey::Instance();
	if (u16_Total > 0 && mo_ManagerWnd.GetState() != LibGfx_CManagerWnd::ke_WndState_Normal)
	{
		// A press during a turn acts once the carousel rests, one a direction: the cards are
		// reloaded between two turns, so the carousel cannot chain them by itself.
		mb_WaitLeft = mb_WaitLeft || p_Keys->KeyTriggerAny(ke_Key_Left);
		mb_WaitRight = mb_WaitRight || p_Keys->KeyTriggerAny(ke_Key_Right);
		return;
	}

	if (mb_Refresh)
	{
		mb_Refresh = false;
		LoadCards();
		UpdateTooltip();
	}

	if (u16_Total > 0)
	{
		if (p_Keys->KeyPressAny(ke_Key_Left) || mb_WaitLeft)
		{
			mb_WaitLeft = false;
			mu16_KanjiPos = static_cast<u16>((mu16_KanjiPos + u16_Total - 1) % u16_Total);
			p_List->mu16_KanjiCur = mu16_KanjiPos;
			mb_Refresh = true;
			// The card at the back comes round to the previous side: it is loaded with the
			// kanji it stands for there while it is still hidden.
			const u16 u16_Cards = mo_ManagerWnd.GetWindowTotal();
			LoadCard(u16_Cards / 2, CardOffset((u16_Cards / 2 + 1) % u16_Cards, u16_Cards));
			mo_ManagerWnd.GoPrev();
		}
		else if (p_Keys->KeyPressAny(ke_Key_Right) || mb_WaitRight)
		{
			mb_WaitRight = false;
			mu16_KanjiPos = static_cast<u16>((mu16_KanjiPos + 1) % u16_Total);
			p_List->mu16_KanjiCur = mu16_KanjiPos;
			mb_Refresh = true;
			mo_ManagerWnd.GoNext();
		}
		else if (p_Keys->KeyReleaseAny(ke_Key_Cross))
		{
			(new CState_KanjiReview())->State_Add();
		}
	}

	// A frame that moves the view opens nothing: the menu or the chart would start from a camera
	// on its way.
	if (FollowCamera())
		return;
	if (p_Keys->KeyReleaseAny(ke_Key_Triangle))
		(new CState_MenuMain())->State_Add();
	else if (p_Keys->KeyReleaseAny(ke_Key_Square))
		(new CState_ReviewKana())->State_Add();
}

void CState_KanjiList::UnloadAlways()
{
	// A press that waited is forgotten with the cards.
	mb_WaitLeft = false;
	mb_WaitRight = false;
	mo_ManagerWnd.RemoveAllWindows();
	for (CObjWndKanji& oWnd : mao_WndKanji)
		oWnd.Unload();
}
