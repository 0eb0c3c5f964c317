#ifndef GFXTESTFIXTURE_H
#define GFXTESTFIXTURE_H

#include "LibGfx_COffscreen.h"
#include "LibGen_DataTypes.h"

#include <gtest/gtest.h>
#include <string>

// A loaded engine over a fresh 480 x 272 offscreen frame, the start camera where one world
// unit on the z = 0 plane is one pixel, and a scratch folder as the file system's current one.
// Everything is detached, freed and reset afterwards.
class GfxTest : public ::testing::Test
{
protected:
	void SetUp() override;
	void TearDown() override;

	// Recreates the frame at another size (the window size follows) and reloads the engine's state.
	void Resize(u16 au16_Width, u16 au16_Height);
	// Runs one frame: managers' updates of the engine and cameras, then the drawing.
	void DrawFrame();
	u32 Pixel(u16 au16_X, u16 au16_Y) const { return mo_Screen.GetPixel(au16_X, au16_Y); }
	// A file name in the scratch folder, relative to it.
	std::string Scratch(const char* as_Name) const { return ms_Dir + "/" + as_Name; }

	LibGfx_COffscreen mo_Screen;
	std::string ms_Dir;
};

// Screen pixel of a world point on the z = 0 plane under the start camera.
inline u16 ScreenX(float af_X) { return static_cast<u16>(240.0f + af_X); }
inline u16 ScreenY(float af_Y) { return static_cast<u16>(136.0f - af_Y); }

#endif
