#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include "LibGen_Utils.h"
#include "LibText_CBdfReader.h"
#include "LibText_Utils.h"

namespace
{
	// Above this lowest code the font is JIS-encoded and renumbered from 0.
	const u32 ku_JisCodeMin = 0x2120;
	const long kl_CodeMax = 0xFFFF;

	u32 RowBytes(u32 au_Width)
	{
		return (au_Width + 7) / 8;
	}
}

LibText_CBdfReader::LibText_CBdfReader(const char* as_Text)
	: mp_Text(as_Text), mp_Cur(as_Text), mu_TextSize((u32)strlen(as_Text)),
	  mu_CodeLow(0), mu_CodeHigh(0), mb_Jis(false), mu_BitmapSize(0),
	  mu8_Width(0), mu8_Height(0), ms8_Descent(0),
	  mp_CharCur(nullptr), mp_Bitmap(nullptr), mu_BitmapUsed(0), mu_CharStart(0)
{
	ms_Keyword[0] = 0;
	ms_Value[0] = 0;
	ms_Error[0] = 0;
}

// Copies characters up to a stop character (or the end) into a field; the ones past its
// 254 characters are skipped, so an overlong line cannot spill into the next read.
static const char* ReadField(const char* ap_Cur, char* as_Field, bool ab_StopAtSpace)
{
	unsigned u_Len = 0;
	while (*ap_Cur != 0 && *ap_Cur != '\n' && !(ab_StopAtSpace && *ap_Cur == ' '))
	{
		if (u_Len < 254)
			as_Field[u_Len++] = *ap_Cur;
		++ap_Cur;
	}
	as_Field[u_Len] = 0;
	return ap_Cur;
}

bool LibText_CBdfReader::NextLine()
{
	while (*mp_Cur == '\n')
		++mp_Cur;
	if (*mp_Cur == 0)
		return false;
	mp_Cur = ReadField(mp_Cur, ms_Keyword, true);
	while (*mp_Cur == ' ')
		++mp_Cur;
	mp_Cur = ReadField(mp_Cur, ms_Value, false);
	if (*mp_Cur == '\n')
		++mp_Cur;
	return true;
}

bool LibText_CBdfReader::IsKeyword(const char* as_Keyword) const
{
	return strcmp(ms_Keyword, as_Keyword) == 0;
}

unsigned LibText_CBdfReader::ReadInts(long* ap_Out, unsigned au_Max) const
{
	const char* p_Cur = ms_Value;
	unsigned u_Count = 0;
	while (u_Count < au_Max)
	{
		char* p_End = nullptr;
		const long l_Value = strtol(p_Cur, &p_End, 10);
		if (p_End == p_Cur)
			break;
		ap_Out[u_Count++] = l_Value;
		p_Cur = p_End;
	}
	return u_Count;
}

u32 LibText_CBdfReader::Renumber(u32 au_Code) const
{
	if (!mb_Jis)
		return au_Code;
	const u32 u_Delta = au_Code - mu_CodeLow;
	return (u_Delta & 0xFF) + 94 * (u_Delta >> 8);
}

bool LibText_CBdfReader::Measure()
{
	bool b_AnyCode = false;
	bool b_InChar = false, b_HasDWidth = false, b_HasBbx = false;
	long l_Code = 0;
	long al[4];
	// Sizes can overflow u32 in a hostile file; counted wide and checked at the end.
	unsigned long long u_Bitmap = 0;

	Restart();
	while (NextLine())
	{
		if (IsKeyword("FONTBOUNDINGBOX"))
		{
			if (ReadInts(al, 4) < 4 || al[0] < 0 || al[0] > 255 || al[1] < 0 || al[1] > 255 || al[3] < -128 || al[3] > 127)
			{
				snprintf(ms_Error, sizeof(ms_Error), "Error: bad 'FONTBOUNDINGBOX' (%s)", ms_Value);
				return false;
			}
			mu8_Width = (u8)al[0];
			mu8_Height = (u8)al[1];
			ms8_Descent = (s8)al[3];
		}
		else if (IsKeyword("ENCODING"))
		{
			// Codes are 16-bit: GetCharInfo takes no other.
			if (ReadInts(al, 1) < 1 || al[0] < 0 || al[0] > kl_CodeMax)
			{
				snprintf(ms_Error, sizeof(ms_Error), "Error: bad 'ENCODING' (%s)", ms_Value);
				return false;
			}
			l_Code = al[0];
			mu_CodeLow = (!b_AnyCode || (u32)l_Code < mu_CodeLow) ? (u32)l_Code : mu_CodeLow;
			mu_CodeHigh = (!b_AnyCode || (u32)l_Code > mu_CodeHigh) ? (u32)l_Code : mu_CodeHigh;
			b_AnyCode = true;
			b_InChar = true;
			b_HasDWidth = b_HasBbx = false;
		}
		else if (IsKeyword("DWIDTH"))
		{
			if (ReadInts(al, 1) < 1 || al[0] < 0 || al[0] > 255)
			{
				snprintf(ms_Error, sizeof(ms_Error), "Error: bad 'DWIDTH' (%s)", ms_Value);
				return false;
			}
			b_HasDWidth = true;
		}
		else if (IsKeyword("BBX"))
		{
			// The x offset is kept in a signed byte, so 128 is refused with the rest.
			if (ReadInts(al, 4) < 4 || al[0] < 0 || al[0] > 255 || al[1] < 0 || al[1] > 255 ||
				al[2] < -128 || al[2] > 127 || al[3] < -128 || al[3] > 128)
			{
				snprintf(ms_Error, sizeof(ms_Error), "Error: bad 'BBX' (%s)", ms_Value);
				return false;
			}
			u_Bitmap += (unsigned long long)al[1] * RowBytes((u32)al[0]);
			b_HasBbx = true;
		}
		else if (IsKeyword("ENDCHAR") && b_InChar)
		{
			if (!b_HasDWidth || !b_HasBbx)
			{
				snprintf(ms_Error, sizeof(ms_Error), "Error: Missing Info for Character : %i", (int)l_Code);
				return false;
			}
			b_InChar = false;
		}
	}
	if (mu8_Height == 0)
	{
		snprintf(ms_Error, sizeof(ms_Error), "Error: Missing Info for Font (FONTBOUNDINGBOX)");
		return false;
	}
	// Two hex digits per byte: a block larger than the text could hold is a corrupt count.
	if (!b_AnyCode || u_Bitmap > mu_TextSize)
	{
		snprintf(ms_Error, sizeof(ms_Error), b_AnyCode ? "its BBX lines call for more bitmap bytes than the file holds"
			: "has no ENCODING line: no character");
		return false;
	}
	mb_Jis = mu_CodeLow > ku_JisCodeMin;
	mu_BitmapSize = (u32)u_Bitmap;
	return true;
}

