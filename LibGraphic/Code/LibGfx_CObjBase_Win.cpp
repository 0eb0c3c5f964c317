// The Direct3D side of the display tree: the polygons drawn from the vertices rearranged as
// Direct3D reads them.
#include "LibGfx_CObjBase.h"

#include "LibGfx_CEngine_Win.h"
#include "LibGfx_CPolyBase.h"
#include "LibGfx_CTexture.h"

#include <cstring>

namespace
{
	// Position, colour, texture coordinates: the order Direct3D's vertex formats keep.
	struct SVertexWin
	{
		float x, y, z;
		D3DCOLOR u32_Color;
		float s, t;
	};
	// Untextured polygons carry coordinates 0, unused by their texture stage.
	const DWORD ku32_Fvf = D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1;

	// Vertex colours keep red in the lowest byte; a D3DCOLOR keeps blue there.
	D3DCOLOR ToD3DColor(u32 au32_Color)
	{
		return (au32_Color & 0xFF00FF00) | ((au32_Color & 0xFF) << 16) | ((au32_Color >> 16) & 0xFF);
	}

	// The polygon's vertices in Direct3D's order; false for a vertex format of no known layout.
	bool ToD3DVertices(const LibGfx_CPolyBase& ao_Poly, SVertexWin* ap_Out)
	{
		if (ao_Poly.GetStride() == 0 || ao_Poly.mp_Vertex == nullptr)
			return false;
		for (u32 u = 0; u < ao_Poly.mu8_VertexCount; ++u)
		{
			const LibGfx_CPolyBase::SVertex o_Vertex = ao_Poly.GetVertex(u);
			ap_Out[u] = SVertexWin{o_Vertex.x, o_Vertex.y, o_Vertex.z, ToD3DColor(o_Vertex.u32_Color), o_Vertex.s, o_Vertex.t};
		}
		return true;
	}
}

void LibGfx_CObjBase::RenderPolys()
{
	IDirect3DDevice9* pDevice = LibGfx_GetDevice();
	if (pDevice == nullptr)
		return;
	D3DMATRIX o_World;
	memcpy(&o_World, mf_Matrix, sizeof(o_World));
	pDevice->SetTransform(D3DTS_WORLD, &o_World);
	for (LibGfx_CPolyBase* pPoly : mo_PolyList)
	{
		// Only triangle fans are ever built.
		SVertexWin ao_Vertex[255];
		if (pPoly->mu8_Primitive != LibGfx_CPolyBase::ku8_Primitive_TriangleFan || pPoly->mu8_VertexCount < 3
			|| !ToD3DVertices(*pPoly, ao_Vertex))
			continue;
		LibGfx_CTexture* pTexture = pPoly->mp_Texture;
		if (pTexture != nullptr && pTexture->mu32_GLName != LibGfx_CTexture::ku32_GLName_None)
			pTexture->SetAsCurrent(pPoly->mu8_Repeat);
		else
		{
			pDevice->SetTexture(0, nullptr);
			pDevice->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
			pDevice->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_DIFFUSE);
			pDevice->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1);
			pDevice->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_DIFFUSE);
		}
		pDevice->SetFVF(ku32_Fvf);
		pDevice->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, pPoly->mu8_VertexCount - 2, ao_Vertex, sizeof(SVertexWin));
	}
}
