#ifndef CSTATE_KANJILISTLOAD_H
#define CSTATE_KANJILISTLOAD_H

#include "GfxObjects/CObjWndList.h"
#include "LibGen_CState.h"
#include "LibKanji_CKanjiList.h"

#include <string>

// The list chooser: the names of the kanji lists found at start in a scrolling window. Up and
// Down move the selection, Cross loads the selected list and Circle leaves it as it was; either
// way the browser below shows the current list again.
class CState_KanjiListLoad : public LibGen_CState
{
public:
	enum
	{
		ku_ListName_Max = LibKanji_CKanjiList::ku_List_Max,
	};

	CState_KanjiListLoad();
	virtual ~CState_KanjiListLoad() {}

	void LoadAlways() override;
	void Main() override;

	CObjWndList mo_WndList;
	// The lists' own names, not owned, or their marked labels.
	const char* map_ListName[ku_ListName_Max];

private:
	// What the chooser shows of a list: its name, marked when a player's list has the name of one
	// before it.
	const char* Label(u8 au8_List);

	std::string mo_Label[ku_ListName_Max];
	// Takes the window away and goes back to the browser.
	void Leave();
};

#endif
