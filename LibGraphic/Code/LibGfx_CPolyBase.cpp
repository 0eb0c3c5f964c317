#include "LibGfx_CPolyBase.h"

#include "LibGen_Utils.h"
#include "LibGfx_CTexture.h"

#include <cmath>
#include <cstring>

namespace
{
	const float kf_BoxStart = 9999.0f;

	// Stores the vertex's colour and x, y, z at its colour offset.
	void WriteColorPos(u8* ap_Vertex, u32 au32_Color, float af_X, float af_Y, float af_Z)
	{
		const float af_Pos[3] = {af_X, af_Y, af_Z};
		memcpy(ap_Vertex, &au32_Color, 4);
		memcpy(ap_Vertex + 4, af_Pos, sizeof(af_Pos));
	}
}

LibGfx_CPolyBase::LibGfx_CPolyBase()
	: mp_Vertex(nullptr), mu32_VertexFormat(0), mu8_Primitive(0), mu8_VertexCount(0), mp_Texture(nullptr),
	  mu8_Repeat(ku8_Repeat_S | ku8_Repeat_T)
{
	Init();
}

LibGfx_CPolyBase::~LibGfx_CPolyBase()
{
	Destroy();
}

u32 LibGfx_CPolyBase::GetStride() const
{
	if (mu32_VertexFormat == ku32_Format_C4UB_V3F)
		return 16;
	if (mu32_VertexFormat == ku32_Format_T2F_C4UB_V3F)
		return 24;
	return 0;
}

u32 LibGfx_CPolyBase::GetColorOffset() const
{
	return mu32_VertexFormat == ku32_Format_T2F_C4UB_V3F ? 8 : 0;
}

LibGfx_CPolyBase::SVertex LibGfx_CPolyBase::GetVertex(u32 au32_Index) const
{
	LIBGEN_ASSERT(mp_Vertex != nullptr && GetStride() != 0 && au32_Index < mu8_VertexCount);
	const u8* p_Vertex = static_cast<const u8*>(mp_Vertex) + au32_Index * GetStride();
	SVertex o_Vertex = {0.0f, 0.0f, 0, 0.0f, 0.0f, 0.0f};
	// Texture coordinates, when there are any, come before the colour; the position after it.
	const u32 u32_ColorOffset = GetColorOffset();
	if (u32_ColorOffset != 0)
		memcpy(&o_Vertex.s, p_Vertex, 2 * sizeof(float));
	memcpy(&o_Vertex.u32_Color, p_Vertex + u32_ColorOffset, 4);
	memcpy(&o_Vertex.x, p_Vertex + u32_ColorOffset + 4, 3 * sizeof(float));
	return o_Vertex;
}

void LibGfx_CPolyBase::GetCorners(CVector3d<float>& ao_Corner1, CVector3d<float>& ao_Corner2)
{
	ao_Corner1 = CVector3d<float>(kf_BoxStart, -kf_BoxStart, kf_BoxStart);
	ao_Corner2 = CVector3d<float>(-kf_BoxStart, kf_BoxStart, -kf_BoxStart);
	const u32 uStride = GetStride();
	if (uStride == 0 || mp_Vertex == nullptr)
		return;
	const u8* pVertex = static_cast<const u8*>(mp_Vertex) + GetColorOffset() + 4;
	for (u32 u = 0; u < mu8_VertexCount; ++u, pVertex += uStride)
	{
		float af[3];
		memcpy(af, pVertex, sizeof(af));
		ao_Corner1 = CVector3d<float>(std::fmin(ao_Corner1.x, af[0]), std::fmax(ao_Corner1.y, af[1]), std::fmin(ao_Corner1.z, af[2]));
		ao_Corner2 = CVector3d<float>(std::fmax(ao_Corner2.x, af[0]), std::fmin(ao_Corner2.y, af[1]), std::fmax(ao_Corner2.z, af[2]));
	}
}

void LibGfx_CPolyBase::SetAlpha(u8 au8_Alpha)
{
	const u32 uStride = GetStride();
	if (uStride == 0 || mp_Vertex == nullptr)
		return;
	u8* pAlpha = static_cast<u8*>(mp_Vertex) + GetColorOffset() + 3;
	for (u32 u = 0; u < mu8_VertexCount; ++u, pAlpha += uStride)
		*pAlpha = au8_Alpha;
}

u8 LibGfx_CPolyBase::GetAlpha() const
{
	if (GetStride() == 0 || mp_Vertex == nullptr || mu8_VertexCount == 0)
		return 0;
	return static_cast<const u8*>(mp_Vertex)[GetColorOffset() + 3];
}

void LibGfx_CPolyBase::SetColor(u32 au32_Color)
{
	const u32 uStride = GetStride();
	if (uStride == 0 || mp_Vertex == nullptr)
		return;
	u8* pColor = static_cast<u8*>(mp_Vertex) + GetColorOffset();
	for (u32 u = 0; u < mu8_VertexCount; ++u, pColor += uStride)
	{
		const u32 uColor = au32_Color | (static_cast<u32>(pColor[3]) << 24);
		memcpy(pColor, &uColor, 4);
	}
}

void LibGfx_CPolyBase::SetQuad(float* ap_Storage, u32 au32_Format, const CVector3d<float>& ao_Corner1, const CVector3d<float>& ao_Corner2,
							   LibGfx_CTexture* ap_Texture, u32 au32_Color, float af_ZScale)
{
	mp_Vertex = ap_Storage;
	mu32_VertexFormat = au32_Format;
	mu8_Primitive = ku8_Primitive_TriangleFan;
	mu8_VertexCount = 4;
	mp_Texture = ap_Texture;

	const CVector3d<float>& c1 = ao_Corner1;
	const CVector3d<float>& c2 = ao_Corner2;
	const float fZ1 = c1.z * af_ZScale;
	const float fZ2 = c2.z * af_ZScale;
	// An empty texture has no size to map: its coordinates stay 0.
	float fS = 0.0f, fT = 0.0f;
	if (ap_Texture != nullptr && ap_Texture->mu16_Width != 0 && ap_Texture->mu16_Height != 0)
	{
		fS = std::fabs(c2.x - c1.x) / ap_Texture->mu16_Width;
		fT = std::fabs(c2.y - c1.y) / ap_Texture->mu16_Height;
	}
	mu8_Repeat = static_cast<u8>((fS > 1.0f ? ku8_Repeat_S : 0) | (fT > 1.0f ? ku8_Repeat_T : 0));
	const float af_Vertex[4][5] =
	{
		{c2.x, c2.y, fZ2, fS, fT},
		{c1.x, c2.y, fZ2, 0.0f, fT},
		{c1.x, c1.y, fZ1, 0.0f, 0.0f},
		{c2.x, c1.y, fZ1, fS, 0.0f},
	};
	const u32 uStride = GetStride();
	const u32 uColorOffset = GetColorOffset();
	u8* pVertex = reinterpret_cast<u8*>(ap_Storage);
	for (const auto& v : af_Vertex)
	{
		if (uColorOffset != 0)
			memcpy(pVertex, &v[3], 2 * sizeof(float));
		WriteColorPos(pVertex + uColorOffset, au32_Color, v[0], v[1], v[2]);
		pVertex += uStride;
	}
}
