#ifndef KANJIWNDFIXTURE_H
#define KANJIWNDFIXTURE_H

#include "Fudemaru.h"
#include "GameMode/CState_Intro.h"
#include "LibGen_CFileSystem.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CManagerCamera.h"
#include "LibGfx_CManagerTexture.h"
#include "LibGfx_CObjBase.h"
#include "LibGfx_COffscreen.h"
#include "LibKanji_CDictionary.h"
#include "LibKanji_CStroke.h"
#include "LibText_CManagerString.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// The shared objects as the intro and the loading state leave them, on the build's real data:
// engine over an offscreen frame, the nine text palettes, base textures, fonts, English strings,
// dictionary and strokes. Set up once for the suite.
class KanjiWnd : public ::testing::Test
{
protected:
	static void SetUpTestSuite()
	{
		ASSERT_TRUE(so_Screen.Create(480, 272));
		LibGen_CFileSystem::Instance()->SetCurrentDir(FUDEMARU_DATA_PARENT);
		gCameraStart.SetPos(CVector3d<float>(0, 0, 328.33304f), CVector3d<float>(0, 0, 0));
		ASSERT_TRUE(LibGfx_CEngine::Instance()->Load());
		LibGfx_CManagerTexture* pTextures = LibGfx_CManagerTexture::Instance();
		CState_Intro::CreateTextPalettes();
		pTextures->LoadBaseTextures();
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
		LibGfx_CEngine::Instance()->Unload();
		LibGfx_CObjBase::so_RootObject.mu32_State = LibGfx_CObjBase::ke_Obj_Dirty;
		delete LibGfx_CManagerTexture::sp_instance;
		LibGfx_CManagerTexture::sp_instance = nullptr;
		delete LibGfx_CManagerCamera::sp_instance;
		LibGfx_CManagerCamera::sp_instance = nullptr;
		for (u8& u8Palette : gu8_Palettes)
			u8Palette = 0;
		so_Screen.Destroy();
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

	static inline LibGfx_COffscreen so_Screen;
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
