#include "CObjWndKanjiDetail.h"

#include "CObjWndKanji.h"
#include "Fudemaru.h"
#include "LibGfx_CManagerTexture.h"
#include "LibGfx_Utilities.h"
#include "LibKanji_CKanjiTexts.h"
#include "LibKanji_CStroke.h"
#include "StringIds.h"

#include <cstdio>
#include <cstring>

namespace
{
	const float kf_ClientWidth = 448;
	const float kf_ClientHeight = 197;
	// Strokes are sampled every 5 pixels of the texture.
	const float kf_StrokeStep = 5;
	// Strokes shorter than this are traced at half a pixel per frame.
	const float kf_ShortStroke = 20;
	// L steps of 1 / L fall a hair short of 1 in floating point: without this margin a stroke of
	// whole length L would take L + 1 frames. It stays far below one step of any stroke that fits.
	const float kf_RatioMargin = 1e-4f;
	// The reading and same-radical columns. NOTE: they start right of where the value column
	// (x = 70) can reach: its widest line, a code such as 0xDADC, takes 61 pixels of the Latin
	// font, which ran into the kun readings at x = 120.
	const float kf_KunX = 134;
	const float kf_OnX = 232;
	const float kf_RadicalX = 298;
	const u16 ku16_RadicalWidth = static_cast<u16>(kf_ClientWidth - 4 - kf_RadicalX);
	// The columns' labels, 15 units high, end above their lists at y = -70 (at -56 they reached
	// one unit into them).
	const float kf_LabelY = -54;
	const float kf_ListY = -70;
	// Seven lines of the Japanese font and their gaps end 3 units above the client area's
	// bottom edge (eight ran into the frame).
	const u16 ku16_ListHeight = 7 * 16 + 6 * CObjWndKanji::ku8_ListGap;
	// A line of the same-radical list: the kanji, a space and the start of its first meaning.
	const u32 ku_RadicalLine_Size = 96;

	// A value the dictionary leaves at 0 (no grade, no frequency rank) shows a dash: the Japanese
	// font's hyphen, 6 pixels at mid height (the Latin font has no en dash, and the font's minus
	// sign looks like the radical 一 on the line below).
	void ValueText(u16 au16_Value, char (&as_Text)[8])
	{
		snprintf(as_Text, sizeof(as_Text), au16_Value != 0 ? "%u" : "\xA1\xBE", static_cast<unsigned>(au16_Value));
	}
}

CObjWndKanjiDetail::CObjWndKanjiDetail()
	: mu8_StrokeCur(0), mf_StrokeRatio(0), mu16_Kanji(0), mu16_TextureId(ke_Tex_None),
	  mapo_Text{&mo_TxtKanji, &mo_TxtLabel, &mo_TxtValue, &mo_TxtMeaning, &mo_TxtKunLabel, &mo_TxtKun, &mo_TxtOnLabel,
	            &mo_TxtOn, &mo_TxtRadicalLabel, &mo_TxtRadical},
	  mb_ShowWords(false)
{
	for (LibGfx_CObjText* p_Text : mapo_Text)
	{
		p_Text->SetParent(this);
		p_Text->mu32_Align = ke_Align_Left | ke_Align_Top;
	}
}

CObjWndKanjiDetail::~CObjWndKanjiDetail()
{
	// The stroke texture is a slot of the texture manager, not a member.
	Unload();
}

void CObjWndKanjiDetail::Unload()
{
	// Every text lets its texture go, so that a hidden page holds no texture memory.
	for (LibGfx_CObjText* pText : mapo_Text)
		pText->Unload();
	RemPoly(&mo_PolyStroke);
	LibGfx_CManagerTexture::Instance()->FreeTexture(mu16_TextureId);
	mu16_TextureId = ke_Tex_None;
	mv_Stroke.clear();
	SetVisible(false);
}

