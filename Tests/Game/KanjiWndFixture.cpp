#include "KanjiWndFixture.h"

#include "Fudemaru.h"
#include "LibGen_CFileSystem.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CManagerCamera.h"
#include "LibGfx_CManagerTexture.h"
#include "LibGfx_CObjBase.h"
#include "LibKanji_CStroke.h"
#include "LibText_CManagerString.h"

LibGfx_COffscreen KanjiWnd::so_Screen;

namespace
{
	// The intro's text palettes, colours 0 to 3 of each.
	const u32 ku32_PaletteColors[ke_Palette__Total][4] = {
		{0x00000000, 0xFF000000, 0xFFFFFFFF, 0x00000000},
		{0x00000000, 0xFFFFFFFF, 0xFF000000, 0x00000000},
		{0x00000000, 0xFF1F1F1F, 0xFF000000, 0x00000000},
		{0x00000000, 0xFFEF3232, 0xFF000000, 0x00000000},
		{0x00000000, 0xFF32EF32, 0xFF000000, 0x00000000},
		{0x00000000, 0xFF3232EF, 0xFF000000, 0x00000000},
		{0xD0802020, 0xFF000000, 0xFFFFFFFF, 0x00000000},
		{0xD0802020, 0xFFFFFFFF, 0xFF000000, 0x00000000},
		{0x80404040, 0xFF000000, 0xFFFFFFFF, 0xFF00C000},
	};
}

void KanjiWnd::SetUpTestSuite()
{
	ASSERT_TRUE(so_Screen.Create(480, 272));
	LibGen_CFileSystem::Instance()->SetCurrentDir(FUDEMARU_DATA_PARENT);
	gCameraStart.SetPos(CVector3d<float>(0, 0, 328.33304f), CVector3d<float>(0, 0, 0));
	ASSERT_TRUE(LibGfx_CEngine::Instance()->Load());
	LibGfx_CManagerTexture* pTextures = LibGfx_CManagerTexture::Instance();
	for (int i = 0; i < ke_Palette__Total; ++i)
	{
		gu8_Palettes[i] = pTextures->LockPalette();
		pTextures->SetPalette(gu8_Palettes[i], ku32_PaletteColors[i], 4);
	}
	pTextures->LoadBaseTextures();
	ASSERT_TRUE(goFontAscii.LoadBdf("./Data/Fonts/xtal-14.bdf"));
	ASSERT_TRUE(goFontKanji.LoadBinFixed("./Data/Fonts/jis48.fnt", 48, 48, 0, true));
	ASSERT_TRUE(goFontKanji16.LoadBinFixed("./Data/Fonts/kijis16.fnt", 16, 16, 0, false));
	LibText_CManagerString::Instance()->SetLanguagePath("./Data/Languages");
	ASSERT_TRUE(LibText_CManagerString::Instance()->Load(0));
	ASSERT_TRUE(LibKanji_CDictionary::Instance()->Load("./Data/kanjidic"));
	ASSERT_TRUE(LibKanji_CStroke::Instance()->Load("./Data/FudemaruStroke.db"));
}

void KanjiWnd::TearDownTestSuite()
{
	LibKanji_CStroke::Instance()->Unload();
	LibKanji_CDictionary::Instance()->Unload();
	LibText_CManagerString::Instance()->Unload();
	goFontKanji16.UnloadFont();
	goFontKanji.UnloadFont();
	goFontAscii.UnloadFont();
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

void KanjiWnd::DrawFrame()
{
	LibGfx_CEngine* pEngine = LibGfx_CEngine::Instance();
	pEngine->Update();
	LibGfx_CManagerCamera::Instance()->Update();
	ASSERT_TRUE(pEngine->SceneBegin());
	pEngine->SceneRender();
	pEngine->SceneEnd();
}

int KanjiWnd::LockedTextures()
{
	const LibGfx_CManagerTexture* pTextures = LibGfx_CManagerTexture::Instance();
	int iCount = 0;
	for (int i = ke__Custom_Start; i <= ke__Custom_End; ++i)
		iCount += pTextures->mb_TextureUsed[i] ? 1 : 0;
	return iCount;
}

SKanjiData* KanjiWnd::Record(u16 au16_Code)
{
	return LibKanji_CDictionary::Instance()->GetKanjiFromEuc(au16_Code);
}

int LineCount(const char* as_Text)
{
	if (as_Text == nullptr || *as_Text == 0)
		return 0;
	int iCount = 1;
	for (; *as_Text != 0; ++as_Text)
		iCount += *as_Text == '\n' ? 1 : 0;
	return iCount;
}

CRecordTexts::CRecordTexts(SKanjiData* ap_Kanji, SKanjiData::enumString ae_Kind, const std::vector<std::string>& ao_Texts)
	: mp_Kanji(ap_Kanji), me_Kind(ae_Kind), mpp_Saved(ap_Kanji->mpp_String[ae_Kind]),
	  mu8_SavedCount(ap_Kanji->mu8_StringCount[ae_Kind]), mo_Texts(ao_Texts)
{
	for (std::string& oText : mo_Texts)
		mo_Pointers.push_back(&oText[0]);
	mp_Kanji->mpp_String[ae_Kind] = mo_Pointers.empty() ? nullptr : mo_Pointers.data();
	mp_Kanji->mu8_StringCount[ae_Kind] = static_cast<u8>(mo_Pointers.size());
}

CRecordTexts::~CRecordTexts()
{
	mp_Kanji->mpp_String[me_Kind] = mpp_Saved;
	mp_Kanji->mu8_StringCount[me_Kind] = mu8_SavedCount;
}
