#ifndef CSTATETRANS_MOVEOBJECT_H
#define CSTATETRANS_MOVEOBJECT_H

#include "LibGen_CState.h"
#include "LibGfx_CObjBase.h"

// A state's way in or out: slides one display object horizontally between its place and the
// right edge of the screen, easing with a sine, one step a frame at 60 frames a second.
class CStateTrans_MoveObject : public LibGen_CStateTransition
{
public:
	enum enumMoveEffect
	{
		ke_MoveEffect_SlideRightFrom = 0,   // in from the right
		ke_MoveEffect_SlideRightTo = 1,     // out to the right
	};

	// The object is not owned. A duration of 0 or less finishes at the first step.
	CStateTrans_MoveObject(LibGfx_CObjBase* ap_Object, float af_Seconds, enumMoveEffect ae_Effect);

	// Shows the object and measures the way from its box.
	void Init() override;
	// One step; true once the object has arrived.
	bool Main() override;

	bool mb_Finished;
	LibGfx_CObjBase* mp_Object;
	enumMoveEffect me_MoveEffect;
	float mf_Ratio;      // 0 in place, 1 out
	float mf_Distance;   // x offset of the object when out: its left edge on the screen's right edge
	float mf_Step;       // change of mf_Ratio a frame

private:
	void InitSlideRightFrom();
	void InitSlideRightTo();
	void SlideRightFrom();
	void SlideRightTo();
	// The way out, from the object's own box.
	void Measure();
	// x at the current ratio.
	void Place();
};

#endif
