#ifndef LIBGFX_COFFSCREEN_H
#define LIBGFX_COFFSCREEN_H

#include "LibGen_DataTypes.h"

#include <GL/osmesa.h>
#include <vector>

// The headless backend's drawing surface: an OSMesa context over a frame in memory.
// One is current at a time; the engine draws into it exactly as into a window.
class LibGfx_COffscreen
{
public:
	LibGfx_COffscreen();
	~LibGfx_COffscreen();

	// Creates the context and makes it current, with the viewport over the whole frame.
	bool Create(u16 au16_Width, u16 au16_Height);
	void Destroy();

	u16 GetWidth() const { return mu16_Width; }
	u16 GetHeight() const { return mu16_Height; }

	// Colour at (x, y) counted from the top-left corner, red in the lowest byte (0 outside the frame).
	u32 GetPixel(u16 au16_X, u16 au16_Y) const;
	// The frame as RGBA rows, top row first.
	void ReadRows(std::vector<u8>& ao_Rgba) const;
	bool SavePng(const char* as_Path) const;

private:
	LibGfx_COffscreen(const LibGfx_COffscreen&) = delete;
	LibGfx_COffscreen& operator=(const LibGfx_COffscreen&) = delete;

	OSMesaContext mp_Context;
	std::vector<u8> mo_Frame;   // bottom row first, as the driver writes it
	u16 mu16_Width;
	u16 mu16_Height;
};

#endif
