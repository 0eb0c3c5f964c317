#ifndef LIBGFX_CPOLYBASE_H
#define LIBGFX_CPOLYBASE_H

#include "LibGen_DataTypes.h"
#include "LibGen_Vector3D.h"

class LibGfx_CTexture;

// A small interleaved vertex array drawn as one primitive. Vertex colours are u32 with red in
// the lowest byte and alpha in the highest.
class LibGfx_CPolyBase
{
public:
	enum
	{
		// The vertex layouts and primitive kinds are the game's own numbers; each renderer
		// maps them to its device's.
		ku32_Format_C4UB_V3F = 1,      // colour, x y z: 16 bytes
		ku32_Format_T2F_C4UB_V3F = 2,  // s t, colour, x y z: 24 bytes
		ku8_Primitive_TriangleFan = 1,
		// The texture repeats across the polygon in s, in t.
		ku8_Repeat_S = 0x01,
		ku8_Repeat_T = 0x02,
	};

	// One vertex in the textured layout: what a renderer that keeps one layout reads.
	struct SVertex
	{
		float s, t;
		u32 u32_Color;
		float x, y, z;
	};

	LibGfx_CPolyBase();
	virtual ~LibGfx_CPolyBase();
	// The box of the vertices; the ±9999 start box when the vertex format is unknown.
	virtual void GetCorners(CVector3d<float>& ao_Corner1, CVector3d<float>& ao_Corner2);

	void SetAlpha(u8 au8_Alpha);
	// The first vertex's alpha; 0 without vertices.
	u8 GetAlpha() const;
	// Keeps each vertex's alpha; the colour's own alpha byte should be zero.
	void SetColor(u32 au32_Color);

	void Init() {}
	void Destroy() {}

	// Bytes from one vertex to the next and from its start to its colour; 0 for an unknown format.
	u32 GetStride() const;
	u32 GetColorOffset() const;
	// Vertex au32_Index (below mu8_VertexCount, in a known layout) in the textured layout; the
	// untextured layout reads as texture coordinates 0, 0.
	SVertex GetVertex(u32 au32_Index) const;

	void* mp_Vertex;
	u32 mu32_VertexFormat;
	u8 mu8_Primitive;
	u8 mu8_VertexCount;
	LibGfx_CTexture* mp_Texture;
	// Where the texture repeats; elsewhere its edge texels are not blended with the opposite edge.
	u8 mu8_Repeat;

protected:
	// Fills four vertices (room for 24 bytes each) as a fan starting at corner 2. In the textured
	// format the texture is mapped one texel per unit from corner 1's edge, repeating along a side
	// longer than the picture. z is scaled by af_ZScale.
	void SetQuad(float* ap_Storage, u32 au32_Format, const CVector3d<float>& ao_Corner1, const CVector3d<float>& ao_Corner2,
				 LibGfx_CTexture* ap_Texture, u32 au32_Color, float af_ZScale);
};

#endif
