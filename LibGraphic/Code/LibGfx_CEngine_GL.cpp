// The OpenGL side of the engine, shared by the GLUT window and the offscreen frame.
#include "LibGfx_CEngine.h"

#include "LibGfx_CManagerCamera.h"
#include "LibGfx_CObjBase.h"
#include "LibGfx_PictureLoader.h"

#include <GL/gl.h>
#include <cstring>

namespace
{
	SPicInfo spImage = {nullptr, 0, 0, ke_PixelFormat_8888};

	// Rows bottom first, the order glDrawPixels reads.
	void FlipRows(SPicInfo& ao_Pic)
	{
		const size_t uRowSize = static_cast<size_t>(ao_Pic.uWidth) * 4;
		u8* pTemp = new u8[uRowSize];
		u8* pTop = ao_Pic.pData;
		u8* pBottom = ao_Pic.pData + uRowSize * (ao_Pic.uHeight - 1);
		for (; pTop < pBottom; pTop += uRowSize, pBottom -= uRowSize)
		{
			memcpy(pTemp, pTop, uRowSize);
			memcpy(pTop, pBottom, uRowSize);
			memcpy(pBottom, pTemp, uRowSize);
		}
		delete[] pTemp;
	}
}

bool LibGfx_CEngine::LoadDevice()
{
	glEnable(GL_DEPTH_TEST);
	glDepthFunc(GL_LEQUAL);
	glEnable(GL_BLEND);
	glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
	glShadeModel(GL_SMOOTH);
	glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
	glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
	return true;
}

void LibGfx_CEngine::UnloadDevice()
{
	delete[] spImage.pData;
	spImage.pData = nullptr;
}

void LibGfx_CEngine::LoadBg(const char* as_Path)
{
	delete[] spImage.pData;
	spImage.eFormat = ke_PixelFormat_8888;
	if (LoadPng(as_Path, &spImage))
		FlipRows(spImage);
}

bool LibGfx_CEngine::SceneBegin()
{
	const float fWidth = guWindowSize.x;
	const float fHeight = guWindowSize.y;
	// Set every frame as well: a context the engine has not loaded clears to transparent black.
	glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
	glDepthFunc(GL_ALWAYS);
	glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
	// The background lies at the far depth, behind everything, stretched from 480 x 272, and
	// untextured: the tree leaves texturing as its last polygon needed it. The raster position
	// is in window coordinates: no matrix applies to it.
	glDisable(GL_TEXTURE_2D);
	glWindowPos3i(0, 0, 1);
	glPixelZoom(fWidth / float(ku16_Screen_Width), fHeight / float(ku16_Screen_Height));
	if (spImage.pData != nullptr)
		glDrawPixels(spImage.uWidth, spImage.uHeight, GL_RGBA, GL_UNSIGNED_BYTE, spImage.pData);
	glDepthFunc(GL_LEQUAL);

	// The camera lives in the projection; the model-view holds only the objects' own matrices.
	LibGfx_CManagerCamera* pCamera = LibGfx_CManagerCamera::Instance();
	glMatrixMode(GL_PROJECTION);
	glLoadIdentity();
	if (pCamera->HasCamera())
	{
		float af_View[16], af_Projection[16];
		pCamera->ComputeView(af_View);
		LibGfx_CManagerCamera::ComputeProjection(ke_Depth_MinusOneToOne, af_Projection);
		glLoadMatrixf(af_Projection);
		glMultMatrixf(af_View);
	}
	glMatrixMode(GL_MODELVIEW);
	glLoadIdentity();
	return true;
}

void LibGfx_CEngine::SceneRender()
{
	LibGfx_CObjBase::so_RootObject.Render();
}
