#include "CInkCheck.h"

#include "CTextConvert.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CObjBase.h"
#include "LibGfx_CObjText.h"
#include "LibGfx_CObjWndBase.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{
	// Room around a probe's lines: more than any glyph reaches past its line, and more than a
	// line's height.
	const u16 ku16_Margin = 64;
	// Ink rectangles closer than this are taken as touching, not overlapping: the corners come
	// through the projection in floating point.
	const float kf_Slack = 0.5f;

	// Lays a text out as its object did and draws the same lines with room all around them.
	class CInkProbe : public LibText_CTextBase
	{
	public:
		u32 InkWithRoom(const LibGfx_CObjText& ao_Text)
		{
			const u16 u16_Width = ao_Text.TxtGetWidth();
			const u16 u16_Height = ao_Text.TxtGetHeight();
			TxtSetFont(ao_Text.TxtGetFont(), ao_Text.TxtGetFontKanji());
			TxtSetTextType(ao_Text.TxtGetTextType());
			TxtSetAlign(ao_Text.TxtGetAlign() & 0x0F, ao_Text.TxtGetAlign() >> 4);
			TxtSetText(ao_Text.TxtGetText(), false);
			TxtSetSize(u16_Width, u16_Height);
			TxtParseString();
			// The same lines, every one of them, drawn with the margin around them.
			mu16_Width = static_cast<u16>(u16_Width + 2 * ku16_Margin);
			mu16_Height = static_cast<u16>(std::min<u32>(0xFFFF, u16_Height + (mu16_LineCount + 1u) * ku16_Margin));
			delete[] mp_Pixels;
			mp_Pixels = new u8[static_cast<size_t>(mu16_Width) * mu16_Height];
			const u8 u8_Align = mu8_Align & 0x0F;
			ms16_PosX = (u8_Align & ke_TxtAlign_Center) ? 0 : ((u8_Align & ke_TxtAlign_Right) ? -ku16_Margin : ku16_Margin);
			ms16_PosY = ku16_Margin;
			TxtRender();
			return static_cast<u32>(std::count_if(mp_Pixels, mp_Pixels + static_cast<size_t>(mu16_Width) * mu16_Height,
			                                      [](u8 u) { return u != 0; }));
		}
	};

	// A point of the text's buffer through the object's matrix and the projection, in pixels
	// of the 480 x 272 screen.
	void ToScreen(const float (&af_Model)[16], const float (&af_Projection)[16], float af_X, float af_Y,
	              float& af_ScreenX, float& af_ScreenY)
	{
		const float af_Local[4] = {af_X, af_Y, 0.0f, 1.0f};
		float af_World[4], af_Clip[4];
		for (int r = 0; r < 4; ++r)
			af_World[r] = af_Model[r] * af_Local[0] + af_Model[4 + r] * af_Local[1] + af_Model[8 + r] * af_Local[2] +
			              af_Model[12 + r] * af_Local[3];
		for (int r = 0; r < 4; ++r)
			af_Clip[r] = af_Projection[r] * af_World[0] + af_Projection[4 + r] * af_World[1] +
			             af_Projection[8 + r] * af_World[2] + af_Projection[12 + r] * af_World[3];
		const float f_W = af_Clip[3] != 0.0f ? af_Clip[3] : 1.0f;
		af_ScreenX = (af_Clip[0] / f_W + 1.0f) * kf_Screen_HalfWidth;
		af_ScreenY = (1.0f - af_Clip[1] / f_W) * kf_Screen_HalfHeight;
	}

	std::string Label(const LibGfx_CObjText& ao_Text)
	{
		std::string s_Text = ao_Text.TxtGetText();
		for (char& c : s_Text)
			if (c == '\n' || c == '\r')
				c = ' ';
		const bool b_Euc = ao_Text.TxtGetTextType() == LibText_CTextBase::ke_TxtType_Euc;
		std::string s_Utf8 = CTextConvert::Convert("UTF-8", b_Euc ? "EUC-JP" : "ISO-8859-1", s_Text);
		if (s_Utf8.size() > 40)
		{
			s_Utf8.resize(40);
			while (!s_Utf8.empty() && (static_cast<u8>(s_Utf8.back()) & 0xC0) == 0x80)
				s_Utf8.pop_back();
			if (!s_Utf8.empty() && static_cast<u8>(s_Utf8.back()) >= 0xC0)
				s_Utf8.pop_back();
			s_Utf8 += "...";
		}
		return "\"" + s_Utf8 + "\"";
	}

	std::string Rect(const CInkCheck::SInk& ao_Ink)
	{
		char s_Rect[64];
		snprintf(s_Rect, sizeof(s_Rect), "(%.0f,%.0f)-(%.0f,%.0f)", ao_Ink.mf_Left, ao_Ink.mf_Top, ao_Ink.mf_Right, ao_Ink.mf_Bottom);
		return s_Rect;
	}
}

bool CInkCheck::IsCut(const LibGfx_CObjText& ao_Text)
{
	const u8* p_Pixels = ao_Text.TxtGetPixels();
	if (p_Pixels == nullptr || ao_Text.TxtGetText() == nullptr)
		return false;
	const size_t u_Size = static_cast<size_t>(ao_Text.TxtGetWidth()) * ao_Text.TxtGetHeight();
	const u32 u32_Ink = static_cast<u32>(std::count_if(p_Pixels, p_Pixels + u_Size, [](u8 u) { return u != 0; }));
	CInkProbe o_Probe;
	return o_Probe.InkWithRoom(ao_Text) > u32_Ink;
}

