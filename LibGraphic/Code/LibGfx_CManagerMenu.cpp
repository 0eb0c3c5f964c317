#include "LibGfx_CManagerMenu.h"

#include "LibGen_Utils.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CManagerCamera.h"
#include "LibGfx_CMenu.h"
#include "LibInput_ManagerKey.h"

#include <cmath>

namespace
{
	const double kd_FaceAngle = 2.0 * M_PI / 3.0;
	// One face a roll: 2pi/3 at this speed takes 42 frames.
	const float kf_RollSpeed = 0.05f;
	const float kf_CameraSpeed = 0.05f;
	const float kf_SlideSeconds = 1.0f;
	const float kf_PrismZ = 60.0f;
	// Band colours as red, green, blue, alpha bytes: translucent blue, edged with opaque blue.
	// NOTE: the blue is dark enough for the white and green labels to read over the light
	// backgrounds (at alpha 0x7D they were pale on pale).
	const u32 ku32_BandColor = 0xC0C80000u;
	const u32 ku32_LineColor = 0xFFC80000u;
}

LibGfx_CManagerMenu::LibGfx_CManagerMenu()
	: mf_Angle(0.0f), mf_Speed(0.0f), mpo_Menu(), mu8_MenuCount(0), mu8_MenuRemoved(0)
{
	for (LibGfx_CObjBase& oFace : mo_Face)
	{
		oFace.SetParent(&mo_Prism);
		oFace.SetVisible(true);
	}
}

void LibGfx_CManagerMenu::Load()
{
	typedef CVector3d<float> V3;
	// The faces' distance from the prism's axis.
	const float f_Depth = static_cast<float>(18.0 / std::cos(M_PI / 8.0));
	mo_BandQuad[0].Set(V3(-kf_Screen_HalfWidth, 34, 0), V3(kf_Screen_HalfWidth, -34, 0), ku32_BandColor);
	mo_BandQuad[1].Set(V3(-kf_Screen_HalfWidth, 36, 0), V3(kf_Screen_HalfWidth, 34, 0), ku32_LineColor);
	mo_BandQuad[2].Set(V3(-kf_Screen_HalfWidth, -34, 0), V3(kf_Screen_HalfWidth, -36, 0), ku32_LineColor);
	for (int i = 0; i < ku_Face_Total; ++i)
	{
		LibGfx_CObjBase& o_Face = mo_Face[i];
		o_Face.mo_Pos = V3(0, 0, f_Depth);
		o_Face.mo_RotParent.x = static_cast<float>(i * kd_FaceAngle);
		o_Face.mu32_State |= LibGfx_CObjBase::ke_Obj_Dirty;
		for (LibGfx_CPolyQuad& o_Quad : mo_BandQuad)
		{
			// A second Load must not draw the band twice.
			o_Face.RemPoly(&o_Quad);
			o_Face.AddPoly(&o_Quad);
		}
	}
	// The front face, at the prism's z plus its depth, is seen at the start camera's scale.
	mo_Camera.SetPos(V3(0, 0, static_cast<float>(f_Depth + kf_PrismZ + kd_Screen_Distance)), V3(0, 0, 0));
	mu8_MenuCount = 0;
	ShowFaces();
}

void LibGfx_CManagerMenu::Unload()
{
	for (LibGfx_CObjBase& oFace : mo_Face)
		for (LibGfx_CPolyQuad& oQuad : mo_BandQuad)
			oFace.RemPoly(&oQuad);
}

void LibGfx_CManagerMenu::Start()
{
	LibGen_CManagerBase::Start();
	mo_Prism.SetParent(nullptr);
	mo_Prism.mo_Pos.z = kf_PrismZ;
	mo_Prism.mu32_State |= LibGfx_CObjBase::ke_Obj_Visible | LibGfx_CObjBase::ke_Obj_Dirty;
	mo_Slide.Init(&mo_Prism, LibGfx_Plugin_CObjSlide::ke_Slide_In, kf_SlideSeconds, 0.0f);
	mo_Slide.Load();
	LibGfx_CManagerCamera::Instance()->Push(&mo_Camera, kf_CameraSpeed);
}

void LibGfx_CManagerMenu::Stop()
{
	// Circle on the root menu stops the manager, and the menu state stops it again when it
	// goes: a second Stop must not start the slide-out over or give the camera back twice.
	if (!mb_Active)
		return;
	LibGen_CManagerBase::Stop();
	MenuRemAll();
	mo_Slide.Init(&mo_Prism, LibGfx_Plugin_CObjSlide::ke_Slide_Out, kf_SlideSeconds, 0.0f);
	mo_Slide.Load();
	LibGfx_CManagerCamera::Instance()->Remove(&mo_Camera, kf_CameraSpeed);
}

