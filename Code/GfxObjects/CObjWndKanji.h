#ifndef COBJWNDKANJI_H
#define COBJWNDKANJI_H

#include "Fudemaru.h"
#include "LibGen_DataTypes.h"
#include "LibGfx_CObjText.h"
#include "LibGfx_CObjWndThemed.h"
#include "LibKanji_CDictionary.h"
#include "LibKanji_CKanjiTexts.h"

// A kanji card: a small themed window with the kanji's glyph, its readings and its meanings, laid
// out in one of three ways. The kanji is named by its EUC-JP code.
class CObjWndKanji : public LibGfx_CObjWndThemed
{
public:
	enum
	{
		ku_Text_Size = 1024,   // bytes of a joined text, its terminator included
		ku_Text_Count = 4,     // text parts of a card
		ku16_KunHeight = 70,   // four kun readings, 16 units a line and the gaps between them
	};

	CObjWndKanji();
	virtual ~CObjWndKanji() {}

	// Frees the texts, hides the window and turns every part off.
	void Unload();
	// Glyph, readings and meanings in a 160 x 134 window.
	void SetLayout_A_All();
	// Glyph and readings in a 160 x 70 window.
	void SetLayout_A_Kanji();
	// Meanings only, in a 128 x 64 window.
	void SetLayout_A_Traduct();
	// Shows the window with the kanji of a non-zero code, or again with the current one for 0.
	void LoadKanji(u16 au16_Code);
	// Shows the kanji of a list position: code 0, a position the list keeps empty, shows the
	// window empty, where LoadKanji(0) would show the kanji held before.
	void ShowKanji(u16 au16_Code)
	{
		mu16_Kanji = au16_Code;
		LoadKanji(0);
	}

	// Joins the first au16_Max of au16_Count texts with the separator into as_Buffer of au_Size
	// bytes. What does not fit is cut off, never inside a two-byte character; the result is
	// always terminated. Returns its length.
	static u32 JoinStrings(const char* const* ap_Texts, u16 au16_Count, u16 au16_Max,
	                       const char* as_Separator, char* as_Buffer, u32 au_Size);
	// The same for the texts of one kind of a record.
	static u32 JoinStrings(const SKanjiData& ao_Kanji, SKanjiData::enumString ae_Kind, u16 au16_Max,
	                       const char* as_Separator, char* as_Buffer, u32 au_Size)
	{
		return JoinStrings(ao_Kanji.mpp_String[ae_Kind], ao_Kanji.mu8_StringCount[ae_Kind], au16_Max, as_Separator, as_Buffer, au_Size);
	}
	// The kanji's meanings in the interface's language as it is now, its English ones where that
	// language has none; returns how many.
	static u8 GetMeanings(const SKanjiData& ao_Kanji, const char* (&ap_Texts)[LibKanji_CKanjiTexts::ku_Meaning_Max]);
	// Appends a text at au_Length under the same rule and moves au_Length on; false when the
	// text did not fit whole.
	static bool AppendText(const char* as_Text, char* as_Buffer, u32 au_Size, u32& au_Length);
	// Shows the first au16_Count items joined with the separator, less its last items while the
	// text takes more lines than its box shows: a learner sees whole meanings and readings, never
	// one cut short. When fewer than au16_Total are shown, one item more says how many are left
	// out ("+9").
	static void SetListText(LibGfx_CObjText& ao_Text, const char* const* ap_Items, u16 au16_Count, u16 au16_Total,
	                        const char* as_Separator);
	// The terminated two-byte text of a kanji's glyph.
	static void GlyphText(u16 au16_Code, char (&as_Glyph)[3]);
	// Sizes a text (to its string for a zero width), gives it its fonts, type and palette, places it
	// and shows it, with au8_LineGap blank rows between its lines. The card and the detail page lay
	// out their parts with it.
	static void SetText(LibGfx_CObjText& ao_Text, u16 au16_Width, u16 au16_Height, const LibText_CFont* ap_FontKanji,
	                    LibText_CTextBase::enumTxtType ae_Type, enumPalettes ae_Palette, float af_X, float af_Y,
	                    u8 au8_LineGap = 0);
	// A list of kanji or kana, one item a line: lines of the 16-dot Japanese font fill their whole
	// height, and two blank rows keep them apart.
	static const u8 ku8_ListGap = 2;
	// The dictionary's dot between a reading's stem and its okurigana: not drawn, the okurigana are
	// drawn in the palette's lighter colour instead.
	static const char kc_Okurigana = '.';

	LibGfx_CObjText mo_TxtKanji;
	LibGfx_CObjText mo_TxtMeaning;
	LibGfx_CObjText mo_TxtOn;
	LibGfx_CObjText mo_TxtKun;
	u8  mb_ShowKanji;
	u8  mu8_MeaningMax;
	u8  mu8_OnMax;
	u8  mu8_KunMax;
	u16 mu16_Kanji;

private:
	LibGfx_CObjText* mapo_Text[ku_Text_Count];   // the four parts above, for what is done to each

	// Glyph, kun and on readings as layouts All and Kanji share them.
	void SetLayoutKanjiParts();
	// Fills a reading or meaning part with the first au8_Max texts, one a line, and shows it; an
	// empty reading part stays hidden.
	void LoadStrings(LibGfx_CObjText& ao_Text, const char* const* ap_Texts, u16 au16_Count, u8 au8_Max, bool ab_ShowEmpty);
};

#endif
