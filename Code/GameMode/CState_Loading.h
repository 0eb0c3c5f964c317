#ifndef CSTATE_LOADING_H
#define CSTATE_LOADING_H

#include "LibGen_CState.h"
#include "LibGfx_CObjText.h"
#include "LibGfx_CObjWndThemed.h"

// Pushed over the intro: loads the kanji data and the Japanese fonts, showing one progress
// message per step, applies the rest of the configuration, then slides its window out and
// gives its place to the kanji list browser. When the data had problems, its window first says
// so until a face button is released: a player started from a menu sees no standard error.
class CState_Loading : public LibGen_CState
{
public:
	// The steps, in loading order.
	enum enumStep
	{
		ke_Step_Dictionary = 0,
		ke_Step_Strokes,
		ke_Step_Lists,
		ke_Step_Fonts,
		ke_Step_Config,   // the start-up list and the quiz card count
		ke_Step__Total,
	};

	CState_Loading() : mb_Notice(false) {}
	virtual ~CState_Loading() {}
	void LoadOnce() override;
	void Main() override;

	// One step's work, without any drawing.
	static void LoadStep(enumStep ae_Step);

	LibGfx_CObjWndThemed mo_Window;
	LibGfx_CObjText mo_Text;
	// The data problems found since the start are shown until a face button is released.
	bool mb_Notice;

private:
	// How many problems, the first one and where to read them all, in a larger window.
	void ShowProblems();
	// The frame loop is blocked while loading: the progress frames are drawn from here.
	static void DrawFrame();
};

#endif
