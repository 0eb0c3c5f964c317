#include "CThemeBackgrounds.h"

#include "CThemeCanvas.h"

#include <cmath>
#include <cstdint>

namespace
{
const int kWidth = 480;
const int kHeight = 272;

// A fixed pseudo-random sequence, so every build draws the same pictures.
class CRandom
{
public:
	double Next()
	{
		mu32_State = mu32_State * 1664525u + 1013904223u;
		return (mu32_State >> 8) / 16777216.0;
	}

private:
	uint32_t mu32_State = 12345u;
};

// Opaque paper: a gentle vertical wash, fibres and a darker rim.
void DrawPaper(const CThemeCanvas& ao_Canvas)
{
	cairo_t* cr = ao_Canvas.Cr();
	cairo_pattern_t* wash = cairo_pattern_create_linear(0, 0, 0, kHeight);
	cairo_pattern_add_color_stop_rgb(wash, 0, kPaper.mf_Red, kPaper.mf_Green, kPaper.mf_Blue);
	cairo_pattern_add_color_stop_rgb(wash, 1, kPaperDark.mf_Red, kPaperDark.mf_Green, kPaperDark.mf_Blue);
	cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
	cairo_set_source(cr, wash);
	cairo_paint(cr);
	cairo_pattern_destroy(wash);
	cairo_set_operator(cr, CAIRO_OPERATOR_OVER);

	CRandom random;
	cairo_set_line_width(cr, 0.6);
	cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
	for (int i = 0; i < 700; ++i)
	{
		double x = random.Next() * kWidth, y = random.Next() * kHeight;
		double angle = random.Next() * M_PI, length = 4 + random.Next() * 14;
		cairo_move_to(cr, x, y);
		cairo_rel_curve_to(cr, cos(angle) * length * 0.3, sin(angle) * length * 0.3 + 1.5,
						   cos(angle) * length * 0.7, sin(angle) * length * 0.7 - 1.5,
						   cos(angle) * length, sin(angle) * length);
		bool dark = random.Next() < 0.25;
		ao_Canvas.SetColor(dark ? kInkSoft : kPaperDark, (dark ? 0.05 : 0.25) + random.Next() * 0.08);
		cairo_stroke(cr);
	}

	cairo_pattern_t* rim = cairo_pattern_create_radial(kWidth / 2.0, kHeight / 2.0, 120, kWidth / 2.0, kHeight / 2.0, 300);
	cairo_pattern_add_color_stop_rgba(rim, 0, kInk.mf_Red, kInk.mf_Green, kInk.mf_Blue, 0.0);
	cairo_pattern_add_color_stop_rgba(rim, 1, kInk.mf_Red, kInk.mf_Green, kInk.mf_Blue, 0.16);
	cairo_set_source(cr, rim);
	cairo_paint(cr);
	cairo_pattern_destroy(rim);
}

// An enso, the brushed circle: a stroke that swells and thins as it goes,
// with a few dry streaks beside it.
void DrawEnso(const CThemeCanvas& ao_Canvas, double cx, double cy, double radius)
{
	cairo_t* cr = ao_Canvas.Cr();
	cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
	const double start = 1.9, sweep = 5.5;
	const int steps = 240;
	for (int i = 0; i < steps; ++i)
	{
		double t = i / double(steps);
		double a0 = start + sweep * t, a1 = start + sweep * (t + 1.0 / steps);
		double width = 2.0 + 11.0 * sin(M_PI * pow(t, 0.7)) * (1.0 - 0.35 * t);
		double r = radius + 3.0 * sin(t * 5.0);
		cairo_arc(cr, cx, cy, r, a0, a1);
		cairo_set_line_width(cr, width);
		ao_Canvas.SetColor(kInk, 0.78);
		cairo_stroke(cr);
	}
	CRandom random;
	for (int k = 0; k < 5; ++k)
	{
		double offset = (random.Next() - 0.5) * 14.0;
		double begin = start + 0.4 + random.Next() * 1.5;
		cairo_arc(cr, cx, cy, radius + offset, begin, begin + 1.0 + random.Next() * 2.0);
		cairo_set_line_width(cr, 0.8);
		ao_Canvas.SetColor(kInk, 0.25);
		cairo_stroke(cr);
	}
}

// A small vermilion seal with paper-coloured strokes.
void DrawSeal(const CThemeCanvas& ao_Canvas, double x, double y, double size)
{
	cairo_t* cr = ao_Canvas.Cr();
	ao_Canvas.RoundedRect(x, y, size, size, 2.5);
	ao_Canvas.SetColor(kVermilion, 0.92);
	cairo_fill(cr);
	double s = size / 10.0;
	cairo_move_to(cr, x + 2 * s, y + 3 * s);
	cairo_line_to(cr, x + 8 * s, y + 3 * s);
	cairo_move_to(cr, x + 5 * s, y + 2 * s);
	cairo_line_to(cr, x + 5 * s, y + 8 * s);
	cairo_move_to(cr, x + 2.5 * s, y + 6 * s);
	cairo_line_to(cr, x + 7.5 * s, y + 6 * s);
	cairo_move_to(cr, x + 2 * s, y + 8 * s);
	cairo_line_to(cr, x + 8 * s, y + 8 * s);
	cairo_set_line_width(cr, 1.4 * s);
	ao_Canvas.SetColor(kPaper);
	cairo_stroke(cr);
}

// Faint practice squares with dashed centre lines, and a vermilion margin.
void DrawPracticeGrid(const CThemeCanvas& ao_Canvas)
{
	cairo_t* cr = ao_Canvas.Cr();
	const double cell = 34.0, left = 36.0, top = 0.5;
	cairo_set_line_width(cr, 1.0);
	for (double x = left + 0.5; x <= kWidth; x += cell)
	{
		cairo_move_to(cr, x, 0);
		cairo_line_to(cr, x, kHeight);
	}
	for (double y = top; y <= kHeight; y += cell)
	{
		cairo_move_to(cr, left, y);
		cairo_line_to(cr, kWidth, y);
	}
	ao_Canvas.SetColor(kInkSoft, 0.13);
	cairo_stroke(cr);

	const double dash[] = {2.0, 3.0};
	cairo_set_dash(cr, dash, 2, 0);
	for (double x = left + 0.5 + cell / 2; x <= kWidth; x += cell)
	{
		cairo_move_to(cr, x, 0);
		cairo_line_to(cr, x, kHeight);
	}
	for (double y = top + cell / 2; y <= kHeight; y += cell)
	{
		cairo_move_to(cr, left, y);
		cairo_line_to(cr, kWidth, y);
	}
	ao_Canvas.SetColor(kInkSoft, 0.08);
	cairo_stroke(cr);
	cairo_set_dash(cr, nullptr, 0, 0);

	cairo_move_to(cr, 24.5, 0);
	cairo_line_to(cr, 24.5, kHeight);
	cairo_move_to(cr, 28.5, 0);
	cairo_line_to(cr, 28.5, kHeight);
	ao_Canvas.SetColor(kVermilion, 0.45);
	cairo_stroke(cr);
}
}

