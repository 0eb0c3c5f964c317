#ifndef KANJIWNDFIXTURE_H
#define KANJIWNDFIXTURE_H

#include "LibGfx_COffscreen.h"
#include "LibKanji_CDictionary.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// The game's shared objects as the intro and the loading state leave them, on the real data of
// the build: engine over an offscreen frame, the nine text palettes, base textures, the three
// fonts, English strings, the dictionary and the stroke database. Set up once for the suite.
class KanjiWnd : public ::testing::Test
{
protected:
	static void SetUpTestSuite();
	static void TearDownTestSuite();

	// Runs the engine's update and draws one frame.
	static void DrawFrame();
	static u32 Pixel(u16 au16_X, u16 au16_Y) { return so_Screen.GetPixel(au16_X, au16_Y); }
	// Custom texture slots in use.
	static int LockedTextures();
	static SKanjiData* Record(u16 au16_Code);

	static LibGfx_COffscreen so_Screen;
};

// Lines of a text: the line feeds plus one, 0 for an empty text.
int LineCount(const char* as_Text);

// Gives a dictionary record other texts of one kind for the time it lives, then puts the
// record's own back.
class CRecordTexts
{
public:
	CRecordTexts(SKanjiData* ap_Kanji, SKanjiData::enumString ae_Kind, const std::vector<std::string>& ao_Texts);
	~CRecordTexts();

private:
	SKanjiData* mp_Kanji;
	SKanjiData::enumString me_Kind;
	char** mpp_Saved;
	u8 mu8_SavedCount;
	std::vector<std::string> mo_Texts;
	std::vector<char*> mo_Pointers;
};

#endif
