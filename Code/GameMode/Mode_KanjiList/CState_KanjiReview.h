#ifndef CSTATE_KANJIREVIEW_H
#define CSTATE_KANJIREVIEW_H

#include "GfxObjects/CObjWndKanjiDetail.h"
#include "LibGen_CState.h"
#include "LibGen_DataTypes.h"
#include "LibGfx_CCameraBase.h"

// One kanji of the current list at a time on the detail page, its strokes written one after
// the other. Left and Right step through the list (repeating while held), Cross writes the
// strokes again, Circle goes back to the browser at the kanji reached.
class CState_KanjiReview : public LibGen_CState
{
public:
	CState_KanjiReview();
	// The camera is a member: the camera manager must not keep it past the state.
	virtual ~CState_KanjiReview();

	void LoadAlways() override;
	void Main() override;
	void UnloadAlways() override;

	// Line 1 counts the position in the list.
	void UpdateTooltip();
	// Square's hint names the side column it switches to: words or the same radical.
	void UpdateSquareHint();

	CObjWndKanjiDetail mo_WndDetail;
	LibGfx_CCameraBase mo_Camera;
	u16 mu16_KanjiPos;
};

#endif
