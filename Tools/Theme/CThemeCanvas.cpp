#include "CThemeCanvas.h"

#include <cmath>
#include <cstdio>

CThemeCanvas::CThemeCanvas(int ai_Width, int ai_Height)
	: mi_Width(ai_Width), mi_Height(ai_Height),
	  mp_Surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, ai_Width, ai_Height)),
	  mp_Cr(cairo_create(mp_Surface))
{
	cairo_set_antialias(mp_Cr, CAIRO_ANTIALIAS_BEST);
}

CThemeCanvas::~CThemeCanvas()
{
	cairo_destroy(mp_Cr);
	cairo_surface_destroy(mp_Surface);
}

void CThemeCanvas::SetColor(const SThemeColor& ao_Color, double af_Alpha) const
{
	cairo_set_source_rgba(mp_Cr, ao_Color.mf_Red, ao_Color.mf_Green, ao_Color.mf_Blue, af_Alpha);
}

void CThemeCanvas::RoundedRect(double x, double y, double w, double h, double r) const
{
	cairo_new_sub_path(mp_Cr);
	cairo_arc(mp_Cr, x + w - r, y + r, r, -M_PI / 2, 0);
	cairo_arc(mp_Cr, x + w - r, y + h - r, r, 0, M_PI / 2);
	cairo_arc(mp_Cr, x + r, y + h - r, r, M_PI / 2, M_PI);
	cairo_arc(mp_Cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
	cairo_close_path(mp_Cr);
}

bool CThemeCanvas::Save(const std::string& as_Path) const
{
	return SaveCrop(as_Path, 0, 0, mi_Width, mi_Height);
}

bool CThemeCanvas::SaveCrop(const std::string& as_Path, int x, int y, int w, int h) const
{
	cairo_surface_flush(mp_Surface);
	cairo_surface_t* crop = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
	cairo_t* cr = cairo_create(crop);
	cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
	cairo_set_source_surface(cr, mp_Surface, -x, -y);
	cairo_paint(cr);
	cairo_destroy(cr);
	cairo_status_t status = cairo_surface_write_to_png(crop, as_Path.c_str());
	cairo_surface_destroy(crop);
	if (status != CAIRO_STATUS_SUCCESS)
	{
		fprintf(stderr, "%s: %s\n", as_Path.c_str(), cairo_status_to_string(status));
		return false;
	}
	return true;
}
