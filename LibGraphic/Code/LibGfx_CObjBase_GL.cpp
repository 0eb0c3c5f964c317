// The OpenGL side of the display tree: the matrix computed in OpenGL's order of operations,
// the polygons drawn as vertex arrays.
#include "LibGfx_CObjBase.h"

#include "LibGfx_CPolyBase.h"
#include "LibGfx_CTexture.h"

#include <GL/gl.h>
#include <cmath>
#include <cstring>

namespace
{
	// Post-multiplies the column-major matrix by a rotation in the plane of columns a and b
	// (x: 1, 2; y: 2, 0; z: 0, 1), as glRotatef about that axis does.
	void Rotate(float* ap_M, float af_Radians, int ai_A, int ai_B)
	{
		if (af_Radians == 0.0f)
			return;
		const float c = static_cast<float>(std::cos(static_cast<double>(af_Radians)));
		const float s = static_cast<float>(std::sin(static_cast<double>(af_Radians)));
		float* pA = ap_M + 4 * ai_A;
		float* pB = ap_M + 4 * ai_B;
		for (int i = 0; i < 4; ++i)
		{
			const float a = pA[i];
			const float b = pB[i];
			pA[i] = a * c + b * s;
			pB[i] = b * c - a * s;
		}
	}

	void RotateXYZ(float* ap_M, const CVector3d<float>& ao_Rot)
	{
		Rotate(ap_M, ao_Rot.x, 1, 2);
		Rotate(ap_M, ao_Rot.y, 2, 0);
		Rotate(ap_M, ao_Rot.z, 0, 1);
	}

	void Translate(float* ap_M, const CVector3d<float>& ao_Pos)
	{
		for (int i = 0; i < 4; ++i)
			ap_M[12 + i] += ap_M[i] * ao_Pos.x + ap_M[4 + i] * ao_Pos.y + ap_M[8 + i] * ao_Pos.z;
	}
}

void LibGfx_CObjBase::ComputeMatrix()
{
	const CVector3d<float> oPos = GetAlignedPos();
	memcpy(mf_Matrix, mp_Parent ? mp_Parent->mf_Matrix : skf_Identity, sizeof(mf_Matrix));
	RotateXYZ(mf_Matrix, mo_RotParent);
	Translate(mf_Matrix, oPos);
	RotateXYZ(mf_Matrix, mo_RotLocal);
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
		glInterleavedArrays(pPoly->mu32_VertexFormat, 0, pPoly->mp_Vertex);
		glDrawArrays(pPoly->mu8_Primitive, 0, pPoly->mu8_VertexCount);
	}
}