bool CThemeBackgrounds::Build(const std::string& as_Dir)
{
	CThemeCanvas intro(kWidth, kHeight);
	DrawPaper(intro);
	DrawEnso(intro, 352, 116, 82);
	DrawSeal(intro, 425, 186, 22);

	CThemeCanvas quiz(kWidth, kHeight);
	DrawPaper(quiz);
	DrawPracticeGrid(quiz);

	bool ok = intro.Save(as_Dir + "/FondIntro.png");
	return quiz.Save(as_Dir + "/FondEcran.png") && ok;
}

bool CThemeBackgrounds::BuildAppIcon(const std::string& as_Path, int ai_Size)
{
	const int s32_Design = 256;
	CThemeCanvas o_Icon(ai_Size, ai_Size);
	cairo_t* p_Cr = o_Icon.Cr();
	// Drawn at 256 and scaled, so that every size is the same picture, each sharp at its size.
	cairo_scale(p_Cr, ai_Size / static_cast<double>(s32_Design), ai_Size / static_cast<double>(s32_Design));
	// Paper clipped to a rounded square; outside it the icon stays transparent.
	o_Icon.RoundedRect(8, 8, s32_Design - 16, s32_Design - 16, 36);
	cairo_clip(p_Cr);
	DrawPaper(o_Icon);
	cairo_reset_clip(p_Cr);
	DrawEnso(o_Icon, s32_Design / 2.0, s32_Design / 2.0 - 6, 78);
	DrawSeal(o_Icon, 176, 178, 36);
	return o_Icon.Save(as_Path);
}