void CObjWndKanjiDetail::LoadKanji(u16 au16_Code)
{
	Unload();
	if (au16_Code != 0)
		mu16_Kanji = au16_Code;
	// A code without a record leaves the page empty.
	Set(CVector2d<float>(kf_ClientWidth, kf_ClientHeight), ke_WinTheme_Alt);
	mo_Pos.y = 16;
	mu32_State |= ke_Obj_Visible | ke_Obj_Dirty;
	const SKanjiData* p_Kanji = LibKanji_CDictionary::Instance()->FindKanjiFromEuc(mu16_Kanji);
	if (p_Kanji == nullptr)
		return;

	LoadStrokeTexture();
	LibKanji_CStroke::Instance()->GetStrokes(mu16_Kanji, CVector2d<unsigned short>(ku_Stroke_Size, ku_Stroke_Size),
	                                         kf_StrokeStep, mv_Stroke);
	ReplayAnim();
	if (mv_Stroke.empty())
	{
		CObjWndKanji::SetText(mo_TxtKanji, 64, 64, &goFontKanji, LibText_CTextBase::ke_TxtType_Euc, ke_Palette_0, 24, -24);
		char s_Glyph[3];
		CObjWndKanji::GlyphText(mu16_Kanji, s_Glyph);
		mo_TxtKanji.TxtSetText(s_Glyph, true);
	}
	LoadValues(*p_Kanji);

	const char* ap_Meaning[LibKanji_CKanjiTexts::ku_Meaning_Max];
	const u8 u8_Meanings = CObjWndKanji::GetMeanings(*p_Kanji, ap_Meaning);
	CObjWndKanji::SetText(mo_TxtMeaning, 320, 42, nullptr, LibText_CTextBase::ke_TxtType_Ascii, ke_Palette_0, 120, -8);
	CObjWndKanji::SetListText(mo_TxtMeaning, ap_Meaning, u8_Meanings, u8_Meanings, " - ");

	LoadColumns(*p_Kanji);
	LoadSideColumn(*p_Kanji);
}

void CObjWndKanjiDetail::ShowWords(bool ab_Words)
{
	mb_ShowWords = ab_Words;
	const SKanjiData* p_Kanji = LibKanji_CDictionary::Instance()->FindKanjiFromEuc(mu16_Kanji);
	if (p_Kanji != nullptr && (mu32_State & ke_Obj_Visible))
		LoadSideColumn(*p_Kanji);
}

void CObjWndKanjiDetail::LoadSideColumn(const SKanjiData& ao_Kanji)
{
	CObjWndKanji::SetText(mo_TxtRadicalLabel, 0, 0, nullptr, LibText_CTextBase::ke_TxtType_Ascii, ke_Palette_7, kf_RadicalX, kf_LabelY);
	mo_TxtRadicalLabel.TxtSetTextId(mb_ShowWords ? ke_String_WordsLabel : ke_String_RadicalLabel);
	CObjWndKanji::SetText(mo_TxtRadical, ku16_RadicalWidth, ku16_ListHeight, &goFontKanji16, LibText_CTextBase::ke_TxtType_Euc,
	                      ke_Palette_0, kf_RadicalX, kf_ListY, CObjWndKanji::ku8_ListGap);
	if (mb_ShowWords)
		LoadWordList(ao_Kanji);
	else
		LoadRadicalList(ao_Kanji);
}

void CObjWndKanjiDetail::LoadWordList(const SKanjiData& ao_Kanji)
{
	LibKanji_CKanjiTexts::SWord ao_Word[LibKanji_CKanjiTexts::ku_Word_Max];
	const u8 u8_Words = LibKanji_CKanjiTexts::Instance()->GetWords(&ao_Kanji, ao_Word);
	// The English gloss comes last: a line too long for its buffer loses its end, never half a kanji.
	char as_Line[LibKanji_CKanjiTexts::ku_Word_Max][ku_RadicalLine_Size];
	const char* ap_Line[LibKanji_CKanjiTexts::ku_Word_Max];
	for (u8 i = 0; i < u8_Words; ++i)
	{
		snprintf(as_Line[i], sizeof(as_Line[i]), "%s %s %s", ao_Word[i].ms_Word, ao_Word[i].ms_Reading, ao_Word[i].ms_Gloss);
		ap_Line[i] = as_Line[i];
	}
	CObjWndKanji::SetListText(mo_TxtRadical, ap_Line, u8_Words, u8_Words, "\n");
}

void CObjWndKanjiDetail::LoadStrokeTexture()
{
	LibGfx_CManagerTexture* pTextures = LibGfx_CManagerTexture::Instance();
	mu16_TextureId = pTextures->LockTexture();
	const SPicInfo oPic = {nullptr, ku_Stroke_Size, ku_Stroke_Size, ke_PixelFormat_Pal8};
	LibGfx_CTexture* pTexture = pTextures->GetTexture(mu16_TextureId);
	pTexture->Init(oPic, false);
	pTexture->mu16_PaletteId = gu8_Palettes[ke_Palette_8];

	// 4 pixels right of and below the client area's top-left corner.
	const CVector3d<float> oCorner1(-kf_ClientWidth * 0.5f + 4, kf_ClientHeight * 0.5f - 4, 0);
	const CVector3d<float> oCorner2(oCorner1.x + ku_Stroke_Size, oCorner1.y - ku_Stroke_Size, 0);
	mo_PolyStroke.Set(oCorner1, oCorner2, pTexture);
	AddPoly(&mo_PolyStroke);
}

