#include "CThemeButtons.h"

#include "CThemeCanvas.h"

#include <cmath>

namespace
{
const int kSize = 24;
const double kMid = kSize / 2.0;

// A round ink button with a faint light rim, the look shared by all ten.
void DrawBase(const CThemeCanvas& ao_Canvas)
{
	cairo_t* cr = ao_Canvas.Cr();
	cairo_arc(cr, kMid, kMid + 0.6, 11.0, 0, 2 * M_PI);
	ao_Canvas.SetColor(kInk, 0.35);
	cairo_fill(cr);
	cairo_arc(cr, kMid, kMid, 10.5, 0, 2 * M_PI);
	cairo_pattern_t* shade = cairo_pattern_create_linear(0, 2, 0, 22);
	cairo_pattern_add_color_stop_rgb(shade, 0, kInkSoft.mf_Red, kInkSoft.mf_Green, kInkSoft.mf_Blue);
	cairo_pattern_add_color_stop_rgb(shade, 1, kInk.mf_Red, kInk.mf_Green, kInk.mf_Blue);
	cairo_set_source(cr, shade);
	cairo_fill_preserve(cr);
	cairo_pattern_destroy(shade);
	ao_Canvas.SetColor(kPaper, 0.55);
	cairo_set_line_width(cr, 1.0);
	cairo_stroke(cr);
}

void StrokeSymbol(const CThemeCanvas& ao_Canvas, const SThemeColor& ao_Color)
{
	cairo_t* cr = ao_Canvas.Cr();
	cairo_set_line_width(cr, 2.3);
	cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
	cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
	ao_Canvas.SetColor(ao_Color);
	cairo_stroke(cr);
}

void DrawCross(const CThemeCanvas& ao_Canvas)
{
	cairo_t* cr = ao_Canvas.Cr();
	cairo_move_to(cr, 7.5, 7.5);
	cairo_line_to(cr, 16.5, 16.5);
	cairo_move_to(cr, 16.5, 7.5);
	cairo_line_to(cr, 7.5, 16.5);
	StrokeSymbol(ao_Canvas, kButtonCross);
}

void DrawCircle(const CThemeCanvas& ao_Canvas)
{
	cairo_arc(ao_Canvas.Cr(), kMid, kMid, 5.2, 0, 2 * M_PI);
	StrokeSymbol(ao_Canvas, kButtonCircle);
}

void DrawTriangle(const CThemeCanvas& ao_Canvas)
{
	cairo_t* cr = ao_Canvas.Cr();
	cairo_move_to(cr, kMid, 6.3);
	cairo_line_to(cr, 17.6, 15.8);
	cairo_line_to(cr, 6.4, 15.8);
	cairo_close_path(cr);
	StrokeSymbol(ao_Canvas, kButtonTriangle);
}

void DrawSquare(const CThemeCanvas& ao_Canvas)
{
	cairo_rectangle(ao_Canvas.Cr(), 7.6, 7.6, 8.8, 8.8);
	StrokeSymbol(ao_Canvas, kButtonSquare);
}

// A paper-coloured arrow head pointing at angle (0 = right, screen y down),
// its centre af_Offset pixels from the button's centre along that direction.
void DrawArrowHead(const CThemeCanvas& ao_Canvas, double af_Angle, double af_Offset, double af_Size)
{
	cairo_t* cr = ao_Canvas.Cr();
	double c = cos(af_Angle), s = sin(af_Angle);
	double cx = kMid + c * af_Offset, cy = kMid + s * af_Offset;
	cairo_move_to(cr, cx + c * af_Size, cy + s * af_Size);
	cairo_line_to(cr, cx - c * af_Size * 0.6 - s * af_Size, cy - s * af_Size * 0.6 + c * af_Size);
	cairo_line_to(cr, cx - c * af_Size * 0.6 + s * af_Size, cy - s * af_Size * 0.6 - c * af_Size);
	cairo_close_path(cr);
	ao_Canvas.SetColor(kPaper);
	cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
	cairo_set_line_width(cr, 1.2);
	cairo_fill_preserve(cr);
	cairo_stroke(cr);
}

enum Kind { kCross, kCircle, kTriangle, kSquare, kUp, kDown, kLeft, kRight, kUpDown, kLeftRight };

void DrawButton(const CThemeCanvas& ao_Canvas, Kind ae_Kind)
{
	const double up = -M_PI / 2, down = M_PI / 2, left = M_PI, right = 0;
	DrawBase(ao_Canvas);
	switch (ae_Kind)
	{
	case kCross: DrawCross(ao_Canvas); break;
	case kCircle: DrawCircle(ao_Canvas); break;
	case kTriangle: DrawTriangle(ao_Canvas); break;
	case kSquare: DrawSquare(ao_Canvas); break;
	case kUp: DrawArrowHead(ao_Canvas, up, 0.8, 5.2); break;
	case kDown: DrawArrowHead(ao_Canvas, down, 0.8, 5.2); break;
	case kLeft: DrawArrowHead(ao_Canvas, left, 0.8, 5.2); break;
	case kRight: DrawArrowHead(ao_Canvas, right, 0.8, 5.2); break;
	case kUpDown:
		DrawArrowHead(ao_Canvas, up, 4.0, 3.6);
		DrawArrowHead(ao_Canvas, down, 4.0, 3.6);
		break;
	case kLeftRight:
		DrawArrowHead(ao_Canvas, left, 4.0, 3.6);
		DrawArrowHead(ao_Canvas, right, 4.0, 3.6);
		break;
	}
}
}

bool CThemeButtons::Build(const std::string& as_Dir)
{
	static const struct
	{
		Kind kind;
		const char* name;
	} buttons[] = {
		{kCross, "Cross"}, {kCircle, "Circle"}, {kTriangle, "Triangle"}, {kSquare, "Square"},
		{kUp, "Up"}, {kDown, "Down"}, {kLeft, "Left"}, {kRight, "Right"},
		{kUpDown, "UpDown"}, {kLeftRight, "LeftRight"},
	};
	bool ok = true;
	for (const auto& button : buttons)
	{
		CThemeCanvas canvas(kSize, kSize);
		DrawButton(canvas, button.kind);
		ok = canvas.Save(as_Dir + "/" + button.name + ".png") && ok;
	}
	return ok;
}
