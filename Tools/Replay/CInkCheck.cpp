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
	// line's height and gap.
	const u16 ku16_Margin = 64;
	// Two lines whose ink comes closer than this many blank pixels read as one block: at this
	// size one blank row between two lines of kana looks like none.
	const int ki_LineClearance = 2;
	// A window hides what stands at least this far behind it (world units along the view).
	const float kf_DepthSlack = 1.0f;
	// Every text keeps this many pixels clear of the screen's left and right edges, as the bar's
	// lines do.
	const float kf_ScreenSide = 4.0f;
	// Ink rectangles closer than this are taken as touching, not overlapping: the corners come
	// through the projection in floating point.
	const float kf_Slack = 0.5f;

	// Lays a text out as its object did and draws the same lines with room all around them.
	class CInkProbe : public LibText_CTextBase
	{
	public:
		explicit CInkProbe(const LibGfx_CObjText& ao_Text)
		{
			mu16_BoxWidth = ao_Text.TxtGetWidth();
			mu16_BoxHeight = ao_Text.TxtGetHeight();
			TxtSetFont(ao_Text.TxtGetFont(), ao_Text.TxtGetFontKanji());
			TxtSetTextType(ao_Text.TxtGetTextType());
			TxtSetAlign(ao_Text.TxtGetAlign() & 0x0F, ao_Text.TxtGetAlign() >> 4);
			TxtSetLineGap(ao_Text.TxtGetLineGap());
			TxtSetLightMark(ao_Text.TxtGetLightMark());
			TxtSetText(ao_Text.TxtGetText(), false);
			TxtSetSize(mu16_BoxWidth, mu16_BoxHeight);
			TxtParseString();
			mu16_Shown = std::min(mu16_LineCount, TxtGetLineCapacity());
			// The same lines drawn with the margin around them.
			mu16_Width = static_cast<u16>(mu16_BoxWidth + 2 * ku16_Margin);
			mu16_Height = static_cast<u16>(std::min<u32>(0xFFFF, mu16_BoxHeight + (mu16_LineCount + 1u) * ku16_Margin));
			delete[] mp_Pixels;
			mp_Pixels = new u8[PixelCount()];
			const u8 u8_Align = mu8_Align & 0x0F;
			ms16_PosX = (u8_Align & ke_TxtAlign_Center) ? 0 : ((u8_Align & ke_TxtAlign_Right) ? -ku16_Margin : ku16_Margin);
			ms16_PosY = ku16_Margin;
		}

		// Every line of the layout, those past the box's height included.
		u32 InkWithRoom()
		{
			TxtRender();
			return static_cast<u32>(std::count_if(mp_Pixels, mp_Pixels + PixelCount(), [](u8 u) { return u != 0; }));
		}

		// The first of two lines the box shows whose ink touches or overlaps; -1 when none do.
		int TouchingLine()
		{
			SParseInf* p_Lines = mp_LineInfo;
			const u16 u16_Count = mu16_LineCount;
			const s16 s16_Top = ms16_PosY;
			std::vector<u8> o_Above;
			int i_Found = -1;
			mu16_LineCount = 1;
			for (u16 i = 0; i < mu16_Shown && i_Found < 0; ++i)
			{
				// One line alone, where the whole layout draws it.
				mp_LineInfo = p_Lines + i;
				ms16_PosY = static_cast<s16>(s16_Top + i * LinePitch());
				TxtRender();
				if (i > 0 && Touches(o_Above))
					i_Found = i - 1;
				o_Above.assign(mp_Pixels, mp_Pixels + PixelCount());
			}
			mp_LineInfo = p_Lines;
			mu16_LineCount = u16_Count;
			ms16_PosY = s16_Top;
			return i_Found;
		}

	private:
		size_t PixelCount() const { return static_cast<size_t>(mu16_Width) * mu16_Height; }

		// True when an ink pixel of the buffer has one of the other line's within the clearance,
		// across or on a slant.
		bool Touches(const std::vector<u8>& ao_Other) const
		{
			const int k = ki_LineClearance;
			for (int y = k; y + k < mu16_Height; ++y)
				for (int x = k; x + k < mu16_Width; ++x)
				{
					if (mp_Pixels[y * mu16_Width + x] == 0)
						continue;
					for (int dy = -k; dy <= k; ++dy)
						for (int dx = -k; dx <= k; ++dx)
							if (ao_Other[(y + dy) * mu16_Width + x + dx] != 0)
								return true;
				}
			return false;
		}

		u16 mu16_BoxWidth = 0;
		u16 mu16_BoxHeight = 0;
		u16 mu16_Shown = 0;
	};

	// A point of the text's buffer through the object's matrix and the projection, in pixels
	// of the 480 x 272 screen; returns its distance from the eye (clip w).
	float ToScreen(const float (&af_Model)[16], const float (&af_Projection)[16], float af_X, float af_Y,
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
		return f_W;
	}

	// The screen rectangle that holds a rectangle of an object's own units (y upwards).
	void ScreenRect(const float (&af_Model)[16], const float (&af_Projection)[16], float af_X1, float af_Y1, float af_X2,
	                float af_Y2, CInkCheck::SRect& ao_Rect)
	{
		ao_Rect = {1e9f, 1e9f, -1e9f, -1e9f, 1e9f, -1e9f};
		for (int c = 0; c < 4; ++c)
		{
			float f_ScreenX, f_ScreenY;
			const float f_Depth = ToScreen(af_Model, af_Projection, (c & 1) ? af_X2 : af_X1, (c & 2) ? af_Y2 : af_Y1, f_ScreenX, f_ScreenY);
			ao_Rect.mf_Near = std::min(ao_Rect.mf_Near, f_Depth);
			ao_Rect.mf_Far = std::max(ao_Rect.mf_Far, f_Depth);
			ao_Rect.mf_Left = std::min(ao_Rect.mf_Left, f_ScreenX);
			ao_Rect.mf_Right = std::max(ao_Rect.mf_Right, f_ScreenX);
			ao_Rect.mf_Top = std::min(ao_Rect.mf_Top, f_ScreenY);
			ao_Rect.mf_Bottom = std::max(ao_Rect.mf_Bottom, f_ScreenY);
		}
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

	std::string Rect(const CInkCheck::SRect& ao_Rect)
	{
		char s_Rect[64];
		snprintf(s_Rect, sizeof(s_Rect), "(%.0f,%.0f)-(%.0f,%.0f)", ao_Rect.mf_Left, ao_Rect.mf_Top, ao_Rect.mf_Right, ao_Rect.mf_Bottom);
		return s_Rect;
	}

	bool Inside(const CInkCheck::SRect& ao_Inner, const CInkCheck::SRect& ao_Outer)
	{
		return ao_Inner.mf_Left >= ao_Outer.mf_Left - kf_Slack && ao_Inner.mf_Top >= ao_Outer.mf_Top - kf_Slack &&
		       ao_Inner.mf_Right <= ao_Outer.mf_Right + kf_Slack && ao_Inner.mf_Bottom <= ao_Outer.mf_Bottom + kf_Slack;
	}
}

