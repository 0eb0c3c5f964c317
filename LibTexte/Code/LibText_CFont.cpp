#include <string.h>
#include "LibText_CFont.h"
#include "LibText_CBdfReader.h"
#include "LibText_Utils.h"
#include "LibGen_CFileBuffer.h"
#include "LibGen_Utils.h"

namespace
{
	// The largest font file read: the 48-pixel JIS font is 2.5 MB.
	const u32 ku_FontFile_Max = 16u << 20;
	// The answer for a code without a glyph: draws nothing, does not move the pen.
	const LibText_CFont::SCharInf ko_NoGlyph = { nullptr, 0, 0, 0, 0, 0 };
}

LibText_CFont::SBinFontInf::SBinFontInf()
	: mp_Path(nullptr), mu16_CodeFirst(0), mu8_Width(0), mu8_Height(0), mb_BitSwap(false)
{
}

LibText_CFont::SBinFontInf::SBinFontInf(const char* ap_Path)
	: mp_Path(ap_Path), mu16_CodeFirst(0), mu8_Width(0), mu8_Height(0), mb_BitSwap(false)
{
}

LibText_CFont::SBinFontInf::SBinFontInf(const char* ap_Path, u8 au8_Width, u8 au8_Height, u16 au16_CodeFirst, bool ab_BitSwap)
	: mp_Path(ap_Path), mu16_CodeFirst(au16_CodeFirst), mu8_Width(au8_Width), mu8_Height(au8_Height), mb_BitSwap(ab_BitSwap)
{
}

LibText_CFont::LibText_CFont()
	: mp_Data(nullptr), mp_CharInfo(nullptr), mu_CodeFirst(0), mu_CodeLast(0),
	  mu8_Height(0), mu8_Width(0), ms8_Descent(0), mu16_DefaultChar(32)
{
}

LibText_CFont::~LibText_CFont()
{
	UnloadFont();
}

void LibText_CFont::UnloadFont()
{
	delete[] mp_Data;
	delete[] mp_CharInfo;
	mp_Data = nullptr;
	mp_CharInfo = nullptr;
	mu_CodeFirst = mu_CodeLast = 0;
}

const LibText_CFont::SCharInf* LibText_CFont::GetCharInfo(u16 au16_Code) const
{
	if (mp_CharInfo == nullptr)
		return &ko_NoGlyph;
	if (au16_Code >= mu_CodeFirst && au16_Code <= mu_CodeLast)
		return &mp_CharInfo[au16_Code - mu_CodeFirst];
	// The default is a raw index into the table, which a small font may not reach.
	if (mu16_DefaultChar > mu_CodeLast - mu_CodeFirst)
		return &ko_NoGlyph;
	return &mp_CharInfo[mu16_DefaultChar];
}

bool LibText_CFont::LoadBdf(const char* as_Path)
{
	UnloadFont();
	LibGen_CFileBuffer o_File;
	if (!o_File.Load(as_Path, ku_FontFile_Max))
		return false;

	LibText_CBdfReader o_Reader((const char*)o_File.GetData());
	if (!o_Reader.Measure())
	{
		LibGen_ReportData(as_Path, "%s", o_Reader.GetError());
		return false;
	}
	// One byte at least, so that a font of empty glyphs still counts as loaded.
	mp_Data = new u8[o_Reader.GetBitmapSize() + 1];
	mp_CharInfo = new SCharInf[o_Reader.GetCodeCount()]();
	if (!o_Reader.Fill(mp_CharInfo, mp_Data))
	{
		LibGen_ReportData(as_Path, "a character's BITMAP rows do not fill its BBX exactly, or come before its ENCODING");
		UnloadFont();
		return false;
	}
	mu_CodeFirst = o_Reader.GetCodeFirst();
	mu_CodeLast = o_Reader.GetCodeLast();
	mu8_Width = o_Reader.GetWidth();
	mu8_Height = o_Reader.GetHeight();
	ms8_Descent = o_Reader.GetDescent();
	return true;
}

bool LibText_CFont::LoadBinFixed(const char* as_Path, u8 au8_Width, u8 au8_Height, u16 au16_CodeFirst, bool ab_BitSwap)
{
	return LoadBinFixed(SBinFontInf(as_Path, au8_Width, au8_Height, au16_CodeFirst, ab_BitSwap));
}

bool LibText_CFont::LoadBinFixed(const SBinFontInf& ao_Info)
{
	UnloadFont();
	mu8_Width = ao_Info.mu8_Width;
	mu8_Height = ao_Info.mu8_Height;
	ms8_Descent = 0;
	const u32 u_GlyphSize = (ao_Info.mu8_Width + 7) / 8 * ao_Info.mu8_Height;
	// A cell of no pixels is the caller's description, not the file.
	if (u_GlyphSize == 0)
		return false;

	LibGen_CFileBuffer o_File;
	if (!o_File.Load(ao_Info.mp_Path, ku_FontFile_Max))
		return false;
	// An empty file, a partial glyph or codes past 16 bits mean a wrong file or a wrong description.
	const u32 u_Size = o_File.GetSize();
	const u32 u_Count = u_Size / u_GlyphSize;
	if (u_Count == 0 || u_Size % u_GlyphSize != 0 || ao_Info.mu16_CodeFirst + u_Count - 1 > 0xFFFF)
	{
		LibGen_ReportData(ao_Info.mp_Path, "is %u bytes long: no whole number of %ux%u glyphs of %u bytes, "
			"or more than 16-bit codes reach", u_Size, ao_Info.mu8_Width, ao_Info.mu8_Height, u_GlyphSize);
		return false;
	}
	u8* p_File = o_File.Release();
	if (ao_Info.mb_BitSwap)
		for (u32 i = 0; i < u_Size; ++i)
			p_File[i] = LibText_ReverseBits(p_File[i]);

	mp_Data = p_File;
	mp_CharInfo = new SCharInf[u_Count];
	for (u32 k = 0; k < u_Count; ++k)
	{
		SCharInf& o_Char = mp_CharInfo[k];
		o_Char.mp_Bitmap = mp_Data + k * u_GlyphSize;
		o_Char.mu8_Width = mu8_Width;
		o_Char.mu8_Height = mu8_Height;
		o_Char.ms8_OffsetX = 0;
		o_Char.ms8_OffsetY = 0;
		o_Char.mu8_Advance = mu8_Width;
	}
	mu_CodeFirst = ao_Info.mu16_CodeFirst;
	mu_CodeLast = mu_CodeFirst + u_Count - 1;
	return true;
}
