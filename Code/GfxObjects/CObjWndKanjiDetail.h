#ifndef COBJWNDKANJIDETAIL_H
#define COBJWNDKANJIDETAIL_H

#include "LibGen_CPath.h"
#include "Fudemaru.h"
#include "LibGen_DataTypes.h"
#include "LibGfx_CObjText.h"
#include "LibGfx_CObjWndThemed.h"
#include "LibGfx_CPolyQuad.h"
#include "LibKanji_CDictionary.h"

#include <vector>

// The kanji detail page: the stroke order drawn stroke by stroke into a 96 x 96 paletted texture,
// the kanji's code, stroke count, grade, radical and frequency, its meanings, its kun and on
// readings, and the kanji that share its radical, as many as its box holds.
class CObjWndKanjiDetail : public LibGfx_CObjWndThemed
{
public:
	enum
	{
		ku_Stroke_Size = 96,       // texture side, in pixels
		ku_Radical_LineMax = 8,    // same-radical lines written out, more than the box holds
		ku_Text_Count = 10,        // text parts of the page
	};
	// Pixel values of the stroke texture.
	enum enumStrokePixel
	{
		ke_Pixel_Back = 0,
		ke_Pixel_Done = 1,     // a finished stroke
		ke_Pixel_Guide = 2,    // the frame and the strokes still to come
		ke_Pixel_Drawing = 3,  // the stroke being traced
	};

	CObjWndKanjiDetail();
	virtual ~CObjWndKanjiDetail();

	// Shows the kanji of a non-zero code, or again the current one for 0.
	void LoadKanji(u16 au16_Code);
	// Shows the kanji of a list position: code 0, a position the list keeps empty, shows the
	// page empty, where LoadKanji(0) would show the kanji held before.
	void ShowKanji(u16 au16_Code)
	{
		mu16_Kanji = au16_Code;
		LoadKanji(0);
	}
	// The column beside the readings: the kanji of the same radical, or the common words that use
	// the kanji, each with its reading and English gloss. The choice stays for the next kanji.
	void ShowWords(bool ab_Words);
	bool IsShowingWords() const { return mb_ShowWords; }
	// Restarts the animation on the frame and the guide strokes.
	void ReplayAnim();
	// The window's own update, then one step of the animation.
	void Update() override;
	// Frees the texts and the stroke texture and hides the window.
	void Unload();

	LibGfx_CPolyQuad mo_PolyStroke;
	std::vector<LibGen_CPath> mv_Stroke;
	LibGfx_CObjText mo_TxtKanji;
	LibGfx_CObjText mo_TxtLabel;
	LibGfx_CObjText mo_TxtValue;
	LibGfx_CObjText mo_TxtMeaning;
	LibGfx_CObjText mo_TxtKunLabel;
	LibGfx_CObjText mo_TxtKun;
	LibGfx_CObjText mo_TxtOnLabel;
	LibGfx_CObjText mo_TxtOn;
	LibGfx_CObjText mo_TxtRadicalLabel;
	LibGfx_CObjText mo_TxtRadical;
	u8  mu8_StrokeCur;
	float mf_StrokeRatio;
	u16 mu16_Kanji;
	u16 mu16_TextureId;

private:
	LibGfx_CObjText* mapo_Text[ku_Text_Count];   // the ten parts above, for what is done to each
	bool mb_ShowWords;

	void LoadStrokeTexture();
	void LoadValues(const SKanjiData& ao_Kanji);
	void LoadColumns(const SKanjiData& ao_Kanji);
	// The side column's label and list, as ShowWords chose them.
	void LoadSideColumn(const SKanjiData& ao_Kanji);
	// Up to six common words of the kanji, one "word reading gloss" item each.
	void LoadWordList(const SKanjiData& ao_Kanji);
	// The kanji of the same radical, in dictionary order, one "kanji meaning" line each.
	void LoadRadicalList(const SKanjiData& ao_Kanji);
	// Draws a stroke's polyline, up to the point at af_Ratio of its length when below 1.
	static void DrawStroke(u8* ap_Pixels, const LibGen_CPath& ao_Stroke, float af_Ratio, u8 au8_Thickness, u8 au8_Value);
	static void DrawLine(u8* ap_Pixels, const CVector2d<float>& ao_From, const CVector2d<float>& ao_To, u8 au8_Thickness,
	                     u8 au8_Value);
	// The texture's pixels, marked for upload; null without a texture.
	u8* GetPixels();
};

#endif
