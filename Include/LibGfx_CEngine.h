#ifndef LIBGFX_CENGINE_H
#define LIBGFX_CENGINE_H

#include "LibGen_CManagerSingleton.h"
#include "LibGen_DataTypes.h"
#include "LibGen_Vector2D.h"

// Last size of the window's drawable area, written by the resize callback (width in x, height in y).
extern CVector2d<u16> guWindowSize;

// Owns the frame: clears it, draws the scene, presents it.
class LibGfx_CEngine : public LibGen_CManagerSingleton<LibGfx_CEngine>
{
public:
	virtual ~LibGfx_CEngine() {}
	virtual void Update();

	bool SceneBegin();
	void SceneRender();
	// Presents the frame: a buffer swap with a window, a finish offscreen.
	void SceneEnd();
};

#endif
