#ifndef LIBTEXT_CBDFREADER_H
#define LIBTEXT_CBDFREADER_H

#include "LibText_CFont.h"

// Reads the BDF subset of the Latin font in two passes over zero-terminated text: Measure checks
// the font and sizes its two blocks (keeping what it found wrong for GetError), Fill writes them.
// Every line is a keyword and a value, each kept to its first 254 characters.
class LibText_CBdfReader
{
public:
	explicit LibText_CBdfReader(const char* as_Text);

	bool Measure();
	// What Measure found wrong, such as "Error: bad 'BBX' (8 8 0)"; empty when nothing.
	const char* GetError() const { return ms_Error; }
	// ap_CharInfo holds GetCodeCount() zeroed entries, ap_Bitmap GetBitmapSize() bytes.
	bool Fill(LibText_CFont::SCharInf* ap_CharInfo, u8* ap_Bitmap);

	u32 GetCodeFirst() const { return mb_Jis ? 0 : mu_CodeLow; }
	u32 GetCodeLast() const { return mb_Jis ? Renumber(mu_CodeHigh) : mu_CodeHigh; }
	u32 GetCodeCount() const { return GetCodeLast() - GetCodeFirst() + 1; }
	u32 GetBitmapSize() const { return mu_BitmapSize; }
	u8  GetWidth() const { return mu8_Width; }
	u8  GetHeight() const { return mu8_Height; }
	s8  GetDescent() const { return ms8_Descent; }

private:
	enum { ku_Field_Max = 254 };

	bool NextLine();
	void Restart() { mp_Cur = mp_Text; }
	bool IsKeyword(const char* as_Keyword) const;
	// Reads up to au_Max integers of the value; gives how many were there.
	unsigned ReadInts(long* ap_Out, unsigned au_Max) const;
	u32  Renumber(u32 au_Code) const;
	bool AppendRow();
	bool CloseChar();

	const char* mp_Text;
	const char* mp_Cur;
	char ms_Keyword[ku_Field_Max + 1];
	char ms_Value[ku_Field_Max + 1];
	char ms_Error[ku_Field_Max + 64];
	u32  mu_TextSize;

	u32  mu_CodeLow;
	u32  mu_CodeHigh;
	bool mb_Jis;
	u32  mu_BitmapSize;
	u8   mu8_Width;
	u8   mu8_Height;
	s8   ms8_Descent;

	// Fill's cursor: the character being written and the bytes written so far.
	LibText_CFont::SCharInf* mp_CharCur;
	u8* mp_Bitmap;
	u32 mu_BitmapUsed;
	u32 mu_CharStart;
};

#endif
