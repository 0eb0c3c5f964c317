// The OpenGL side of the display tree: the polygons drawn as vertex arrays.
#include "LibGfx_CObjBase.h"

#include "LibGfx_CPolyBase.h"
#include "LibGfx_CTexture.h"

#include <GL/gl.h>

void LibGfx_CObjBase::RenderPolys()
{
	glLoadMatrixf(mf_Matrix);
	for (LibGfx_CPolyBase* pPoly : mo_PolyList)
	{
		// Texturing is switched off only before a polygon that has no texture to show, not
		// after every textured one: the software driver pays dearly for each switch.
		LibGfx_CTexture* pTexture = pPoly->mp_Texture;
		if (pTexture != nullptr && pTexture->mu32_GLName != LibGfx_CTexture::ku32_GLName_None)
			pTexture->SetAsCurrent(pPoly->mu8_Repeat);
		else
			glDisable(GL_TEXTURE_2D);
		glInterleavedArrays(pPoly->mu32_VertexFormat, 0, pPoly->mp_Vertex);
		glDrawArrays(pPoly->mu8_Primitive, 0, pPoly->mu8_VertexCount);
	}
}
