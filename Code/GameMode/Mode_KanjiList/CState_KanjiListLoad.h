#ifndef CSTATE_KANJILISTLOAD_H
#define CSTATE_KANJILISTLOAD_H

#include "GfxObjects/CObjWndList.h"
#include "LibGen_CState.h"
#include "LibKanji_CKanjiList.h"

// The list chooser: the names of the kanji lists found at start, each with its kanji count, in a
// scrolling window that opens on the list loaded. Up and Down move the selection, Cross loads the
// selected list, which the player's config.xml keeps for the next start, and Circle leaves it as
// it was; either way the browser below shows the current list again.
class CState_KanjiListLoad : public LibGen_CState
{
public:
	enum
	{
		ku_ListName_Max = LibKanji_CKanjiList::ku_List_Max,
		// a name, a space, the player's mark (a short text of the language), a space and "(65535)"
		ku_ListLine_Size = LibKanji_CKanjiList::ku_ListName_Size + 40,
	};

	CState_KanjiListLoad();
	virtual ~CState_KanjiListLoad() {}

	void LoadAlways() override;
	void Main() override;

	CObjWndList mo_WndList;
	// The lists' names and counts, and the lines the window shows.
	char mas_ListLine[ku_ListName_Max][ku_ListLine_Size];
	const char* map_ListName[ku_ListName_Max];

private:
	// Takes the window away and goes back to the browser.
	void Leave();
};

#endif
