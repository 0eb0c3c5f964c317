#ifndef KANJIWNDFIXTURE_H
#define KANJIWNDFIXTURE_H

#include "Fudemaru.h"
#include "GameMode/CState_Intro.h"
#include "GfxTestFixture.h"
#include "LibGen_CFileSystem.h"
#include "LibGfx_CManagerTexture.h"
#include "LibGfx_CObjBase.h"
#include "LibKanji_CDictionary.h"
#include "LibKanji_CStroke.h"
#include "LibText_CManagerString.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// The shared objects as the intro and the loading state leave them, on the build's real data:
// engine over an offscreen frame, the nine text palettes and base textures for each test; fonts,
// English strings, dictionary and strokes, which the engine does not hold, once for the suite.
class KanjiWnd : public GfxTest
{
protected:
	static void SetUpTestSuite()
	{
		LibGen_CFileSystem::Instance()->SetCurrentDir(FUDEMARU_DATA_PARENT);
		ASSERT_TRUE(goFontAscii.LoadBdf("./Data/Fonts/xtal-14.bdf"));
		ASSERT_TRUE(goFontKanji.LoadBinFixed("./Data/Fonts/jis48.fnt", 48, 48, 0, true));
		ASSERT_TRUE(goFontKanji16.LoadBinFixed("./Data/Fonts/kijis16.fnt", 16, 16, 0, false));
		LibText_CManagerString::Instance()->SetLanguagePath("./Data/Languages");
		ASSERT_TRUE(LibText_CManagerString::Instance()->Load(0));
		ASSERT_TRUE(LibKanji_CDictionary::Instance()->Load("./Data/kanjidic"));
		ASSERT_TRUE(LibKanji_CStroke::Instance()->Load("./Data/FudemaruStroke.db"));
	}
	static void TearDownTestSuite()
	{
		LibKanji_CStroke::Instance()->Unload();
		LibKanji_CDictionary::Instance()->Unload();
		LibText_CManagerString::Instance()->Unload();
		for (LibText_CFont* pFont : {&goFontKanji16, &goFontKanji, &goFontAscii})
			pFont->UnloadFont();
	}
	void SetUp() override
	{
		GfxTest::SetUp();
		// The base textures are the theme's pictures of the real data.
		LibGen_CFileSystem::Instance()->SetCurrentDir(FUDEMARU_DATA_PARENT);
		CState_Intro::CreateTextPalettes();
		LibGfx_CManagerTexture::Instance()->LoadBaseTextures();
	}
	void TearDown() override
	{
		for (u8& u8Palette : gu8_Palettes)
			u8Palette = 0;
		GfxTest::TearDown();
	}

	static int LockedTextures()
	{
		int iCount = 0;
		for (int i = ke__Custom_Start; i <= ke__Custom_End; ++i)
			iCount += LibGfx_CManagerTexture::Instance()->mb_TextureUsed[i] ? 1 : 0;
		return iCount;
	}
	static SKanjiData* Record(u16 au16_Code) { return LibKanji_CDictionary::Instance()->GetKanjiFromEuc(au16_Code); }
	static bool IsShown(const LibGfx_CObjBase& ao_Object) { return ao_Object.mu32_State & LibGfx_CObjBase::ke_Obj_Visible; }
	static int LineCount(const std::string& as_Text)
	{
		return as_Text.empty() ? 0 : 1 + static_cast<int>(std::count(as_Text.begin(), as_Text.end(), '\n'));
	}
};

// Gives a dictionary record other texts of one kind while it lives.
class CRecordTexts
{
public:
	CRecordTexts(SKanjiData* ap_Kanji, SKanjiData::enumString ae_Kind, std::vector<std::string> ao_Texts)
		: mp_Kanji(ap_Kanji), me_Kind(ae_Kind), mpp_Saved(ap_Kanji->mpp_String[ae_Kind]),
		  mu8_Saved(ap_Kanji->mu8_StringCount[ae_Kind]), mo_Texts(std::move(ao_Texts))
	{
		for (std::string& oText : mo_Texts)
			mo_Pointers.push_back(&oText[0]);
		mp_Kanji->mpp_String[ae_Kind] = mo_Pointers.data();
		mp_Kanji->mu8_StringCount[ae_Kind] = static_cast<u8>(mo_Pointers.size());
	}
	~CRecordTexts()
	{
		mp_Kanji->mpp_String[me_Kind] = mpp_Saved;
		mp_Kanji->mu8_StringCount[me_Kind] = mu8_Saved;
	}

private:
	SKanjiData* mp_Kanji;
	SKanjiData::enumString me_Kind;
	char** mpp_Saved;
	u8 mu8_Saved;
	std::vector<std::string> mo_Texts;
	std::vector<char*> mo_Pointers;
};

#endif
