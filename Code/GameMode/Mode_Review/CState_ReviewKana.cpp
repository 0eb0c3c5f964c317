#include "GameMode/Mode_Review/CState_ReviewKana.h"

#include "GameMode/GameView.h"
#include "GfxObjects/CObjWndKanji.h"
#include "LibGfx_CManagerCamera.h"
#include "LibGfx_CManagerTooltip.h"
#include "LibInput_ManagerKey.h"
#include "StringIds.h"

namespace
{
	// The chart's plane lies a quarter of the view distance in front of the opener's.
	const float kf_Chart_Forward = 82.08326047266085f;
	// WARNING: with its frame the window is 242 units tall, the screen above the tooltip bar 238.
	// Centred, it would hide the bar's title; it stands 19 units up instead, its bottom edge on
	// the bar's top line and 4 units of its top frame off the screen.
	const float kf_Chart_Raise = 19.0f;
	// The cells: 28 x 34 each, 30 apart across and 35 down, from the client area's top left.
	// NOTE: six rows 36 apart reached 6 units past the client area: the romaji of the last row
	// ran into the bottom frame.
	const u16 ku16_Cell_Width = 28;
	const u16 ku16_Cell_Height = 34;
	const float kf_Cell_StepX = 30.0f;
	const float kf_Cell_StepY = 35.0f;
	const float kf_Cell_Top = -2.0f;
}

CState_ReviewKana::CState_ReviewKana()
	: mu8_Syllabary(ku8_Hiragana)
{
}

CState_ReviewKana::~CState_ReviewKana()
{
	LibGfx_CManagerCamera::Instance()->Remove(&mo_Camera, kf_View_Speed);
}

void CState_ReviewKana::LoadAlways()
{
	LibGfx_CManagerTooltip* p_Tooltip = LibGfx_CManagerTooltip::Instance();
	p_Tooltip->ClearTxtAll();
	p_Tooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Circle, ke_String_Back);

	// Looking the same way from the same distance, at a plane a little in front of the opener's.
	LibGfx_CManagerCamera* p_Cameras = LibGfx_CManagerCamera::Instance();
	LibGfx_CCameraBase* p_Front = p_Cameras->mo_CameraList.front();
	const CVector3d<float> o_Eye = *p_Front->GetEyePos();
	const CVector3d<float> o_Target = *p_Front->GetTargetPos();
	const float f_PlaneZ = o_Target.z + kf_Chart_Forward;
	mo_Camera.SetPos(CVector3d<float>(o_Eye.x, o_Eye.y, f_PlaneZ + kf_View_Distance), CVector3d<float>(o_Target.x, o_Target.y, f_PlaneZ));
	p_Cameras->Push(&mo_Camera, kf_View_Speed);

	mo_Wnd.Set(CVector2d<float>(450, 210), LibGfx_CObjWndThemed::ke_WinTheme_Alt);
	mo_Wnd.mu32_Align = LibGfx_CObjBase::ke_Align_HNone | LibGfx_CObjBase::ke_Align_VNone;
	// In front of whatever the opener looks at, which is not always the middle of the round.
	mo_Wnd.mo_Pos = CVector3d<float>(o_Target.x, o_Target.y + kf_Chart_Raise, f_PlaneZ);
	mo_Wnd.SetParent(nullptr);
	mo_Wnd.SetVisible(true);

	for (u8 r = 0; r < ku_Kana_Rows; ++r)
		for (u8 c = 0; c < ku_Kana_Cols; ++c)
		{
			if (cu8_HiraganaTable[r][c][0] == 0)
				continue;
			LibGfx_CObjText& o_Cell = mao_TextKana[r][c];
			CObjWndKanji::SetText(o_Cell, ku16_Cell_Width, ku16_Cell_Height, &goFontKanji16, LibText_CTextBase::ke_TxtType_Euc,
			                      ke_Palette_0, kf_Cell_StepX * c, kf_Cell_Top - kf_Cell_StepY * r);
			o_Cell.mu32_Align = LibGfx_CObjBase::ke_Align_Left | LibGfx_CObjBase::ke_Align_Top;
			o_Cell.TxtSetAlign(LibText_CTextBase::ke_TxtAlign_Center, 255);
			o_Cell.SetParent(&mo_Wnd);
		}
	SetToHiragana();
}

void CState_ReviewKana::SetToHiragana()
{
	mu8_Syllabary = ku8_Hiragana;
	LibGfx_CManagerTooltip* pTooltip = LibGfx_CManagerTooltip::Instance();
	pTooltip->SetTxtMain(0, ke_String_HiraganaChart);
	// The Square hint names what Square switches to.
	pTooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Square, ke_String_Katakana);
	ShowTable(cu8_HiraganaTable);
}

void CState_ReviewKana::SetToKatakana()
{
	mu8_Syllabary = ku8_Katakana;
	LibGfx_CManagerTooltip* pTooltip = LibGfx_CManagerTooltip::Instance();
	pTooltip->SetTxtMain(0, ke_String_KatakanaChart);
	pTooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Square, ke_String_Hiragana);
	ShowTable(cu8_KatanaTable);
}

void CState_ReviewKana::ShowTable(const u8 (&acu8_Table)[ku_Kana_Rows][ku_Kana_Cols][ku_Kana_EntrySize])
{
	for (u8 r = 0; r < ku_Kana_Rows; ++r)
		for (u8 c = 0; c < ku_Kana_Cols; ++c)
			if (cu8_HiraganaTable[r][c][0] != 0)
			{
				mao_TextKana[r][c].SetVisible(true);
				mao_TextKana[r][c].TxtSetText(reinterpret_cast<const char*>(acu8_Table[r][c]), false);
			}
}

void CState_ReviewKana::Main()
{
	const LibInput_ManagerKey* pKeys = LibInput_ManagerKey::Instance();
	if (pKeys->KeyReleaseAny(ke_Key_Circle))
		State_Remove();
	else if (pKeys->KeyReleaseAny(ke_Key_Square))
	{
		if (mu8_Syllabary == ku8_Hiragana)
			SetToKatakana();
		else
			SetToHiragana();
	}
}
