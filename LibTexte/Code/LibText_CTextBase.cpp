#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#include "LibGen_Utils.h"
#include "LibText_CManagerString.h"
#include "LibText_CTextBase.h"

namespace
{
	// Line offsets are 16-bit and an empty line ends one before it starts, so the part of a
	// text that is laid out stops below 0xFFFF bytes.
	const u16 ku_Text_Max = 0xFFFE;

	u16 Clamp16(u32 au_Value)
	{
		return au_Value > 0xFFFF ? 0xFFFF : (u16)au_Value;
	}
}

LibText_CTextBase::SParseInf LibText_CTextBase::so_ParseInfTmp[TEXTBASE_MAX_LINES];

LibText_CTextBase::LibText_CTextBase()
	: mp_Font(nullptr), mp_FontKanji(nullptr), ms16_PosX(0), ms16_PosY(0), mu16_Width(0), mu16_Height(0),
	  mu8_Align(0x11), mb_AutoSize(true), mu_TextId(0), mp_Text(nullptr), mp_TextCopy(nullptr),
	  me_TxtType(ke_TxtType_Ascii), mp_LineInfo(nullptr), mu16_LineCount(0), mp_Pixels(nullptr), mu8_Dirty(0),
	  mu8_LineGap(0), mu8_LightMark(0)
{
}

LibText_CTextBase::~LibText_CTextBase()
{
	delete[] mp_Pixels;
	delete[] mp_LineInfo;
	delete[] mp_TextCopy;
}

void LibText_CTextBase::TxtSetSize(const u16& au16_Width, const u16& au16_Height)
{
	mu8_Dirty |= ke_Dirty_Size;
	mb_AutoSize = false;
	mu16_Width = au16_Width;
	mu16_Height = au16_Height;
	delete[] mp_Pixels;
	const u32 u_Size = (u32)au16_Width * au16_Height;
	mp_Pixels = u_Size != 0 ? new u8[u_Size]() : nullptr;
}

void LibText_CTextBase::TxtSetFont(const LibText_CFont* ap_Font, const LibText_CFont* ap_FontKanji)
{
	mp_Font = ap_Font;
	mp_FontKanji = ap_FontKanji;
	mu8_Dirty |= ke_Dirty_Text;
}

void LibText_CTextBase::TxtSetTextType(enumTxtType ae_Type)
{
	me_TxtType = ae_Type;
	mu8_Dirty |= ke_Dirty_Text;
}

void LibText_CTextBase::TxtSetLineGap(u8 au8_Gap)
{
	mu8_LineGap = au8_Gap;
	mu8_Dirty |= ke_Dirty_Draw;
}

void LibText_CTextBase::TxtSetLightMark(u8 au8_Mark)
{
	mu8_LightMark = au8_Mark;
	mu8_Dirty |= ke_Dirty_Text;
}

void LibText_CTextBase::TxtSetAlign(u8 au8_Horizontal, u8 au8_Vertical)
{
	if (au8_Horizontal != 255)
		mu8_Align = (u8)((mu8_Align & 0xF0) | (au8_Horizontal & 0x0F));
	if (au8_Vertical != 255)
		mu8_Align = (u8)((mu8_Align & 0x0F) | (au8_Vertical & 0xF0));
	mu8_Dirty |= ke_Dirty_Draw;
}

void LibText_CTextBase::TxtSetText(const char* as_Text, bool ab_Copy)
{
	mu8_Dirty |= ke_Dirty_Text;
	mu_TextId = 0;
	// The old copy goes only after the new text is taken: the caller may pass the text shown.
	char* s_OldCopy = mp_TextCopy;
	mp_TextCopy = nullptr;
	if (ab_Copy && as_Text != nullptr)
	{
		mp_TextCopy = LibGen_StrDup(as_Text, ku_Text_Max);
		as_Text = mp_TextCopy;
	}
	mp_Text = as_Text;
	delete[] s_OldCopy;

	if (!mb_AutoSize)
		return;
	// Measured as one line: every character's advance, control characters included.
	u32 u_Width = 0;
	bool b_TwoByte = false;
	const u16 u_Len = TextLength();
	for (u16 u_Pos = 0; u_Pos < u_Len;)
	{
		const LibText_CFont::SCharInf* p_Info;
		u8 u8_Len;
		TxtGetCharInfo(u_Pos, p_Info, u8_Len);
		if (!IsLightMark(u_Pos))
			u_Width += p_Info->mu8_Advance;
		b_TwoByte = b_TwoByte || u8_Len == 2;
		u_Pos = (u16)(u_Pos + u8_Len);
	}
	const LibText_CFont* p_Font = (b_TwoByte && mp_FontKanji != nullptr) ? mp_FontKanji : mp_Font;
	const u16 u_Height = p_Font != nullptr ? p_Font->GetHeight() : 0;
	TxtSetSize(Clamp16(u_Width), u_Height);
	mb_AutoSize = true;
}

