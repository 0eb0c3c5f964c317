#ifndef LIBGFX_CMANAGERWND_H
#define LIBGFX_CMANAGERWND_H

#include "LibGen_CManagerBase.h"
#include "LibGen_DataTypes.h"
#include "LibGen_Vector3D.h"
#include "LibGfx_CObjBase.h"

class LibGfx_CObjWndBase;

// A carousel of windows (not owned): the current one stands in front, the others dimmed around an
// ellipse behind it, drawn farthest first so that a nearer one hides those behind it (two windows
// stand side by side). It turns one window at a time; its owner starts it as a manager so the
// turns advance every frame.
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

	// One turn each, called every frame a key is held; while the calls keep coming the carousel
	// keeps turning without a stop. Called during a turn the other way, it waits for its end.
	void GoNext();
	void GoPrev();
	// A key just pressed: turns at once at rest; during a turn the press waits for its end, at
	// most one a direction. False when the press is dropped, a press that way already waiting.
	bool PressNext();
	bool PressPrev();
	// Left and Right turn the carousel as the hints say, Right to the next window: a press at once
	// or after the turn under way, a held key on and on. True while either key is down.
	bool FollowKeys();

private:
	typedef void (LibGfx_CManagerWnd::*StateFunc)();

	void StateNormal();
	void StateGoNext();
	void StateGoPrevious();
	void StateGoNormal();
	void StateWindowRemove();
	// Ends a turn of af_Direction (+1 or -1) once the progress reaches it, then turns on for a
	// waiting press.
	void Turn(float af_Direction);
	// A press one way: ap_Go at rest, else remembered in ab_Wait unless a press already waits there.
	bool Press(bool& ab_Wait, void (LibGfx_CManagerWnd::*ap_Go)());
	// The position of a window at af_Angle round the ellipse from the front.
	CVector3d<float> Place(float af_Angle) const;
	// Places every window for the current index and the turn's progress.
	void UpdateWindowsRotation();

	StateFunc mp_StateFunc;
	enumState me_State;
	float mf_Rotation;     // progress of the turn, -1 to 1
	bool mb_KeepMoving;
	bool mb_WaitNext;      // a press waits for the turn's end
	bool mb_WaitPrev;
	u8 mu8_WndCurrent;
	u8 mu8_WndCount;
	u16 mu16_Radius;
	u16 mu16_Depth;
	bool mb_Vertical;
	LibGfx_CObjBase mo_Root;
	LibGfx_CObjWndBase* mpo_Wnd[ku_Wnd_Max];
};

#endif
