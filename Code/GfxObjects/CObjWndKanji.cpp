#include "CObjWndKanji.h"

#include "Fudemaru.h"
#include "LibGen_Utils.h"
#include "LibText_CManagerString.h"

#include <cstdio>
#include <cstring>

CObjWndKanji::CObjWndKanji()
	: mb_ShowKanji(0), mu8_MeaningMax(0), mu8_OnMax(0), mu8_KunMax(0), mu16_Kanji(0),
	  mapo_Text{&mo_TxtKanji, &mo_TxtMeaning, &mo_TxtOn, &mo_TxtKun}
{
	for (LibGfx_CObjText* pText : mapo_Text)
	{
		pText->SetParent(this);
		pText->mu32_Align = ke_Align_Left | ke_Align_Top;
	}
	Unload();
}

void CObjWndKanji::Unload()
{
	for (LibGfx_CObjText* pText : mapo_Text)
		pText->Unload();
	SetVisible(false);
	mb_ShowKanji = 0;
	mu8_MeaningMax = 0;
	mu8_OnMax = 0;
	mu8_KunMax = 0;
}

void CObjWndKanji::SetLayoutKanjiParts()
{
	SetText(mo_TxtKanji, 64, 64, &goFontKanji, LibText_CTextBase::ke_TxtType_Euc, ke_Palette_0, 0, 0);
	// NOTE: four lines with their gaps take 70 units, six more than the glyph: the meanings and
	// the window's bottom edge move down by as much.
	SetText(mo_TxtKun, 96, ku16_KunHeight, &goFontKanji16, LibText_CTextBase::ke_TxtType_Euc, ke_Palette_0, 64, 0, ku8_ListGap);
	mo_TxtKun.TxtSetLightMark(kc_Okurigana);
	SetText(mo_TxtOn, 64, 16, &goFontKanji16, LibText_CTextBase::ke_TxtType_Euc, ke_Palette_0, 0, -48);
	mb_ShowKanji = 1;
	mu8_KunMax = 4;
	mu8_OnMax = 1;
}

void CObjWndKanji::SetLayout_A_All()
{
	Unload();
	SetLayoutKanjiParts();
	SetText(mo_TxtMeaning, 160, 64, nullptr, LibText_CTextBase::ke_TxtType_Ascii, ke_Palette_0, 0, -ku16_KunHeight);
	mu8_MeaningMax = 4;
	Set(CVector2d<float>(160, 64 + ku16_KunHeight), ke_WinTheme_Alt);
	LoadKanji(0);
}

void CObjWndKanji::SetLayout_A_Kanji()
{
	Unload();
	SetLayoutKanjiParts();
	Set(CVector2d<float>(160, ku16_KunHeight), ke_WinTheme_Alt);
	LoadKanji(0);
}

void CObjWndKanji::SetLayout_A_Traduct()
{
	Unload();
	SetText(mo_TxtMeaning, 128, 64, nullptr, LibText_CTextBase::ke_TxtType_Ascii, ke_Palette_0, 0, 0);
	mu8_MeaningMax = 4;
	Set(CVector2d<float>(128, 64), ke_WinTheme_Alt);
	LoadKanji(0);
}

void CObjWndKanji::LoadKanji(u16 au16_Code)
{
	SetVisible(true);
	if (au16_Code != 0)
		mu16_Kanji = au16_Code;
	// Hidden before the record is looked up, so that a code without one leaves the window
	// empty instead of showing the previous kanji.
	for (LibGfx_CObjText* p_Text : mapo_Text)
		p_Text->SetVisible(false);
	const SKanjiData* p_Kanji = LibKanji_CDictionary::Instance()->FindKanjiFromEuc(mu16_Kanji);
	if (p_Kanji == nullptr)
		return;

	if (mb_ShowKanji)
	{
		char s_Glyph[3];
		GlyphText(mu16_Kanji, s_Glyph);
		mo_TxtKanji.TxtSetText(s_Glyph, true);
		mo_TxtKanji.SetVisible(true);
	}
	if (mu8_OnMax != 0)
		LoadStrings(mo_TxtOn, p_Kanji->mpp_String[SKanjiData::ke_String_On], p_Kanji->mu8_StringCount[SKanjiData::ke_String_On],
		            mu8_OnMax, false);
	if (mu8_KunMax != 0)
	{
		const char* ap_Kun[SKanjiData::ku_Kun_Max];
		LoadStrings(mo_TxtKun, ap_Kun, p_Kanji->GetKunReadings(ap_Kun), mu8_KunMax, false);
	}
	if (mu8_MeaningMax != 0)
	{
		const char* ap_Meaning[LibKanji_CKanjiTexts::ku_Meaning_Max];
		LoadStrings(mo_TxtMeaning, ap_Meaning, GetMeanings(*p_Kanji, ap_Meaning), mu8_MeaningMax, true);
	}
}

