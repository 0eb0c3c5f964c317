#include "LibGfx_CPolyQuad2d.h"

namespace
{
	const float kf_ZScale = 65535.0f;
}

void LibGfx_CPolyQuad2d::Set(const CVector3d<float>& ao_Corner1, const CVector3d<float>& ao_Corner2, u32 au32_Color)
{
	SetQuad(mo_Vertex, ku32_Format_C4UB_V3F, ao_Corner1, ao_Corner2, nullptr, au32_Color, kf_ZScale);
}

void LibGfx_CPolyQuad2d::Set(const CVector3d<float>& ao_Corner1, const CVector3d<float>& ao_Corner2, LibGfx_CTexture* ap_Texture)
{
	SetQuad(mo_Vertex, ku32_Format_T2F_C4UB_V3F, ao_Corner1, ao_Corner2, ap_Texture, 0xFFFFFFFF, kf_ZScale);
}

void LibGfx_CPolyQuad2d::Set(const CVector3d<float>& ao_Corner1, const CVector3d<float>& ao_Corner2, LibGfx_CTexture* ap_Texture, u32 au32_Color)
{
	SetQuad(mo_Vertex, ku32_Format_T2F_C4UB_V3F, ao_Corner1, ao_Corner2, ap_Texture, au32_Color, kf_ZScale);
}
