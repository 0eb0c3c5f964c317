// The WebGL 2 side of the display tree: the polygons gathered for the engine's shader pair.
#include "LibGfx_CObjBase.h"

#include "LibGfx_CEngine_Web.h"
#include "LibGfx_CPolyBase.h"
#include "LibGfx_CTexture.h"

void LibGfx_CObjBase::RenderPolys()
{
	LibGfx_WebSetObjectMatrix(mf_Matrix);
	for (LibGfx_CPolyBase* p_Poly : mo_PolyList)
	{
		LibGfx_CTexture* p_Texture = p_Poly->mp_Texture;
		const bool b_Textured = p_Texture != nullptr && p_Texture->mu32_GLName != LibGfx_CTexture::ku32_GLName_None;
		if (b_Textured)
			p_Texture->SetAsCurrent(p_Poly->mu8_Repeat);
		LibGfx_WebDrawPoly(*p_Poly, b_Textured);
	}
}
