#ifndef LIBGFX_CMANAGERWND_H
#define LIBGFX_CMANAGERWND_H

#include "LibGen_CManagerBase.h"
#include "LibGen_DataTypes.h"
#include "LibGen_Vector3D.h"
#include "LibGfx_CObjBase.h"

class LibGfx_CObjWndBase;

// A carousel of windows (not owned): the current one stands opaque in front, the others
// translucent around an ellipse behind it. It turns one window at a time; its owner starts it
// as a manager so the turns advance every frame.
class LibGfx_CManagerWnd : public LibGen_CManagerBase
{
public:
	// NOTE: a fixed type: any value may be stored; others keep the current handler.
	enum enumState : u32
	{
		ke_WndState_Normal = 0,
		ke_WndState_GoNext,
		ke_WndState_GoPrevious,
		ke_WndState_GoNormal,
		ke_WndState_WindowRemove,
	};
	enum
	{
		ku_Wnd_Max = 32,
	};

	LibGfx_CManagerWnd();
	virtual ~LibGfx_CManagerWnd() {}
	// Runs the current state's handler; nothing without windows.
	void Update() override;

	// Places the carousel's root under the tree root at ao_Pos. The ellipse has the radius
	// across the screen (up it when vertical) and the depth along z.
	void Initialize(const CVector3d<float>& ao_Pos, u16 au16_Radius, u16 au16_Depth, bool ab_Vertical);
	// Appends a window, shown, under the carousel's root.
	void AddWindow(LibGfx_CObjWndBase* apo_Wnd);
	// Takes an entry out and turns to the window that followed it. The window stays in the
	// display tree where it is; the caller takes care of it.
	LibGfx_CObjWndBase* RemWindow(u8 au8_WndId);
	// Every entry holding that window.
	void RemWindow(LibGfx_CObjWndBase* apo_Wnd);
	// Detaches every window from the carousel's root and empties it.
	void RemoveAllWindows();

	// Null when out of range.
	LibGfx_CObjWndBase* GetWindow(u8 au8_WndId);
	// The window at the current one plus the offset, wrapping once in either direction.
	LibGfx_CObjWndBase* GetWindowCurrent(s8 as8_Offset);
	u8 GetWindowCurrentId() const { return mu8_WndCurrent; }
	u8 GetWindowTotal() const { return mu8_WndCount; }
	LibGfx_CObjBase* GetRootObject() { return &mo_Root; }
	enumState GetState() const { return me_State; }
	// Values outside the enumeration keep the handler.
	void SetState(enumState ae_State);

	// One turn each, called once per key press or repeat; while the calls keep coming the
	// carousel keeps turning without a stop.
	void GoNext();
	void GoPrev();

private:
	typedef void (LibGfx_CManagerWnd::*StateFunc)();

	void StateNormal();
	void StateGoNext();
	void StateGoPrevious();
	void StateGoNormal();
	void StateWindowRemove();
	// Ends a turn of af_Direction (+1 or -1) once the progress reaches it.
	void Turn(float af_Direction);
	// Places every window for the current index and the turn's progress.
	void UpdateWindowsRotation();

	StateFunc mp_StateFunc;
	enumState me_State;
	float mf_Rotation;     // progress of the turn, -1 to 1
	bool mb_KeepMoving;
	u8 mu8_WndCurrent;
	u8 mu8_WndCount;
	u16 mu16_Radius;
	u16 mu16_Depth;
	bool mb_Vertical;
	LibGfx_CObjBase mo_Root;
	LibGfx_CObjWndBase* mpo_Wnd[ku_Wnd_Max];
};

#endif
