// A Cairo ARGB picture the theme builder draws on and saves as an RGBA PNG.
#ifndef CTHEMECANVAS_H
#define CTHEMECANVAS_H

#include "SThemeColor.h"

#include <cairo.h>
#include <string>

class CThemeCanvas
{
public:
	CThemeCanvas(int ai_Width, int ai_Height);
	~CThemeCanvas();
	CThemeCanvas(const CThemeCanvas&) = delete;
	CThemeCanvas& operator=(const CThemeCanvas&) = delete;

	cairo_t* Cr() const { return mp_Cr; }
	int Width() const { return mi_Width; }
	int Height() const { return mi_Height; }

	void SetColor(const SThemeColor& ao_Color, double af_Alpha = 1.0) const;
	void RoundedRect(double x, double y, double w, double h, double r) const;

	// Saves the whole picture, or the given rectangle of it.
	bool Save(const std::string& as_Path) const;
	bool SaveCrop(const std::string& as_Path, int x, int y, int w, int h) const;

private:
	int mi_Width;
	int mi_Height;
	cairo_surface_t* mp_Surface;
	cairo_t* mp_Cr;
};

#endif
