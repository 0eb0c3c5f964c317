#include "LibGfx_CEngine.h"

#include <GL/gl.h>

CVector2d<u16> guWindowSize(480, 272);

void LibGfx_CEngine::Update()
{
}

bool LibGfx_CEngine::SceneBegin()
{
	glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
	glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
	return true;
}

void LibGfx_CEngine::SceneRender()
{
}
