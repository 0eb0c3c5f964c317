// The OpenGL side of the display tree: the polygons drawn as vertex arrays.
#include "LibGfx_CObjBase.h"

#include "LibGfx_CPolyBase.h"
#include "LibGfx_CTexture.h"

#include <GL/gl.h>

namespace
{
	// Only triangle fans are ever built.
	GLenum GLPrimitive(u8 au8_Primitive)
	{
		return au8_Primitive == LibGfx_CPolyBase::ku8_Primitive_TriangleFan ? GL_TRIANGLE_FAN : GL_POINTS;
	}
}

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
		// A polygon of no known layout is left out, as Direct3D does.
		if (pPoly->mp_Vertex == nullptr || pPoly->GetStride() == 0)
			continue;
		glInterleavedArrays(pPoly->mu32_VertexFormat == LibGfx_CPolyBase::ku32_Format_T2F_C4UB_V3F ? GL_T2F_C4UB_V3F : GL_C4UB_V3F, 0, pPoly->mp_Vertex);
		glDrawArrays(GLPrimitive(pPoly->mu8_Primitive), 0, pPoly->mu8_VertexCount);
	}
}
