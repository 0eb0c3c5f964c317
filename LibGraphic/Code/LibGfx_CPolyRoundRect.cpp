#include "LibGfx_CPolyRoundRect.h"

#include <cmath>
#include <cstring>

void LibGfx_CPolyRoundRect::Set(const CVector3d<float>& ao_Corner1, const CVector3d<float>& ao_Corner2, float af_Radius, u32 au32_Color)
{
	mp_Vertex = mo_Vertex;
	mu32_VertexFormat = ku32_Format_C4UB_V3F;
	mu8_Primitive = ku8_Primitive_TriangleFan;
	mu8_VertexCount = ku8_Points;
	mp_Texture = nullptr;

	// Each corner's arc from its start angle, a quarter turn clockwise, around its centre.
	const float f_Left = ao_Corner1.x + af_Radius, f_Right = ao_Corner2.x - af_Radius;
	const float f_Top = ao_Corner1.y - af_Radius, f_Bottom = ao_Corner2.y + af_Radius;
	const float af_Centre[4][2] = {{f_Left, f_Top}, {f_Right, f_Top}, {f_Right, f_Bottom}, {f_Left, f_Bottom}};
	u8* p_Vertex = reinterpret_cast<u8*>(mo_Vertex);
	for (int i = 0; i < 4; ++i)
		for (int j = 0; j < ku8_CornerPoints; ++j)
		{
			const double d_Angle = M_PI * (1.0 - 0.5 * i - 0.5 * j / (ku8_CornerPoints - 1));
			const float af_Pos[3] = {af_Centre[i][0] + af_Radius * static_cast<float>(std::cos(d_Angle)),
			                         af_Centre[i][1] + af_Radius * static_cast<float>(std::sin(d_Angle)), ao_Corner1.z};
			memcpy(p_Vertex, &au32_Color, 4);
			memcpy(p_Vertex + 4, af_Pos, sizeof(af_Pos));
			p_Vertex += 16;
		}
}