void LibText_CTextBase::TxtFormat(const char* as_Format, ...)
{
	char s_Text[ku_Format_Size];
	va_list o_Args;
	va_start(o_Args, as_Format);
	vsnprintf(s_Text, sizeof(s_Text), as_Format, o_Args);
	va_end(o_Args);
	TxtSetText(s_Text, true);
}

void LibText_CTextBase::TxtSetTextId(u32 au32_Id)
{
	TxtSetText(LibText_CManagerString::Instance()->GetString(au32_Id), false);
	mu_TextId = au32_Id;
}

u16 LibText_CTextBase::TextLength() const
{
	return mp_Text != nullptr ? (u16)strnlen(mp_Text, ku_Text_Max) : 0;
}

u16 LibText_CTextBase::TxtGetLineCapacity() const
{
	// The last line needs no gap below it.
	const u32 u_Pitch = LinePitch();
	const u16 u16_Whole = LineHeight() != 0 ? static_cast<u16>((mu16_Height + mu8_LineGap) / u_Pitch) : mu16_LineCount;
	return u16_Whole != 0 ? u16_Whole : 1;
}

u32 LibText_CTextBase::LinePitch() const
{
	return static_cast<u32>(LineHeight()) + mu8_LineGap;
}

bool LibText_CTextBase::IsLightMark(u32 au_Pos) const
{
	return mu8_LightMark != 0 && static_cast<u8>(mp_Text[au_Pos]) == mu8_LightMark;
}

u8 LibText_CTextBase::LineHeight() const
{
	if (mp_FontKanji != nullptr)
		return mp_FontKanji->GetHeight();
	return mp_Font != nullptr ? mp_Font->GetHeight() : 0;
}

void LibText_CTextBase::TxtGetCharInfo(u16 au16_Pos, const LibText_CFont::SCharInf*& ap_Info, u8& au8_Length) const
{
	static const LibText_CFont o_NoFont;
	const u8* p_Byte = (const u8*)mp_Text + au16_Pos;
	au8_Length = 1;
	// NOTE: both bytes of an EUC-JP character are 0xA1 or above; a high byte before a lower one or
	// the end is an ISO-8859-1 letter of the first font, as in a kanji followed by its French meaning.
	if (me_TxtType == ke_TxtType_Ascii || (me_TxtType == ke_TxtType_Euc && (p_Byte[0] < 0x80 || p_Byte[1] < 0xA1)))
	{
		ap_Info = (mp_Font != nullptr ? mp_Font : &o_NoFont)->GetCharInfo(p_Byte[0]);
		return;
	}
	ap_Info = o_NoFont.GetCharInfo(0);
	if (me_TxtType != ke_TxtType_Euc)
		return;
	au8_Length = 2;
	if (mp_FontKanji != nullptr)
		ap_Info = mp_FontKanji->GetCharInfo((u16)LibGen_EucToJisIndex(p_Byte[0], p_Byte[1]));
}

namespace
{
	// The running layout: the current line and its last break opportunity.
	struct SLineState
	{
		u32  mu_Start;
		u32  mu_Width;
		bool mb_Break;
		u32  mu_BreakPos;
		u8   mu8_BreakLen;
		u32  mu_WidthBefore;  // width of the line before the break's character
		u32  mu_WidthAfter;   // and with it
		u16  mu16_Lines;

		// False when the line table is full: the rest of the text is cut.
		bool Add(LibText_CTextBase::SParseInf* ap_Lines, u32 au_End, u32 au_Width)
		{
			if (mu16_Lines >= TEXTBASE_MAX_LINES)
				return false;
			LibText_CTextBase::SParseInf& o_Line = ap_Lines[mu16_Lines++];
			o_Line.mu16_Start = (u16)mu_Start;
			o_Line.mu16_End = (u16)(au_End - 1);
			o_Line.mu16_LineWidth = Clamp16(au_Width);
			return true;
		}
		void Restart(u32 au_Start, u32 au_Width)
		{
			mu_Start = au_Start;
			mu_Width = au_Width;
			mb_Break = false;
		}
	};
}

