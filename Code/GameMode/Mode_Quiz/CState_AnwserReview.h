#ifndef CSTATE_ANWSERREVIEW_H
#define CSTATE_ANWSERREVIEW_H

#include "LibGen_CState.h"
#include "LibGfx_CCameraBase.h"

class LibGfx_CManagerWnd;

// A look at the answers found in the round: the view glides to their carousel and back when
// Circle closes it. Left and Right turn the carousel, Square opens the kana chart.
class CState_AnwserReview : public LibGen_CState
{
public:
	explicit CState_AnwserReview(LibGfx_CManagerWnd* ap_ManagerWnd);

	void LoadOnce() override;
	void LoadAlways() override;
	void Main() override;
	void UnloadOnce() override;

	LibGfx_CManagerWnd* mp_ManagerWnd;   // the round's found answers
	LibGfx_CCameraBase mo_Camera;
};

#endif
