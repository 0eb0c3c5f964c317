#include "CThemeMenuIcons.h"

#include "CThemeCanvas.h"

#include <cmath>

namespace
{
const int kSize = 40;

void DrawCard(const CThemeCanvas& ao_Canvas)
{
	cairo_t* cr = ao_Canvas.Cr();
	ao_Canvas.RoundedRect(3, 4, 35, 35, 5);
	ao_Canvas.SetColor(kInk, 0.30);
	cairo_fill(cr);
	ao_Canvas.RoundedRect(2.5, 2.5, 34, 34, 5);
	ao_Canvas.SetColor(kPaper);
	cairo_fill_preserve(cr);
	ao_Canvas.SetColor(kInk);
	cairo_set_line_width(cr, 1.5);
	cairo_stroke(cr);
}

void Brush(const CThemeCanvas& ao_Canvas, const SThemeColor& ao_Color, double af_Width)
{
	cairo_t* cr = ao_Canvas.Cr();
	cairo_set_line_width(cr, af_Width);
	cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
	cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
	ao_Canvas.SetColor(ao_Color);
	cairo_stroke(cr);
}

// The Latin letter A in a box of width 9 and height 12 at (x, y).
void DrawLetterA(const CThemeCanvas& ao_Canvas, double x, double y)
{
	cairo_t* cr = ao_Canvas.Cr();
	cairo_move_to(cr, x, y + 12);
	cairo_line_to(cr, x + 4.5, y);
	cairo_line_to(cr, x + 9, y + 12);
	cairo_move_to(cr, x + 2, y + 7.6);
	cairo_line_to(cr, x + 7, y + 7.6);
	Brush(ao_Canvas, kInk, 2.0);
}

// The kanji for "tree", four strokes, in a box of 10 x 12 at (x, y).
void DrawKanjiTree(const CThemeCanvas& ao_Canvas, double x, double y)
{
	cairo_t* cr = ao_Canvas.Cr();
	cairo_move_to(cr, x, y + 3.5);
	cairo_line_to(cr, x + 10, y + 3.5);
	cairo_move_to(cr, x + 5, y);
	cairo_line_to(cr, x + 5, y + 12);
	cairo_move_to(cr, x + 4.7, y + 4.5);
	cairo_curve_to(cr, x + 3.8, y + 7.5, x + 2.2, y + 9.5, x, y + 10.8);
	cairo_move_to(cr, x + 5.3, y + 4.5);
	cairo_curve_to(cr, x + 6.2, y + 7.5, x + 7.8, y + 9.5, x + 10, y + 10.8);
	Brush(ao_Canvas, kInk, 2.0);
}

// A short vermilion arrow from x0 to x1 at height y.
void DrawArrow(const CThemeCanvas& ao_Canvas, double x0, double x1, double y)
{
	cairo_t* cr = ao_Canvas.Cr();
	double head = x1 > x0 ? -3.0 : 3.0;
	cairo_move_to(cr, x0, y);
	cairo_line_to(cr, x1, y);
	cairo_move_to(cr, x1 + head, y - 3);
	cairo_line_to(cr, x1, y);
	cairo_line_to(cr, x1 + head, y + 3);
	Brush(ao_Canvas, kVermilion, 1.8);
}

// An empty practice square: a frame with dashed centre lines.
void DrawEmpty(const CThemeCanvas& ao_Canvas)
{
	cairo_t* cr = ao_Canvas.Cr();
	cairo_rectangle(cr, 10.5, 10.5, 19, 19);
	Brush(ao_Canvas, kInkSoft, 1.0);
	const double dash[] = {2.0, 2.0};
	cairo_set_dash(cr, dash, 2, 0);
	cairo_move_to(cr, 20, 11);
	cairo_line_to(cr, 20, 29);
	cairo_move_to(cr, 11, 20);
	cairo_line_to(cr, 29, 20);
	cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
	cairo_set_line_width(cr, 1.0);
	ao_Canvas.SetColor(kVermilion, 0.8);
	cairo_stroke(cr);
	cairo_set_dash(cr, nullptr, 0, 0);
}

// A door frame left open and a vermilion arrow leaving through it.
void DrawQuit(const CThemeCanvas& ao_Canvas)
{
	cairo_t* cr = ao_Canvas.Cr();
	cairo_move_to(cr, 19, 10);
	cairo_line_to(cr, 10, 10);
	cairo_line_to(cr, 10, 30);
	cairo_line_to(cr, 19, 30);
	Brush(ao_Canvas, kInk, 2.2);
	cairo_move_to(cr, 15, 20);
	cairo_line_to(cr, 30, 20);
	cairo_move_to(cr, 25, 15);
	cairo_line_to(cr, 30, 20);
	cairo_line_to(cr, 25, 25);
	Brush(ao_Canvas, kVermilion, 2.4);
}

void DrawFromRomanji(const CThemeCanvas& ao_Canvas)
{
	DrawLetterA(ao_Canvas, 7, 13.5);
	DrawArrow(ao_Canvas, 17.5, 22.5, 19.5);
	DrawKanjiTree(ao_Canvas, 24, 13.5);
}

void DrawToRomanji(const CThemeCanvas& ao_Canvas)
{
	DrawKanjiTree(ao_Canvas, 6, 13.5);
	DrawArrow(ao_Canvas, 17.5, 22.5, 19.5);
	DrawLetterA(ao_Canvas, 25, 13.5);
}
}

bool CThemeMenuIcons::Build(const std::string& as_Dir)
{
	static const struct
	{
		void (*draw)(const CThemeCanvas&);
		const char* name;
	} icons[] = {
		{DrawEmpty, "Main_Empty"},
		{DrawQuit, "Main_Quit"},
		{DrawFromRomanji, "Main_FromRomanji"},
		{DrawToRomanji, "Main_ToRomanji"},
	};
	bool ok = true;
	for (const auto& icon : icons)
	{
		CThemeCanvas canvas(kSize, kSize);
		DrawCard(canvas);
		icon.draw(canvas);
		ok = canvas.Save(as_Dir + "/" + icon.name + ".png") && ok;
	}
	return ok;
}
