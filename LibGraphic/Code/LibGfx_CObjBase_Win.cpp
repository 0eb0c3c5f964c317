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
		const u32 uStride = ao_Poly.GetStride();
		if (uStride == 0 || ao_Poly.mp_Vertex == nullptr)
			return false;
		const u32 uColorOffset = ao_Poly.GetColorOffset();
		const u8* pVertex = static_cast<const u8*>(ao_Poly.mp_Vertex);
		for (u32 u = 0; u < ao_Poly.mu8_VertexCount; ++u, pVertex += uStride)
		{
			// Texture coordinates, when there are any, come before the colour.
			float af_Coord[2] = {0.0f, 0.0f};
			if (uColorOffset != 0)
				memcpy(af_Coord, pVertex, sizeof(af_Coord));
			u32 uColor;
			memcpy(&uColor, pVertex + uColorOffset, 4);
			float af_Pos[3];
			memcpy(af_Pos, pVertex + uColorOffset + 4, sizeof(af_Pos));
			ap_Out[u] = SVertexWin{af_Pos[0], af_Pos[1], af_Pos[2], ToD3DColor(uColor), af_Coord[0], af_Coord[1]};
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
