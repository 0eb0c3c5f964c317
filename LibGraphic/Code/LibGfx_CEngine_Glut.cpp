#include "LibGfx_CEngine.h"

#include <GL/freeglut.h>

void LibGfx_CEngine::SceneEnd()
{
	glutSwapBuffers();
}
