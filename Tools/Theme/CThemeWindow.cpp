#include "CThemeWindow.h"

#include "CThemeCanvas.h"

namespace
{
// The frame is drawn once as a 3 x 3 grid of tiles and cut apart. Every curve
// ends inside its corner tile, so the edge tiles are the same along their
// length and repeat without seams; the centre tile is plain paper.
const int kTile = 16;
const int kSize = 3 * kTile;
const double kInset = 3.0;   // room for the soft shadow outside the ink line
const double kRadius = 9.0;

void DrawFrame(const CThemeCanvas& ao_Canvas)
{
	cairo_t* cr = ao_Canvas.Cr();
	const double body = kSize - 2 * kInset;

	// Soft shadow: widening, fading outlines around the frame.
	for (int k = 3; k >= 1; --k)
	{
		ao_Canvas.RoundedRect(kInset - k, kInset - k, body + 2 * k, body + 2 * k, kRadius + k);
		ao_Canvas.SetColor(kInk, 0.10);
		cairo_fill(cr);
	}
	// Ink border, then the paper inside it.
	ao_Canvas.RoundedRect(kInset, kInset, body, body, kRadius);
	ao_Canvas.SetColor(kInk);
	cairo_fill(cr);
	ao_Canvas.RoundedRect(kInset + 2, kInset + 2, body - 4, body - 4, kRadius - 2);
	ao_Canvas.SetColor(kPaper);
	cairo_fill(cr);
	// A thin vermilion rule inside the border.
	const double rule = kInset + 6.5;
	ao_Canvas.RoundedRect(rule, rule, kSize - 2 * rule, kSize - 2 * rule, 3.0);
	ao_Canvas.SetColor(kVermilion, 0.85);
	cairo_set_line_width(cr, 1.0);
	cairo_stroke(cr);
}
}

bool CThemeWindow::Build(const std::string& as_Dir)
{
	CThemeCanvas canvas(kSize, kSize);
	DrawFrame(canvas);

	static const char* const names[3][3] = {
		{"TopLeft", "TopMid", "TopRight"},
		{"MidLeft", "MidMid", "MidRight"},
		{"BotLeft", "BotMid", "BotRight"},
	};
	bool ok = true;
	for (int row = 0; row < 3; ++row)
		for (int col = 0; col < 3; ++col)
			ok = canvas.SaveCrop(as_Dir + "/" + names[row][col] + ".png", col * kTile, row * kTile, kTile, kTile) && ok;
	return ok;
}
