#ifndef LIBTEXT_CFONT_H
#define LIBTEXT_CFONT_H

#include "LibGen_DataTypes.h"

// One bitmap font: a glyph description for every code of a contiguous range, and one block of
// 1-bit glyph bitmaps (rows top to bottom, each row ceil(width / 8) bytes, leftmost pixel in
// bit 0). Read from a BDF subset or from a header-less file of fixed-size cells.
class LibText_CFont
{
public:
	// All zero for a code without a glyph.
	struct SCharInf
	{
		const u8* mp_Bitmap;
		u8 mu8_Width;
		u8 mu8_Height;
		s8 ms8_OffsetX;
		s8 ms8_OffsetY;  // rows from the top of the font's cell to the glyph's first row
		u8 mu8_Advance;
	};

	// A fixed-cell file: glyph k is the code mu16_CodeFirst + k.
	struct SBinFontInf
	{
		SBinFontInf();
		explicit SBinFontInf(const char* ap_Path);
		SBinFontInf(const char* ap_Path, u8 au8_Width, u8 au8_Height, u16 au16_CodeFirst, bool ab_BitSwap);

		const char* mp_Path;
		u16  mu16_CodeFirst;
		u8   mu8_Width;
		u8   mu8_Height;
		bool mb_BitSwap;  // the file keeps the leftmost pixel in bit 7
	};

	LibText_CFont();
	virtual ~LibText_CFont();

	bool LoadBdf(const char* as_Path);
	bool LoadBinFixed(const SBinFontInf& ao_Info);
	bool LoadBinFixed(const char* as_Path, u8 au8_Width, u8 au8_Height, u16 au16_CodeFirst, bool ab_BitSwap);
	void UnloadFont();
	bool IsLoaded() const { return mp_Data != nullptr; }

	// Codes outside the range give the entry at index mu16_DefaultChar. An unloaded font, or a
	// default index beyond a small table, gives an empty entry: no glyph, no advance.
	const SCharInf* GetCharInfo(u16 au16_Code) const;

	u8  GetHeight() const { return mu8_Height; }
	u8  GetWidth() const { return mu8_Width; }
	s8  GetDescent() const { return ms8_Descent; }
	u32 GetCodeFirst() const { return mu_CodeFirst; }
	u32 GetCodeLast() const { return mu_CodeLast; }

private:
	LibText_CFont(const LibText_CFont&) = delete;
	LibText_CFont& operator=(const LibText_CFont&) = delete;

	u8*       mp_Data;
	SCharInf* mp_CharInfo;
	u32       mu_CodeFirst;
	u32       mu_CodeLast;
	u8        mu8_Height;
	u8        mu8_Width;
	s8        ms8_Descent;
	u16       mu16_DefaultChar;
};

#endif
