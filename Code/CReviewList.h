#ifndef CREVIEWLIST_H
#define CREVIEWLIST_H

#include "LibGen_DataTypes.h"
#include "LibKanji_CKanjiList.h"

#include <vector>

// The player's list "To review": a UTF-16 text list in their KanjiList folder that gathers every
// kanji missed in a kanji quiz. In a quiz over the list itself, a kanji found at the first try
// leaves it. The list is read as any list is and saved whole (LibGen_CFileSystem::SaveWhole); a
// file there that cannot be read is never replaced: the list is saved beside it, under
// ks_BrokenName, and a line says so.
class CReviewList
{
public:
	// The file names, without the folder.
	static const char* const ks_FileName;
	static const char* const ks_BrokenName;

	// Whether a list of the table is the player's "To review".
	static bool IsReviewList(const LibKanji_CKanjiList::SListInfo* ap_List);
	// Adds the missed kanji, then takes out the found ones (EUC-JP codes); au16_Joined and
	// au16_Left count the kanji that truly came and went. The list joins the list table the first
	// time it is written, and its count is taken again. False when nothing could be saved.
	static bool Update(const std::vector<u16>& ao_Missed, const std::vector<u16>& ao_Found, u16& au16_Joined,
	                   u16& au16_Left);
};

#endif