void LibText_CTextBase::TxtParseString()
{
	const u8* p_Text = (const u8*)mp_Text;
	const u16 u_Len = TextLength();
	const u32 u_Space = mp_Font != nullptr ? mp_Font->GetCharInfo(' ')->mu8_Advance : 0;
	SLineState o = { 0, 0, false, 0, 0, 0, 0, 0 };
	bool b_Full = false;
	u32 u_Pos = 0;
	while (u_Pos < u_Len && !b_Full)
	{
		const u8 u_Char = p_Text[u_Pos];
		if (u_Char == '\n' || u_Char == '\r')
		{
			b_Full = !o.Add(so_ParseInfTmp, u_Pos, o.mu_Width);
			// CR LF or LF CR is one break; two equal ones leave an empty line between them.
			u32 u_Next = u_Pos + 1;
			if (u_Next < u_Len && (p_Text[u_Next] == '\n' || p_Text[u_Next] == '\r') && p_Text[u_Next] != u_Char)
				++u_Next;
			o.Restart(u_Next, 0);
			u_Pos = u_Next;
			continue;
		}
		const LibText_CFont::SCharInf* p_Info = nullptr;
		u8 u8_Len = 1;
		u32 u_Advance = 0;
		if (u_Char >= 32 && !IsLightMark(u_Pos))
		{
			TxtGetCharInfo((u16)u_Pos, p_Info, u8_Len);
			u_Advance = p_Info->mu8_Advance;
		}
		if (u_Pos + u8_Len > u_Len)
			break;
		const u32 u_WidthBefore = o.mu_Width;
		o.mu_Width += u_Advance;
		if (u_Char <= 32 || (u_Char == '-' && u_Pos != o.mu_Start) || u8_Len == 2)
		{
			o.mb_Break = true;
			o.mu_BreakPos = u_Pos;
			o.mu8_BreakLen = u8_Len;
			o.mu_WidthBefore = u_WidthBefore;
			o.mu_WidthAfter = o.mu_Width;
		}
		if (o.mu_Width > mu16_Width)
		{
			if (o.mb_Break && o.mu_BreakPos > o.mu_Start && o.mu8_BreakLen == 2)
			{
				// A two-byte character at the break begins the next line.
				b_Full = !o.Add(so_ParseInfTmp, o.mu_BreakPos, o.mu_WidthBefore);
				o.Restart(o.mu_BreakPos, o.mu_Width - o.mu_WidthBefore);
			}
			else if (o.mb_Break && o.mu_BreakPos > o.mu_Start)
			{
				// A space, control character or hyphen at the break is dropped.
				b_Full = !o.Add(so_ParseInfTmp, o.mu_BreakPos, o.mu_WidthAfter > u_Space ? o.mu_WidthAfter - u_Space : 0);
				o.Restart(o.mu_BreakPos + 1, o.mu_Width - o.mu_WidthAfter);
			}
			else if (u_Pos > o.mu_Start)
			{
				// No break opportunity: the character that overflows begins the next line.
				b_Full = !o.Add(so_ParseInfTmp, u_Pos, u_WidthBefore);
				o.Restart(u_Pos, u_Advance);
			}
			// A first character wider than the line stays alone on it.
		}
		u_Pos += u8_Len;
	}
	if (!b_Full)
		o.Add(so_ParseInfTmp, u_Len, o.mu_Width);

	delete[] mp_LineInfo;
	mp_LineInfo = new SParseInf[o.mu16_Lines];
	memcpy(mp_LineInfo, so_ParseInfTmp, o.mu16_Lines * sizeof(SParseInf));
	mu16_LineCount = o.mu16_Lines;
}

