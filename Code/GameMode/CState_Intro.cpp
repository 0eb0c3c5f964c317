#include "GameMode/CState_Intro.h"

#include "CConfig.h"
#include "GameMode/CState_Loading.h"
#include "GameMode/GameView.h"
#include "LibGen_CFileSystem.h"
#include "LibGen_CManagerPlugin.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CManagerCamera.h"
#include "LibGfx_CManagerMenu.h"
#include "LibGfx_CManagerTexture.h"
#include "LibGfx_CManagerTooltip.h"
#include "LibInput_ManagerKey.h"
#include "LibText_CManagerString.h"
#include "StringIds.h"

namespace
{
	// Colours 0-3 of the nine text palettes, ARGB (alpha in the top byte). Colour 3 of palette 0
	// is the lighter ink of the okurigana after a reading's stem.
	const unsigned int cu_PaletteText[ke_Palette__Total][4] = {
		{0x00000000, 0xFF000000, 0xFFFFFFFF, 0xFF767676},
		{0x00000000, 0xFFFFFFFF, 0xFF000000, 0x00000000},
		{0x00000000, 0xFF1F1F1F, 0xFF000000, 0x00000000},
		{0x00000000, 0xFFEF3232, 0xFF000000, 0x00000000},
		{0x00000000, 0xFF32EF32, 0xFF000000, 0x00000000},
		{0x00000000, 0xFF3232EF, 0xFF000000, 0x00000000},
		{0xD0802020, 0xFF000000, 0xFFFFFFFF, 0x00000000},
		{0xD0802020, 0xFFFFFFFF, 0xFF000000, 0x00000000},
		{0x80404040, 0xFF000000, 0xFFFFFFFF, 0xFF00C000},
	};

	// NOTE: the table names its colours 0xAARRGGBB (palette 3 is red), while a texel keeps red
	// in its lowest byte: red and blue trade places on the way in.
	u32 ArgbToTexel(u32 au32_Argb)
	{
		return (au32_Argb & 0xFF00FF00u) | ((au32_Argb >> 16) & 0xFFu) | ((au32_Argb & 0xFFu) << 16);
	}

}

void CState_Intro::SetPaletteText(enumPalettes ae_Palette, unsigned int au_Color0, unsigned int au_Color1,
                                  unsigned int au_Color2, unsigned int au_Color3)
{
	LibGfx_CManagerTexture* pTextures = LibGfx_CManagerTexture::Instance();
	const u8 u8_Slot = pTextures->LockPalette();
	gu8_Palettes[ae_Palette] = u8_Slot;
	const u32 au32_Colors[4] = {ArgbToTexel(au_Color0), ArgbToTexel(au_Color1), ArgbToTexel(au_Color2),
	                            ArgbToTexel(au_Color3)};
	pTextures->SetPalette(u8_Slot, au32_Colors, 4);
}

void CState_Intro::CreateTextPalettes()
{
	for (u8 i = 0; i < ke_Palette__Total; ++i)
	{
		const unsigned int* pColor = cu_PaletteText[i];
		SetPaletteText(static_cast<enumPalettes>(i), pColor[0], pColor[1], pColor[2], pColor[3]);
	}
}

void CState_Intro::LoadOnce()
{
	LibGfx_CEngine* pEngine = LibGfx_CEngine::Instance();
	pEngine->Load();

	CConfig oConfig;
	oConfig.Load(LibGen_CFileSystem::Instance()->GetCurrentDir());

	goFontAscii.LoadBdf(ks_FontAsciiFile);
	goFontAsciiSmall.LoadBdf(ks_FontAsciiSmallFile);
	CreateTextPalettes();
	LibGfx_CManagerTexture::Instance()->LoadBaseTextures();
	LibInput_ManagerKey::Instance()->Load();
	LibGfx_CManagerMenu::Instance()->Load();

	// The start order is the update order for the rest of the run: input is read before any
	// state runs, and the tooltip bar follows the camera of the same frame.
	pEngine->Start();
	LibInput_ManagerKey::Instance()->Start();
	LibGen_CManagerPlugin::Instance()->Start();
	LibGfx_CManagerCamera::Instance()->Start();
	LibGfx_CManagerTooltip::Instance()->Start();

	LibText_CManagerString* pStrings = LibText_CManagerString::Instance();
	pStrings->SetLanguagePath(ks_LanguageFolder);
	pStrings->Load(oConfig.mu8_Language);

	LibGfx_CManagerTooltip* pTooltip = LibGfx_CManagerTooltip::Instance();
	// NOTE: a smaller face than the windows': a title, a counter and up to five hints share the
	// bar's width in every language.
	pTooltip->Load(&goFontAsciiSmall, gu8_Palettes[ke_Palette_1]);
	pTooltip->SetTxtMain(0, ke_String_GameTitle);

	gCameraStart.SetPos(CVector3d<float>(0.0f, 0.0f, kf_View_Distance), CVector3d<float>(0.0f, 0.0f, 0.0f));
	pEngine->LoadBg(ks_View_BackgroundIntro);

	mo_Window.Set(CVector2d<float>(300.0f, 120.0f), LibGfx_CObjWndThemed::ke_WinTheme_Default);
	mo_Window.SetParent(nullptr);
	mo_Window.SetVisible(true);

	mo_Text.TxtSetSize(256, 128);
	mo_Text.mo_Pos.y = -6.0f;
	mo_Text.mu32_State |= LibGfx_CObjBase::ke_Obj_Dirty;
	mo_Text.TxtSetFont(&goFontAscii);
	mo_Text.TxtSetPalette(gu8_Palettes[ke_Palette_0]);
	mo_Text.TxtSetTextId(ke_String_Welcome);
	mo_Text.SetParent(&mo_Window);
	mo_Text.SetVisible(true);

	mo_Window.Show();
}

void CState_Intro::LoadAlways()
{
	mo_Text.Reload();
}

void CState_Intro::Main()
{
	if (LibInput_ManagerKey::Instance()->KeyReleaseAny(static_cast<eKeys>(ku_Key_FaceMask)))
		(new CState_Loading())->State_Add();
}

void CState_Intro::UnloadAlways()
{
	mo_Text.Unload();
	mo_Window.SetVisible(false);
}

void CState_Intro::UnloadOnce()
{
	delete LibInput_ManagerKey::sp_instance;
	LibInput_ManagerKey::sp_instance = nullptr;
	delete LibText_CManagerString::sp_instance;
	LibText_CManagerString::sp_instance = nullptr;
	LibGfx_CManagerMenu::Instance()->Unload();
	LibGfx_CEngine::Instance()->Unload();
}