bool LibText_CBdfReader::AppendRow()
{
	const size_t u_Len = strlen(ms_Keyword);
	if (u_Len % 2 != 0 || mp_CharCur == nullptr)
		return false;
	if (mu_BitmapUsed + u_Len / 2 > mu_BitmapSize)
		return false;
	for (size_t i = 0; i < u_Len; i += 2)
	{
		const int i_High = LibGen_HexDigit((unsigned char)ms_Keyword[i]);
		const int i_Low = LibGen_HexDigit((unsigned char)ms_Keyword[i + 1]);
		if (i_High < 0 || i_Low < 0)
			return false;
		mp_Bitmap[mu_BitmapUsed++] = LibText_ReverseBits((u8)(i_High << 4 | i_Low));
	}
	return true;
}

// A character's bitmap must fill its box exactly, or drawing it would read another's bytes.
bool LibText_CBdfReader::CloseChar()
{
	if (mp_CharCur == nullptr)
		return true;
	const u32 u_Need = mp_CharCur->mu8_Height * RowBytes(mp_CharCur->mu8_Width);
	mp_CharCur = nullptr;
	return mu_BitmapUsed - mu_CharStart == u_Need;
}

bool LibText_CBdfReader::Fill(LibText_CFont::SCharInf* ap_CharInfo, u8* ap_Bitmap)
{
	const u32 u_Count = GetCodeCount();
	bool b_InBitmap = false;
	long al[4];

	mp_Bitmap = ap_Bitmap;
	mu_BitmapUsed = 0;
	mp_CharCur = nullptr;
	Restart();
	while (NextLine())
	{
		if (b_InBitmap)
		{
			if (IsKeyword("ENDCHAR"))
			{
				b_InBitmap = false;
				if (!CloseChar())
					return false;
			}
			else if (!AppendRow())
				return false;
		}
		else if (IsKeyword("ENCODING"))
		{
			if (!CloseChar() || ReadInts(al, 1) < 1 || al[0] < (long)mu_CodeLow || al[0] > (long)mu_CodeHigh)
				return false;
			// A JIS code whose renumbered index lies past the table is refused.
			const u32 u_Index = Renumber((u32)al[0]) - GetCodeFirst();
			if (u_Index >= u_Count)
				return false;
			mp_CharCur = &ap_CharInfo[u_Index];
			memset(mp_CharCur, 0, sizeof(*mp_CharCur));
			mp_CharCur->mp_Bitmap = mp_Bitmap + mu_BitmapUsed;
			mu_CharStart = mu_BitmapUsed;
		}
		else if (IsKeyword("BBX"))
		{
			if (mp_CharCur == nullptr || ReadInts(al, 4) < 4)
				return false;
			mp_CharCur->mu8_Width = (u8)al[0];
			mp_CharCur->mu8_Height = (u8)al[1];
			mp_CharCur->ms8_OffsetX = (s8)al[2];
			mp_CharCur->ms8_OffsetY = (s8)(mu8_Height - al[1] - al[3]);
		}
		else if (IsKeyword("DWIDTH"))
		{
			if (mp_CharCur == nullptr || ReadInts(al, 1) < 1)
				return false;
			mp_CharCur->mu8_Advance = (u8)al[0];
		}
		else if (IsKeyword("BITMAP"))
		{
			if (mp_CharCur == nullptr)
				return false;
			b_InBitmap = true;
		}
		else if (IsKeyword("ENDCHAR"))
		{
			if (!CloseChar())
				return false;
		}
	}
	return CloseChar();
}