u8 CObjWndKanji::GetMeanings(const SKanjiData& ao_Kanji, const char* (&ap_Texts)[LibKanji_CKanjiTexts::ku_Meaning_Max])
{
	return LibKanji_CKanjiTexts::Instance()->GetMeanings(&ao_Kanji, LibText_CManagerString::Instance()->GetLanguage(), ap_Texts);
}

void CObjWndKanji::LoadStrings(LibGfx_CObjText& ao_Text, const char* const* ap_Texts, u16 au16_Count, u8 au8_Max, bool ab_ShowEmpty)
{
	if (au16_Count == 0 && !ab_ShowEmpty)
		return;
	// A card shows its first few on purpose: only those its box cannot hold count as left out.
	const u16 u16_Shown = au16_Count < au8_Max ? au16_Count : au8_Max;
	SetListText(ao_Text, ap_Texts, u16_Shown, u16_Shown, "\n");
	ao_Text.SetVisible(true);
}

u32 CObjWndKanji::JoinStrings(const char* const* ap_Texts, u16 au16_Count, u16 au16_Max,
                              const char* as_Separator, char* as_Buffer, u32 au_Size)
{
	LIBGEN_ASSERT(au_Size != 0);
	as_Buffer[0] = 0;
	u32 uLength = 0;
	const u16 u16Count = au16_Count < au16_Max ? au16_Count : au16_Max;
	for (u16 i = 0; i < u16Count; ++i)
	{
		const char* sText = ap_Texts[i];
		if ((i != 0 && !AppendText(as_Separator, as_Buffer, au_Size, uLength))
		    || !AppendText(sText ? sText : "", as_Buffer, au_Size, uLength))
			break;
	}
	return uLength;
}

bool CObjWndKanji::AppendText(const char* as_Text, char* as_Buffer, u32 au_Size, u32& au_Length)
{
	LIBGEN_ASSERT(au_Length < au_Size);
	const u8* pText = reinterpret_cast<const u8*>(as_Text);
	bool bWhole = true;
	while (*pText != 0)
	{
		// A byte of 0x80 or above starts a two-byte character: both fit or neither does.
		const u32 uChar = (pText[0] >= 0x80 && pText[1] != 0) ? 2 : 1;
		if (au_Length + uChar >= au_Size)
		{
			bWhole = false;
			break;
		}
		memcpy(as_Buffer + au_Length, pText, uChar);
		au_Length += uChar;
		pText += uChar;
	}
	as_Buffer[au_Length] = 0;
	return bWhole;
}

void CObjWndKanji::SetListText(LibGfx_CObjText& ao_Text, const char* const* ap_Items, u16 au16_Count, u16 au16_Total,
                               const char* as_Separator)
{
	char s_Text[ku_Text_Size];
	for (u16 u16_Shown = au16_Count;; --u16_Shown)
	{
		u32 u_Length = JoinStrings(ap_Items, au16_Count, u16_Shown, as_Separator, s_Text, sizeof(s_Text));
		if (u16_Shown < au16_Total)
		{
			char s_More[16];
			snprintf(s_More, sizeof(s_More), "+%u", static_cast<unsigned>(au16_Total - u16_Shown));
			if (u16_Shown == 0 || AppendText(as_Separator, s_Text, sizeof(s_Text), u_Length))
				AppendText(s_More, s_Text, sizeof(s_Text), u_Length);
		}
		ao_Text.TxtSetText(s_Text, true);
		ao_Text.TxtParseString();
		// A single item taller than the box is shown as far as it goes.
		if (ao_Text.TxtGetLineCount() <= ao_Text.TxtGetLineCapacity() || u16_Shown <= 1)
			return;
	}
}

void CObjWndKanji::GlyphText(u16 au16_Code, char (&as_Glyph)[3])
{
	as_Glyph[0] = static_cast<char>(au16_Code >> 8);
	as_Glyph[1] = static_cast<char>(au16_Code & 0xFF);
	as_Glyph[2] = 0;
}

void CObjWndKanji::SetText(LibGfx_CObjText& ao_Text, u16 au16_Width, u16 au16_Height, const LibText_CFont* ap_FontKanji,
                           LibText_CTextBase::enumTxtType ae_Type, enumPalettes ae_Palette, float af_X, float af_Y,
                           u8 au8_LineGap)
{
	// The palette first: the texture the size builds takes it.
	ao_Text.TxtSetPalette(gu8_Palettes[ae_Palette]);
	ao_Text.TxtSetFont(&goFontAscii, ap_FontKanji);
	ao_Text.TxtSetTextType(ae_Type);
	ao_Text.TxtSetLineGap(au8_LineGap);
	if (au16_Width != 0)
		ao_Text.TxtSetSize(au16_Width, au16_Height);
	else
		ao_Text.TxtSetAutoSize(true);
	ao_Text.mo_Pos = CVector3d<float>(af_X, af_Y, 0);
	ao_Text.mu32_State |= ke_Obj_Visible | ke_Obj_Dirty;
}
