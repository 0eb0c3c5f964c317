#ifndef LIBTEXT_CTEXTBASE_H
#define LIBTEXT_CTEXTBASE_H

#include "LibGen_DataTypes.h"
#include "LibText_CFont.h"

#define TEXTBASE_MAX_LINES 512

// Lays a byte string out in lines that fit a width and stamps the glyphs of one or two fonts
// into a buffer of one byte per pixel (1 = ink, 0 = background). Changes are flagged and laid
// out and drawn at the next TxtUpdate.
class LibText_CTextBase
{
public:
	// NOTE: a fixed type: any value may be stored; others draw no glyph, one byte a character.
	enum enumTxtType : u32
	{
		ke_TxtType_Ascii = 0,  // every byte is a character of the first font
		ke_TxtType_Euc   = 1,  // two bytes of 0xA1 or above are one character of the second font
	};
	// Horizontal alignment, the low four bits of the alignment byte. The high four bits keep a
	// vertical value that the drawing does not use.
	enum enumTxtAlign
	{
		ke_TxtAlign_Left   = 1,
		ke_TxtAlign_Right  = 2,
		ke_TxtAlign_Center = 4,
	};
	enum
	{
		ke_Dirty_Draw = 2,
		ke_Dirty_Text = 4,
		ke_Dirty_Size = 8,
		ku_Format_Size = 1024,
		ku8_Ink = 1,        // the value of a glyph's pixels
		ku8_InkLight = 3,   // the value of the pixels after a light mark
	};

	// One line of the last layout: its first byte, its last byte (Start - 1 when empty), its width.
	struct SParseInf
	{
		u16 mu16_Start;
		u16 mu16_End;
		u16 mu16_LineWidth;
	};

	LibText_CTextBase();
	virtual ~LibText_CTextBase();

	// Turns auto size off and reallocates the buffer.
	virtual void TxtSetSize(const u16& au16_Width, const u16& au16_Height);
	virtual void TxtRender();

	void TxtSetFont(const LibText_CFont* ap_Font, const LibText_CFont* ap_FontKanji = nullptr);
	void TxtSetAutoSize(bool ab_AutoSize) { mb_AutoSize = ab_AutoSize; }
	void TxtSetTextType(enumTxtType ae_Type);
	// Blank rows between two lines, below the font's own height.
	void TxtSetLineGap(u8 au8_Gap);
	// A byte (0: none) that takes no room and draws nothing: the characters after it, up to the
	// next line feed, are drawn with ku8_InkLight instead of ku8_Ink.
	void TxtSetLightMark(u8 au8_Mark);
	// Each value replaces its four bits of the alignment unless it is 255.
	void TxtSetAlign(u8 au8_Horizontal, u8 au8_Vertical);
	// Without copy the caller's bytes are shown and must outlive the object.
	void TxtSetText(const char* as_Text, bool ab_Copy);
	void TxtFormat(const char* as_Format, ...) __attribute__((format(printf, 2, 3)));
	void TxtSetTextId(u32 au32_Id);
	// The glyph (never null; empty when there is none) and byte length of the character at a position.
	void TxtGetCharInfo(u16 au16_Pos, const LibText_CFont::SCharInf*& ap_Info, u8& au8_Length) const;
	// Lays out and draws what changed; true when it drew.
	bool TxtUpdate();
	void TxtParseString();

	u16 TxtGetWidth() const { return mu16_Width; }
	u16 TxtGetHeight() const { return mu16_Height; }
	const u8* TxtGetPixels() const { return mp_Pixels; }
	u8  TxtGetAlign() const { return mu8_Align; }
	u32 TxtGetTextId() const { return mu_TextId; }
	const char* TxtGetText() const { return mp_Text; }
	const LibText_CFont* TxtGetFont() const { return mp_Font; }
	const LibText_CFont* TxtGetFontKanji() const { return mp_FontKanji; }
	enumTxtType TxtGetTextType() const { return me_TxtType; }
	u8  TxtGetLineGap() const { return mu8_LineGap; }
	u8  TxtGetLightMark() const { return mu8_LightMark; }
	u16 TxtGetLineCount() const { return mu16_LineCount; }
	// How many lines the box shows whole, one at least: the lines of a layout past this number
	// are not drawn.
	u16 TxtGetLineCapacity() const;
	const SParseInf* TxtGetLineInfo() const { return mp_LineInfo; }

protected:
	// A line's height and the gap below it.
	u32  LinePitch() const;

	const LibText_CFont* mp_Font;
	const LibText_CFont* mp_FontKanji;
	s16  ms16_PosX;
	s16  ms16_PosY;
	u16  mu16_Width;
	u16  mu16_Height;
	u8   mu8_Align;
	bool mb_AutoSize;
	u32  mu_TextId;
	const char* mp_Text;
	char* mp_TextCopy;
	enumTxtType me_TxtType;
	SParseInf* mp_LineInfo;
	u16  mu16_LineCount;
	u8*  mp_Pixels;
	u8   mu8_Dirty;
	u8   mu8_LineGap;
	u8   mu8_LightMark;

private:
	LibText_CTextBase(const LibText_CTextBase&) = delete;
	LibText_CTextBase& operator=(const LibText_CTextBase&) = delete;

	u16  TextLength() const;
	u8   LineHeight() const;
	bool IsLightMark(u32 au_Pos) const;
	void DrawGlyph(const LibText_CFont::SCharInf& ao_Glyph, int ai_X, int ai_Y, u8 au8_Ink);

	// Lines of the running layout, copied to the object's own array when it ends.
	static SParseInf so_ParseInfTmp[TEXTBASE_MAX_LINES];
};

#endif
