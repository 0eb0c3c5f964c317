#ifndef LIBGFX_CENGINE_H
#define LIBGFX_CENGINE_H

#include "LibGen_CManagerSingleton.h"
#include "LibGen_DataTypes.h"
#include "LibGen_Vector2D.h"
#include "LibGfx_CCameraBase.h"

// The logical screen. Its centre is the origin; seen from ku_Screen_Distance (136 / tan 22.5°)
// with the 45° field of view, one unit of the z = 0 plane is one of its pixels.
const u16 ku16_Screen_Width = 480;
const u16 ku16_Screen_Height = 272;
const float kf_Screen_HalfWidth = ku16_Screen_Width / 2.0f;
const float kf_Screen_HalfHeight = ku16_Screen_Height / 2.0f;
const float kf_Screen_Ratio = static_cast<float>(ku16_Screen_Width) / static_cast<float>(ku16_Screen_Height);
const double kd_Screen_Distance = 328.3330418906434;

// Last size of the window's drawable area, written by the resize callback (width in x, height in y).
extern CVector2d<u16> guWindowSize;
// The 2 MiB block that stands in for video memory; its last 1,261,568 bytes feed gManagerVRam.
extern u8* g_pVRAm;
// Always at the bottom of the camera stack.
extern LibGfx_CCameraBase gCameraStart;

// Owns the frame: the fixed device state, the background picture, the projection from the
// blended camera, the display tree's drawing, the presentation. The device side lives in the
// backend twins (_GL, _Win, _Web; Include/Port.h).
class LibGfx_CEngine : public LibGen_CManagerSingleton<LibGfx_CEngine>
{
public:
	enum
	{
		ku32_VRamSize = 2097152,
		ku32_VRamReserved = 835584,   // never handed out
	};

	virtual ~LibGfx_CEngine() {}
	// The update pass of the display tree.
	void Update() override;

	// Sets up the device (the OpenGL or WebGL state of the current context, or the Direct3D device),
	// the video memory, then InitializeCommon; false when the device failed. The video memory
	// is set up by the first call only: gManagerVRam cannot forget a block once given.
	bool Load();
	// Spans the root over the logical screen, shows it and pushes gCameraStart.
	bool InitializeCommon();
	// Detaches the display tree, frees the background and lets the device go. The video
	// memory stays for the rest of the run, for the reason given at Load.
	void Unload();
	// Loads a PNG as the background, opaque pixels stretched over the window; a file that
	// fails leaves no background.
	void LoadBg(const char* as_Path);

	// Clears, draws the background and sets the camera's projection. Before Load (no camera)
	// the frame is only cleared.
	bool SceneBegin();
	void SceneRender();
	// Presents the frame: a buffer swap with a window, a finish offscreen.
	void SceneEnd();

private:
	// The backend's own set-up and release, done by Load and Unload.
	bool LoadDevice();
	void UnloadDevice();
};

#endif