void CObjWndKanjiDetail::LoadValues(const SKanjiData& ao_Kanji)
{
	CObjWndKanji::SetText(mo_TxtLabel, 64, 80, &goFontKanji16, LibText_CTextBase::ke_TxtType_Ascii, ke_Palette_7, 6, -108);
	mo_TxtLabel.TxtSetTextId(ke_String_DetailLabels);

	const SKanjiData* p_Radical = LibKanji_CDictionary::Instance()->GetKanjiFromRadical(ao_Kanji.mu16_Info[SKanjiData::ke_Info_R]);
	const u16 u16_Radical = p_Radical != nullptr ? p_Radical->mu16_Info[SKanjiData::ke_Info_EU] : 0x2020;
	char s_Grade[8], s_Frequency[8];
	ValueText(ao_Kanji.mu16_Info[SKanjiData::ke_Info_G], s_Grade);
	ValueText(ao_Kanji.mu16_Info[SKanjiData::ke_Info_F], s_Frequency);
	CObjWndKanji::SetText(mo_TxtValue, 64, 80, &goFontKanji16, LibText_CTextBase::ke_TxtType_Euc, ke_Palette_0, 70, -108);
	mo_TxtValue.TxtFormat("0x%04X\n%02i\n%s\n%c%c\n%s", ao_Kanji.mu16_Info[SKanjiData::ke_Info_EU],
	                      ao_Kanji.mu16_Info[SKanjiData::ke_Info_S], s_Grade, u16_Radical >> 8, u16_Radical & 0xFF, s_Frequency);
}

void CObjWndKanjiDetail::LoadColumns(const SKanjiData& ao_Kanji)
{
	// Labels are sized to their strings.
	CObjWndKanji::SetText(mo_TxtKunLabel, 0, 0, nullptr, LibText_CTextBase::ke_TxtType_Ascii, ke_Palette_7, kf_KunX, kf_LabelY);
	mo_TxtKunLabel.TxtSetTextId(ke_String_KunLabel);
	CObjWndKanji::SetText(mo_TxtOnLabel, 0, 0, nullptr, LibText_CTextBase::ke_TxtType_Ascii, ke_Palette_7, kf_OnX, kf_LabelY);
	mo_TxtOnLabel.TxtSetTextId(ke_String_OnLabel);

	const char* ap_Kun[SKanjiData::ku_Kun_Max];
	const u16 u16_Kun = ao_Kanji.GetKunReadings(ap_Kun);
	CObjWndKanji::SetText(mo_TxtKun, 96, ku16_ListHeight, &goFontKanji16, LibText_CTextBase::ke_TxtType_Euc, ke_Palette_0,
	                      kf_KunX, kf_ListY, CObjWndKanji::ku8_ListGap);
	mo_TxtKun.TxtSetLightMark(CObjWndKanji::kc_Okurigana);
	CObjWndKanji::SetListText(mo_TxtKun, ap_Kun, u16_Kun, u16_Kun, "\n");
	const u8 u8_On = ao_Kanji.mu8_StringCount[SKanjiData::ke_String_On];
	CObjWndKanji::SetText(mo_TxtOn, 64, ku16_ListHeight, &goFontKanji16, LibText_CTextBase::ke_TxtType_Euc, ke_Palette_0,
	                      kf_OnX, kf_ListY, CObjWndKanji::ku8_ListGap);
	CObjWndKanji::SetListText(mo_TxtOn, ao_Kanji.mpp_String[SKanjiData::ke_String_On], u8_On, u8_On, "\n");
}

void CObjWndKanjiDetail::LoadRadicalList(const SKanjiData& ao_Kanji)
{
	// The first lines are written out, every kanji of the radical is counted: the list says how
	// many it leaves out.
	char as_Line[ku_Radical_LineMax][ku_RadicalLine_Size];
	const char* ap_Line[ku_Radical_LineMax];
	u16 u16_Lines = 0;
	u16 u16_Total = 0;
	const u16 u16_Radical = ao_Kanji.mu16_Info[SKanjiData::ke_Info_R];
	const LibKanji_CDictionary* p_Dictionary = LibKanji_CDictionary::Instance();
	// A kanji without a radical shares it with nothing.
	for (u16 i = 0; u16_Radical != 0 && i < p_Dictionary->GetKanjiTotal(); ++i)
	{
		const SKanjiData* p_Kanji = p_Dictionary->GetRecord(i);
		const u16 u16_Code = p_Kanji->mu16_Info[SKanjiData::ke_Info_EU];
		if (u16_Code == 0 || p_Kanji->mu16_Info[SKanjiData::ke_Info_R] != u16_Radical)
			continue;
		++u16_Total;
		if (u16_Lines >= ku_Radical_LineMax)
			continue;
		const char* ap_Meaning[LibKanji_CKanjiTexts::ku_Meaning_Max];
		const char* s_Meaning = CObjWndKanji::GetMeanings(*p_Kanji, ap_Meaning) != 0 ? ap_Meaning[0] : "";
		snprintf(as_Line[u16_Lines], sizeof(as_Line[u16_Lines]), "%c%c %s", u16_Code >> 8, u16_Code & 0xFF, s_Meaning);
		ap_Line[u16_Lines] = as_Line[u16_Lines];
		++u16_Lines;
	}
	CObjWndKanji::SetListText(mo_TxtRadical, ap_Line, u16_Lines, u16_Total, "\n");
}