// Sets the glyph's ink pixels; the parts outside the buffer are skipped.
void LibText_CTextBase::DrawGlyph(const LibText_CFont::SCharInf& ao_Glyph, int ai_X, int ai_Y, u8 au8_Ink)
{
	const int i_RowBytes = (ao_Glyph.mu8_Width + 7) / 8;
	const int i_Col0 = ai_X < 0 ? -ai_X : 0;
	const int i_Col1 = ao_Glyph.mu8_Width < mu16_Width - ai_X ? ao_Glyph.mu8_Width : mu16_Width - ai_X;
	for (int i_Row = 0; i_Row < ao_Glyph.mu8_Height; ++i_Row)
	{
		const int i_Y = ai_Y + i_Row;
		if (i_Y < 0)
			continue;
		if (i_Y >= mu16_Height)
			break;
		const u8* p_Src = ao_Glyph.mp_Bitmap + i_Row * i_RowBytes;
		u8* p_Dst = mp_Pixels + i_Y * mu16_Width + ai_X;
		for (int i_Col = i_Col0; i_Col < i_Col1; ++i_Col)
			if ((p_Src[i_Col >> 3] >> (i_Col & 7)) & 1)
				p_Dst[i_Col] = au8_Ink;
	}
}

void LibText_CTextBase::TxtRender()
{
	if (mp_Pixels == nullptr)
		return;
	memset(mp_Pixels, 0, (size_t)mu16_Width * mu16_Height);
	if (mp_Text == nullptr || mp_LineInfo == nullptr || mp_Font == nullptr)
		return;

	// One-byte characters sit on the baseline of the Japanese font when there is one.
	const int i_AdjustOne = mp_FontKanji != nullptr
		? mp_FontKanji->GetHeight() + mp_FontKanji->GetDescent() + mp_Font->GetDescent() - mp_Font->GetHeight()
		: mp_Font->GetDescent();
	const int i_AdjustTwo = mp_FontKanji != nullptr ? mp_FontKanji->GetDescent() : 0;
	const u8 u8_Align = mu8_Align & 0x0F;
	int i_Y = ms16_PosY;
	u8 u8_Ink = ku8_Ink;
	for (u16 u_Line = 0; u_Line < mu16_LineCount; ++u_Line)
	{
		// NOTE: a text taller than its box shows the lines that fit whole and nothing below: a
		// line cut at the bottom edge would show only the tops of its letters. The first line
		// is always drawn, so a box lower than one line still shows its text.
		if (u_Line >= TxtGetLineCapacity())
			break;
		const SParseInf& o_Line = mp_LineInfo[u_Line];
		// A line that an overflow began carries on with the ink of the one before.
		if (o_Line.mu16_Start == 0 || mp_Text[o_Line.mu16_Start - 1] == '\n' || mp_Text[o_Line.mu16_Start - 1] == '\r')
			u8_Ink = ku8_Ink;
		int i_X = ms16_PosX;
		if (u8_Align & ke_TxtAlign_Center)
			i_X += ((int)mu16_Width - o_Line.mu16_LineWidth) / 2;
		else if (u8_Align & ke_TxtAlign_Right)
			i_X += (int)mu16_Width - o_Line.mu16_LineWidth;
		// The line's byte count; an empty line ends one before it starts.
		const u32 u_End = o_Line.mu16_Start + (u16)(o_Line.mu16_End + 1 - o_Line.mu16_Start);
		u8 u8_Len = 1;
		for (u32 u_Pos = o_Line.mu16_Start; u_Pos < u_End; u_Pos += u8_Len)
		{
			const LibText_CFont::SCharInf* p_Info;
			u8_Len = 1;
			// Control characters take no room in the layout, so they draw nothing either.
			if ((u8)mp_Text[u_Pos] < 32)
				continue;
			if (IsLightMark(u_Pos))
			{
				u8_Ink = ku8_InkLight;
				continue;
			}
			TxtGetCharInfo((u16)u_Pos, p_Info, u8_Len);
			if (p_Info->mp_Bitmap == nullptr)
				continue;
			const int i_Adjust = u8_Len == 2 ? i_AdjustTwo : i_AdjustOne;
			DrawGlyph(*p_Info, i_X + p_Info->ms8_OffsetX, i_Y + i_Adjust + p_Info->ms8_OffsetY, u8_Ink);
			i_X += p_Info->mu8_Advance;
		}
		i_Y += static_cast<int>(LinePitch());
	}
}

bool LibText_CTextBase::TxtUpdate()
{
	if ((mu8_Dirty & (ke_Dirty_Draw | ke_Dirty_Text | ke_Dirty_Size)) == 0)
		return false;
	if (mu8_Dirty & (ke_Dirty_Text | ke_Dirty_Size))
		TxtParseString();
	TxtRender();
	mu8_Dirty = 0;
	return true;
}