bool CInkCheck::IsCut(const LibGfx_CObjText& ao_Text)
{
	const u8* p_Pixels = ao_Text.TxtGetPixels();
	if (p_Pixels == nullptr || ao_Text.TxtGetText() == nullptr)
		return false;
	const size_t u_Size = static_cast<size_t>(ao_Text.TxtGetWidth()) * ao_Text.TxtGetHeight();
	const u32 u32_Ink = static_cast<u32>(std::count_if(p_Pixels, p_Pixels + u_Size, [](u8 u) { return u != 0; }));
	CInkProbe o_Probe(ao_Text);
	return o_Probe.InkWithRoom() > u32_Ink;
}

void CInkCheck::Collect(const float (&af_Projection)[16])
{
	mo_Texts.clear();
	mo_Windows.clear();
	Visit(LibGfx_CObjBase::so_RootObject, nullptr, af_Projection);
	// A text behind an opaque window that covers all its ink is not seen: it is left out.
	const auto Hidden = [this](const SInk& ao_Ink)
	{
		for (const SRect& o_Window : mo_Windows)
			if (o_Window.mf_Far + kf_DepthSlack < ao_Ink.mo_Ink.mf_Near && Inside(ao_Ink.mo_Ink, o_Window))
				return true;
		return false;
	};
	mo_Texts.erase(std::remove_if(mo_Texts.begin(), mo_Texts.end(), Hidden), mo_Texts.end());
}