void LibGfx_CManagerMenu::MenuAdd(LibGfx_CMenu* ap_Menu)
{
	// The stack has no more room: a caller's error.
	LIBGEN_ASSERT(mu8_MenuCount < ku_Menu_Max);
	mpo_Menu[mu8_MenuCount] = ap_Menu;
	ap_Menu->mo_Obj.SetParent(&mo_Face[mu8_MenuCount % ku_Face_Total]);
	ap_Menu->mo_Obj.SetVisible(true);
	ap_Menu->ShowTooltip();
	mf_Speed = -kf_RollSpeed;
	++mu8_MenuCount;
	// The menu three levels down had this face.
	if (mu8_MenuCount > ku_Face_Total)
		SetMenuVisible(mu8_MenuCount - 1 - ku_Face_Total, false);
}

u8 LibGfx_CManagerMenu::MenuRemCurrent()
{
	if (mu8_MenuCount == 0)
		return 0;
	--mu8_MenuCount;
	mu8_MenuRemoved = mu8_MenuCount;
	mf_Speed = kf_RollSpeed;
	// The face rolling back to the front says again what its current entry does.
	if (mu8_MenuCount > 0 && mpo_Menu[mu8_MenuCount - 1] != nullptr)
		mpo_Menu[mu8_MenuCount - 1]->ShowTooltip();
	return mu8_MenuCount;
}

void LibGfx_CManagerMenu::MenuRemAll()
{
	// NOTE: a menu closed with Circle stays on its face, hidden or still rolling away. Every menu
	// the manager was given leaves its face here, so that nothing is left in the tree or in the
	// stack of a menu whose owner goes once the manager has stopped.
	for (int i = ku_Menu_Max - 1; i >= 0; --i)
	{
		if (mpo_Menu[i] == nullptr)
			continue;
		LibGfx_CObjBase& o_Obj = mpo_Menu[i]->mo_Obj;
		o_Obj.SetParent(nullptr);
		o_Obj.SetVisible(false);
		mpo_Menu[i] = nullptr;
	}
	mu8_MenuCount = 0;
	mu8_MenuRemoved = 0;
	mf_Angle = 0.0f;
	mf_Speed = 0.0f;
	ShowFaces();
}

void LibGfx_CManagerMenu::MenuForget(LibGfx_CMenu* ap_Menu)
{
	for (LibGfx_CMenu*& pMenu : mpo_Menu)
		if (pMenu == ap_Menu)
			pMenu = nullptr;
}

void LibGfx_CManagerMenu::SetMenuVisible(u8 au8_Index, bool ab_Visible)
{
	if (mpo_Menu[au8_Index] != nullptr)
		mpo_Menu[au8_Index]->mo_Obj.SetVisible(ab_Visible);
}

void LibGfx_CManagerMenu::EndRoll()
{
	const float fTarget = static_cast<float>((1 - mu8_MenuCount) * kd_FaceAngle);
	const bool bBackDone = mf_Speed > 0.0f && mf_Angle > fTarget;
	const bool bForwardDone = mf_Speed < 0.0f && mf_Angle < fTarget;
	if (!bBackDone && !bForwardDone)
		return;
	if (bBackDone)
	{
		// The menu rolled away goes; the one that shares its face comes back.
		if (mu8_MenuCount == mu8_MenuRemoved)
			SetMenuVisible(mu8_MenuCount, false);
		if (mu8_MenuCount >= ku_Face_Total)
			SetMenuVisible(mu8_MenuCount - ku_Face_Total, true);
		mu8_MenuRemoved = 0;
	}
	mf_Speed = 0.0f;
	mf_Angle = fTarget;
}

void LibGfx_CManagerMenu::Update()
{
	if (mf_Speed != 0.0f)
	{
		mf_Angle += mf_Speed;
		EndRoll();
	}
	mo_Prism.mo_RotLocal.x = mf_Angle;
	mo_Prism.mu32_State |= LibGfx_CObjBase::ke_Obj_Dirty;
	if (mu8_MenuCount > 0 && mpo_Menu[mu8_MenuCount - 1] != nullptr)
		mpo_Menu[mu8_MenuCount - 1]->Update();
	if (LibInput_ManagerKey::Instance()->KeyReleaseAny(ke_Key_Circle))
	{
		MenuRemCurrent();
		if (mu8_MenuCount == 0)
			Stop();
	}
	ShowFaces();
}

void LibGfx_CManagerMenu::ShowFaces()
{
	// NOTE: the band is translucent, and a face turned away that comes before the front one in
	// the tree shows through it, its labels upside down. At rest the front face alone is drawn;
	// while the prism rolls every face is, as the faces come and go.
	const int i_Front = mu8_MenuCount == 0 ? 0 : (mu8_MenuCount - 1) % ku_Face_Total;
	for (int i = 0; i < ku_Face_Total; ++i)
		mo_Face[i].SetVisible(mf_Speed != 0.0f || i == i_Front);
}