u8* CObjWndKanjiDetail::GetPixels()
{
	if (mu16_TextureId == ke_Tex_None)
		return nullptr;
	LibGfx_CTexture* pTexture = LibGfx_CManagerTexture::Instance()->GetTexture(mu16_TextureId);
	// The slot may have been emptied behind the window's back: never draw outside its pixels.
	if (pTexture->mu16_Width != ku_Stroke_Size || pTexture->mu16_Height != ku_Stroke_Size || pTexture->GetRowSize() != ku_Stroke_Size)
		return nullptr;
	return pTexture->mp_Data;
}

void CObjWndKanjiDetail::DrawLine(u8* ap_Pixels, const CVector2d<float>& ao_From, const CVector2d<float>& ao_To,
                                  u8 au8_Thickness, u8 au8_Value)
{
	LibGfx_DrawLine(ao_From, ao_To, au8_Thickness, ap_Pixels, CVector2d<unsigned short>(ku_Stroke_Size, ku_Stroke_Size), au8_Value);
}

void CObjWndKanjiDetail::DrawStroke(u8* ap_Pixels, const LibGen_CPath& ao_Stroke, float af_Ratio, u8 au8_Thickness, u8 au8_Value)
{
	const unsigned int uCount = ao_Stroke.GetVertexCount();
	if (uCount == 0)
		return;
	const bool bWhole = af_Ratio >= 1;
	unsigned int uLast = 0;
	// Whole segments first: those that end before the ratio.
	for (; uLast + 1 < uCount; ++uLast)
	{
		if (!bWhole && ao_Stroke.GetVertexPathRatio(uLast + 1) >= af_Ratio)
			break;
		DrawLine(ap_Pixels, *ao_Stroke.GetVertex(uLast), *ao_Stroke.GetVertex(uLast + 1), au8_Thickness, au8_Value);
	}
	if (bWhole)
		return;
	CVector2d<float> oPos = *ao_Stroke.GetVertex(uLast);
	ao_Stroke.GetPathPosition(af_Ratio, oPos);
	DrawLine(ap_Pixels, *ao_Stroke.GetVertex(uLast), oPos, au8_Thickness, au8_Value);
}

void CObjWndKanjiDetail::ReplayAnim()
{
	mu8_StrokeCur = 0;
	mf_StrokeRatio = 0;
	u8* pPixels = GetPixels();
	if (pPixels == nullptr)
		return;
	// A replay starts from a clean picture: the strokes already traced go.
	memset(pPixels, ke_Pixel_Back, ku_Stroke_Size * ku_Stroke_Size);
	const float fFar = ku_Stroke_Size - 2;
	const CVector2d<float> aoCorner[4] = {{1, 1}, {fFar, 1}, {fFar, fFar}, {1, fFar}};
	for (int i = 0; i < 4; ++i)
		DrawLine(pPixels, aoCorner[i], aoCorner[(i + 1) % 4], 2, ke_Pixel_Guide);
	for (const LibGen_CPath& oStroke : mv_Stroke)
		DrawStroke(pPixels, oStroke, 1, 2, ke_Pixel_Guide);
}

void CObjWndKanjiDetail::Update()
{
	LibGfx_CObjWndThemed::Update();
	if (mu8_StrokeCur >= mv_Stroke.size())
		return;
	const LibGen_CPath& oStroke = mv_Stroke[mu8_StrokeCur];
	const float fLength = oStroke.GetPathLenght();
	// One pixel a frame, half a pixel for a short stroke; a stroke without length is done at once.
	if (fLength > 0)
		mf_StrokeRatio += (fLength < kf_ShortStroke ? 0.5f : 1.0f) / fLength;
	else
		mf_StrokeRatio = 1;
	u8* pPixels = GetPixels();
	if (mf_StrokeRatio >= 1 - kf_RatioMargin)
	{
		if (pPixels != nullptr)
			DrawStroke(pPixels, oStroke, 1, 3, ke_Pixel_Done);
		++mu8_StrokeCur;
		mf_StrokeRatio = 0;
	}
	else if (pPixels != nullptr)
		DrawStroke(pPixels, oStroke, mf_StrokeRatio, 3, ke_Pixel_Drawing);
}
