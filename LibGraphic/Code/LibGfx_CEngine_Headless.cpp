#include "LibGfx_CEngine.h"

#include <GL/gl.h>

void LibGfx_CEngine::SceneEnd()
{
	// Offscreen there is nothing to swap: the frame is complete once the driver has finished it.
	glFinish();
}
