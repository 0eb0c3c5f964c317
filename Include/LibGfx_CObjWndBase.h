#ifndef LIBGFX_COBJWNDBASE_H
#define LIBGFX_COBJWNDBASE_H

#include "LibGfx_CObjBase.h"
#include "LibGfx_CPolyQuad.h"
#include "LibGfx_CPolyRoundRect.h"

// A display object framed by nine quads (four corners, four edges, the centre); the centre
// is the client area children align to. It can slide out to the right edge of the screen and
// back in.
class LibGfx_CObjWndBase : public LibGfx_CObjBase
{
public:
	enum enumPolyId
	{
		ke_PolyId_TopLeft = 0,
		ke_PolyId_TopMid,
		ke_PolyId_TopRight,
		ke_PolyId_MidLeft,
		ke_PolyId_MidMid,
		ke_PolyId_MidRight,
		ke_PolyId_BotLeft,
		ke_PolyId_BotMid,
		ke_PolyId_BotRight,
		ke_PolyId_Total,
	};
	enum enumSlideState
	{
		ke_Slide_InPlace = 0,
		ke_Slide_GoingOut,
		ke_Slide_GoingIn,
		ke_Slide_Out,
	};

	// Built invisible, in place.
	LibGfx_CObjWndBase();
	virtual ~LibGfx_CObjWndBase() {}
	// The children's update, then one step of the slide while visible.
	void Update() override;
	// The window and its children, then the veil of a dimmed window over them.
	void Render() override;
	// The whole frame: the top-left piece's corner 1 to the bottom-right piece's corner 2.
	void GetCorners(CVector3d<float>& ao_Corner1, CVector3d<float>& ao_Corner2, bool ab_Children) override;
	// The centre piece.
	void GetCornersClient(CVector3d<float>& ao_Corner1, CVector3d<float>& ao_Corner2, bool ab_Children) override;

	LibGfx_CPolyQuad* GetWindowPoly(enumPolyId ae_PolyId);
	// Slides out until the frame's left edge reaches x = 240 (over 40 updates).
	void Hide();
	// Slides back in from there.
	void Show();
	// A dimmed window is drawn under a veil of paper: it fades as a translucent one would, yet
	// hides what lies behind it.
	void SetDimmed(bool ab_Dimmed) { mo_Veil.SetVisible(ab_Dimmed); }
	bool IsDimmed() const { return (mo_Veil.mu32_State & ke_Obj_Visible) != 0; }

	LibGfx_CPolyQuad mo_Poly[ke_PolyId_Total];
	float mf_Slide;           // 0 in place, 1 out
	float mf_SlideDistance;   // x when fully out
	u32 me_SlideState;        // enumSlideState

private:
	void StartSlide(float af_Slide, enumSlideState ae_State);

	// Drawn in the window's frame after its children; in no child list, so nothing else reaches it.
	LibGfx_CObjBase mo_Veil;
	LibGfx_CPolyRoundRect mo_VeilPoly;
};

#endif
