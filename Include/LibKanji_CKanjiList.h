#ifndef LIBKANJI_CKANJILIST_H
#define LIBKANJI_CKANJILIST_H

#include <string>
#include <vector>
#include "LibGen_DataTypes.h"
#include "LibGen_CSingleton.h"

class TiXmlElement;

// The kanji lists of a folder: UTF-16 text lists and the XML query lists. One list at a time is
// loaded as a sequence of EUC-JP kanji codes.
class LibKanji_CKanjiList : public LibGen_CSingleton<LibKanji_CKanjiList>
{
public:
	enum
	{
		ku_List_Max      = 64,
		ku_ListName_Size = 32,
		ku_Kanji_Max     = 0xFFFF,  // longer text lists are cut
		ke_Type_Text     = 0,
		ke_Type_Xml      = 1,
	};

	struct SListInfo
	{
		char* mp_File;
		char* mp_Name;      // the key StartupList and Source name
		char* mp_NameEn;    // the shipped XML lists' Name_En, Name_Fr and Name_It (ISO-8859-1), or null
		char* mp_NameFr;
		char* mp_NameIt;
		u8    mu8_Type;
		bool  mb_Own;   // found in the player's own folder
		bool  mb_Counted;        // mu16_KanjiCount holds the list's size
		u16   mu16_KanjiCount;

		// The name to show in a language (0 English, 1 French, 2 Italian, as the configuration
		// numbers them): the translation when the list has one, else its one name.
		const char* GetName(u8 au8_Language) const;
	};

	LibKanji_CKanjiList();
	virtual ~LibKanji_CKanjiList();

	// Finds the lists of a folder: text lists first, then the XML lists in element order. With
	// ab_Own, the player's own folder: its lists are added after those already found, marked
	// mb_Own, and a folder that is missing or holds no list is no problem.
	void Load_Lists(const char* as_Directory, bool ab_Own = false);
	// A text list the game has just written in the player's folder joins the table at its end;
	// null, with its line reported, when the table is full.
	SListInfo* AddOwnTextList(const char* as_File);
	SListInfo* GetListInfo(u8 auListIndex);
	// The first list of that name, ignoring case; null when none.
	SListInfo* GetListInfo(const char* as_Name);
	u8 GetListCount() const { return mu_ListCount; }

	bool Load_KanjiList(u8 auListInfoIndex);
	// On false the loaded list is empty.
	bool Load_KanjiList(SListInfo* ap_List);
	u16 GetKanji(u16 au_Kanji) const;
	// How many kanji a list holds (0 for one that fails to load), found by loading it aside the
	// first time: the loaded list stays as it is.
	u16 GetKanjiCount(u8 au8_List);

	void UnloadKanjis();
	void UnloadLists();
	void Unload();

	u8  mu_ListCount;
	u16 mu_KanjiTotal;
	u16 mu16_KanjiCur;  // position last shown by the browsing modes
	const SListInfo* mp_ListLoaded;  // the list last asked for by Load_KanjiList, null before; not owned

private:
	struct SSortKey
	{
		u8   mu8_Info;
		bool mb_Descending;
	};

	// A list past the table's end is not kept: its name is added to as_LeftOut.
	void AddList(const char* as_File, const char* as_Name, u8 au8_Type, bool ab_Own, std::string& as_LeftOut,
		const TiXmlElement* ap_Element = nullptr);
	bool LoadList(SListInfo* ap_List);
	bool LoadText(const SListInfo* ap_List);
	bool LoadXml(const SListInfo* ap_List);
	void FillStartSet(const TiXmlElement* ap_Element, const SListInfo* ap_List);
	void ApplyFilter(const TiXmlElement* ap_Filter, const SListInfo* ap_List);
	static void ReportUnknownField(const TiXmlElement* ap_Element, const char* as_Kind, const SListInfo* ap_List);
	void SortBy(const std::vector<SSortKey>& ao_Keys);
	void KeepRange(const TiXmlElement* ap_Element);

	SListInfo ma_ListInfo[ku_List_Max];
	std::vector<u16> mo_KanjiCode;
	bool mb_Loading[ku_List_Max];  // lists of the "Source" chain being loaded
	bool mb_Cycle;                 // the chain led back to one of them
};

#endif