void CInkCheck::Collect(const float (&af_Projection)[16])
{
	mo_Texts.clear();
	Visit(LibGfx_CObjBase::so_RootObject, af_Projection);
}

void CInkCheck::Visit(const LibGfx_CObjBase& ao_Object, const float (&af_Projection)[16])
{
	if (!(ao_Object.mu32_State & LibGfx_CObjBase::ke_Obj_Visible))
		return;
	// The dimmed cards beside a carousel's front one stand partly hidden, as they are meant to.
	const LibGfx_CObjWndBase* p_Wnd = dynamic_cast<const LibGfx_CObjWndBase*>(&ao_Object);
	if (p_Wnd != nullptr && p_Wnd->IsDimmed())
		return;
	if (const LibGfx_CObjText* p_Text = dynamic_cast<const LibGfx_CObjText*>(&ao_Object))
		AddText(*p_Text, af_Projection);
	for (const LibGfx_CObjBase* p_Child : ao_Object.mo_ChildList)
		Visit(*p_Child, af_Projection);
}

void CInkCheck::AddText(const LibGfx_CObjText& ao_Text, const float (&af_Projection)[16])
{
	const u8* p_Pixels = ao_Text.TxtGetPixels();
	const int i_Width = ao_Text.TxtGetWidth();
	const int i_Height = ao_Text.TxtGetHeight();
	if (p_Pixels == nullptr || ao_Text.TxtGetText() == nullptr || ao_Text.mo_PolyList.empty() ||
	    ao_Text.mo_PolyList.front()->GetAlpha() != 0xFF)
		return;
	int i_Left = i_Width, i_Top = i_Height, i_Right = -1, i_Bottom = -1;
	for (int y = 0; y < i_Height; ++y)
		for (int x = 0; x < i_Width; ++x)
			if (p_Pixels[y * i_Width + x] != 0)
			{
				i_Left = std::min(i_Left, x);
				i_Right = std::max(i_Right, x);
				i_Top = std::min(i_Top, y);
				i_Bottom = std::max(i_Bottom, y);
			}
	if (i_Right < 0)
		return;
	// The buffer's top-left pixel sits at the quad's top-left corner, centred as the quad is.
	const float f_X0 = -std::floor(i_Width * 0.5f);
	const float f_Y0 = std::floor(i_Height * 0.5f);
	SInk o_Ink = {&ao_Text, Label(ao_Text), 1e9f, 1e9f, -1e9f, -1e9f, IsCut(ao_Text)};
	for (int c = 0; c < 4; ++c)
	{
		const float f_X = f_X0 + ((c & 1) ? i_Right + 1 : i_Left);
		const float f_Y = f_Y0 - ((c & 2) ? i_Bottom + 1 : i_Top);
		float f_ScreenX, f_ScreenY;
		ToScreen(ao_Text.mf_Matrix, af_Projection, f_X, f_Y, f_ScreenX, f_ScreenY);
		o_Ink.mf_Left = std::min(o_Ink.mf_Left, f_ScreenX);
		o_Ink.mf_Right = std::max(o_Ink.mf_Right, f_ScreenX);
		o_Ink.mf_Top = std::min(o_Ink.mf_Top, f_ScreenY);
		o_Ink.mf_Bottom = std::max(o_Ink.mf_Bottom, f_ScreenY);
	}
	// A text wholly beside the screen is not shown, as the found answers beside a quiz round.
	if (o_Ink.mf_Right < 0.0f || o_Ink.mf_Left > ku16_Screen_Width || o_Ink.mf_Bottom < 0.0f || o_Ink.mf_Top > ku16_Screen_Height)
		return;
	mo_Texts.push_back(o_Ink);
}

std::vector<std::string> CInkCheck::Problems() const
{
	std::vector<std::string> o_Problems;
	for (size_t i = 0; i < mo_Texts.size(); ++i)
	{
		const SInk& a = mo_Texts[i];
		if (a.mb_Cut)
			o_Problems.push_back(a.ms_Label + " is cut by its box");
		if (a.mf_Left < -kf_Slack || a.mf_Top < -kf_Slack || a.mf_Right > ku16_Screen_Width + kf_Slack ||
		    a.mf_Bottom > ku16_Screen_Height + kf_Slack)
			o_Problems.push_back(a.ms_Label + " " + Rect(a) + " leaves the screen");
		for (size_t j = i + 1; j < mo_Texts.size(); ++j)
		{
			const SInk& b = mo_Texts[j];
			if (a.mf_Left < b.mf_Right - kf_Slack && b.mf_Left < a.mf_Right - kf_Slack &&
			    a.mf_Top < b.mf_Bottom - kf_Slack && b.mf_Top < a.mf_Bottom - kf_Slack)
				o_Problems.push_back(a.ms_Label + " " + Rect(a) + " overlaps " + b.ms_Label + " " + Rect(b));
		}
	}
	return o_Problems;
}