void CInkCheck::Visit(LibGfx_CObjBase& ao_Object, LibGfx_CObjWndBase* ap_Window, const float (&af_Projection)[16])
{
	if (!(ao_Object.mu32_State & LibGfx_CObjBase::ke_Obj_Visible))
		return;
	// The dimmed cards beside a carousel's front one stand partly hidden, as they are meant to.
	const LibGfx_CObjWndBase* p_Wnd = dynamic_cast<const LibGfx_CObjWndBase*>(&ao_Object);
	if (p_Wnd != nullptr && p_Wnd->IsDimmed())
		return;
	if (const LibGfx_CObjText* p_Text = dynamic_cast<const LibGfx_CObjText*>(&ao_Object))
		AddText(*p_Text, ap_Window, af_Projection);
	if (LibGfx_CObjWndBase* p_Window = dynamic_cast<LibGfx_CObjWndBase*>(&ao_Object))
	{
		ap_Window = p_Window;
		if (p_Window->GetWindowPoly(LibGfx_CObjWndBase::ke_PolyId_MidMid)->GetAlpha() == 0xFF)
		{
			CVector3d<float> o_Corner1, o_Corner2;
			p_Window->GetCorners(o_Corner1, o_Corner2, false);
			mo_Windows.emplace_back();
			ScreenRect(p_Window->mf_Matrix, af_Projection, o_Corner1.x, o_Corner1.y, o_Corner2.x, o_Corner2.y, mo_Windows.back());
		}
	}
	for (LibGfx_CObjBase* p_Child : ao_Object.mo_ChildList)
		Visit(*p_Child, ap_Window, af_Projection);
}

void CInkCheck::AddText(const LibGfx_CObjText& ao_Text, LibGfx_CObjWndBase* ap_Window, const float (&af_Projection)[16])
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
	SInk o_Ink;
	o_Ink.mp_Text = &ao_Text;
	o_Ink.ms_Label = Label(ao_Text);
	CInkProbe o_Probe(ao_Text);
	o_Ink.mi_TouchingLine = o_Probe.TouchingLine();
	o_Ink.mb_Cut = IsCut(ao_Text);
	// The buffer's top-left pixel sits at the quad's top-left corner, centred as the quad is.
	const float f_X0 = -std::floor(i_Width * 0.5f);
	const float f_Y0 = std::floor(i_Height * 0.5f);
	ScreenRect(ao_Text.mf_Matrix, af_Projection, f_X0 + i_Left, f_Y0 - i_Top, f_X0 + i_Right + 1, f_Y0 - i_Bottom - 1, o_Ink.mo_Ink);
	o_Ink.mb_InWindow = ap_Window != nullptr;
	if (o_Ink.mb_InWindow)
	{
		CVector3d<float> o_Corner1, o_Corner2;
		ap_Window->GetCornersClient(o_Corner1, o_Corner2, false);
		ScreenRect(ap_Window->mf_Matrix, af_Projection, o_Corner1.x, o_Corner1.y, o_Corner2.x, o_Corner2.y, o_Ink.mo_Frame);
	}
	// A text wholly beside the screen is not shown, as the found answers beside a quiz round.
	const SRect& o_Rect = o_Ink.mo_Ink;
	if (o_Rect.mf_Right < 0.0f || o_Rect.mf_Left > ku16_Screen_Width || o_Rect.mf_Bottom < 0.0f || o_Rect.mf_Top > ku16_Screen_Height)
		return;
	mo_Texts.push_back(o_Ink);
}

std::vector<std::string> CInkCheck::Problems() const
{
	const SRect o_Screen = {kf_ScreenSide, 0, ku16_Screen_Width - kf_ScreenSide, ku16_Screen_Height, 0, 0};
	std::vector<std::string> o_Problems;
	for (size_t i = 0; i < mo_Texts.size(); ++i)
	{
		const SInk& a = mo_Texts[i];
		if (a.mb_Cut)
			o_Problems.push_back(a.ms_Label + " is cut by its box");
		if (a.mi_TouchingLine >= 0)
			o_Problems.push_back(a.ms_Label + ": lines " + std::to_string(a.mi_TouchingLine + 1) + " and " +
			                     std::to_string(a.mi_TouchingLine + 2) + " touch");
		if (!Inside(a.mo_Ink, o_Screen))
			o_Problems.push_back(a.ms_Label + " " + Rect(a.mo_Ink) + " leaves the screen or comes within 4 pixels of its side");
		else if (a.mb_InWindow && !Inside(a.mo_Ink, a.mo_Frame))
			o_Problems.push_back(a.ms_Label + " " + Rect(a.mo_Ink) + " runs past its window's frame " + Rect(a.mo_Frame));
		for (size_t j = i + 1; j < mo_Texts.size(); ++j)
		{
			const SRect& o_A = a.mo_Ink;
			const SRect& o_B = mo_Texts[j].mo_Ink;
			if (o_A.mf_Left < o_B.mf_Right - kf_Slack && o_B.mf_Left < o_A.mf_Right - kf_Slack &&
			    o_A.mf_Top < o_B.mf_Bottom - kf_Slack && o_B.mf_Top < o_A.mf_Bottom - kf_Slack)
				o_Problems.push_back(a.ms_Label + " " + Rect(o_A) + " overlaps " + mo_Texts[j].ms_Label + " " + Rect(o_B));
		}
	}
	return o_Problems;
}
