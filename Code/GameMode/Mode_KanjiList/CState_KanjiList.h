#ifndef CSTATE_KANJILIST_H
#define CSTATE_KANJILIST_H

#include "GfxObjects/CObjWndKanji.h"
#include "LibGen_CState.h"
#include "LibGen_DataTypes.h"
#include "LibGfx_CCameraBase.h"
#include "LibGfx_CManagerWnd.h"

// The home screen: the kanji of the current list on a carousel of up to six cards. Left and
// Right turn it, Cross opens the review of the front kanji. While the carousel turns the view
// backs away, and comes back once it rests.
class CState_KanjiList : public LibGen_CState
{
public:
	enum
	{
		ku_Wnd_Max = 6,
	};

	CState_KanjiList();
	// The camera is a member: the camera manager must not keep it past the state.
	virtual ~CState_KanjiList();

	void LoadAlways() override;
	void Main() override;
	void UnloadAlways() override;

	// Line 1 counts the position in the list; the Left and Right hints only with kanji to show.
	void UpdateTooltip();

	u16 mu16_KanjiPos;
	LibGfx_CCameraBase mo_Camera;
	LibGfx_CManagerWnd mo_ManagerWnd;
	CObjWndKanji mao_WndKanji[ku_Wnd_Max];
	// The cards must be reloaded; also read as "the carousel was just turned".
	bool mb_Refresh;
	// Left or Right was pressed during a turn and acts when it ends.
	bool mb_WaitLeft;
	bool mb_WaitRight;

private:
	// Where the card at au16_Card places after the front one stands, counted in kanji from the
	// front: the cards up to half-way round the circle are the next kanji, the others the
	// previous ones, so that a turn either way brings in the right kanji.
	static s16 CardOffset(u16 au16_Card, u16 au16_Cards);
	// Loads the card at au16_Card places after the front one with the kanji at mu16_KanjiPos plus
	// the offset, wrapping around the list.
	void LoadCard(u16 au16_Card, s16 as16_Offset);
	// Loads every card with the kanji its place stands for.
	void LoadCards();
	// The view backs away while the carousel turns and comes back once it rests; true when it
	// pushed or removed the camera this frame.
	bool FollowCamera();
};

#endif
