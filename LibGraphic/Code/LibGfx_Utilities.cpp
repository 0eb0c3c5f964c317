#include <math.h>
#include <string.h>
#include "LibGfx_Utilities.h"
#include "LibGen_Utils.h"

namespace
{
	// Whole pixels of a distance; huge values from corrupt data are capped before the conversion.
	u64 WholePixels(float af_Distance)
	{
		const double d_Abs = fabs((double)af_Distance);
		return (u64)(d_Abs < 1e9 ? d_Abs : 1e9);
	}

	// One coordinate: the weighted sum accumulated term by term, each partial sum kept at 0 or
	// above and truncated, then divided by n³ rounding to the nearest.
	float BezierCoord(const u64 au_Weight[4], u64 au_Cube, const float af_Coord[4])
	{
		u64 u_Sum = 0;
		for (int t = 0; t < 4; ++t)
		{
			double d_Partial = (double)u_Sum + (double)au_Weight[t] * af_Coord[t];
			if (d_Partial < 0)
				d_Partial = 0;
			u_Sum = (u64)(d_Partial < 1e18 ? d_Partial : 1e18);
		}
		u64 u_Value = u_Sum / au_Cube;
		if (u_Sum % au_Cube > au_Cube / 2)
			++u_Value;
		return (float)u_Value;
	}
}

u32 BezierComputeStep(const CVector2d<float>& ao_Start, const CVector2d<float>& ao_End,
                      const CVector2d<float>& ao_Ctrl1, const CVector2d<float>& ao_Ctrl2)
{
	const CVector2d<float> ao_Polygon[4] = { ao_Start, ao_Ctrl1, ao_Ctrl2, ao_End };
	u64 u_Sum = 0;
	for (int i = 0; i < 3; ++i)
		u_Sum += WholePixels(ao_Polygon[i + 1].x - ao_Polygon[i].x) + WholePixels(ao_Polygon[i + 1].y - ao_Polygon[i].y);
	const u64 u_Steps = u_Sum / 10;
	return (u32)(u_Steps < 4 ? 4 : (u_Steps > 100 ? 100 : u_Steps));
}

void LibGfx_BezierPoint(u32 au_Step, u32 au_StepTotal, const CVector2d<float>& ao_First,
                        const CVector2d<float>& ao_Ctrl1, const CVector2d<float>& ao_Ctrl2,
                        const CVector2d<float>& ao_End, CVector2d<float>& ao_Out)
{
	LIBGEN_ASSERT(au_StepTotal > 0 && au_Step <= au_StepTotal);
	const u64 i = au_Step;
	const u64 d = au_StepTotal - au_Step;
	const u64 au_Weight[4] = { d * d * d, 3 * i * d * d, 3 * i * i * d, i * i * i };
	const u64 u_Cube = (u64)au_StepTotal * au_StepTotal * au_StepTotal;
	const float af_X[4] = { ao_First.x, ao_Ctrl1.x, ao_Ctrl2.x, ao_End.x };
	const float af_Y[4] = { ao_First.y, ao_Ctrl1.y, ao_Ctrl2.y, ao_End.y };
	ao_Out.x = BezierCoord(au_Weight, u_Cube, af_X);
	ao_Out.y = BezierCoord(au_Weight, u_Cube, af_Y);
}

float LibGfx_BezierLength(const CVector2d<float>& ao_Start, const CVector2d<float>& ao_End,
                          const CVector2d<float>& ao_Ctrl1, const CVector2d<float>& ao_Ctrl2)
{
	const u32 u_Steps = BezierComputeStep(ao_Start, ao_End, ao_Ctrl1, ao_Ctrl2);
	CVector2d<float> o_Prev = ao_Start;
	float f_Length = 0;
	for (u32 i = 1; i <= u_Steps; ++i)
	{
		CVector2d<float> o_Point;
		LibGfx_BezierPoint(i, u_Steps, o_Prev, ao_Ctrl1, ao_Ctrl2, ao_End, o_Point);
		const CVector2d<float> o_Delta = o_Point - o_Prev;
		f_Length += sqrtf(o_Delta.x * o_Delta.x + o_Delta.y * o_Delta.y);
		o_Prev = o_Point;
	}
	return f_Length;
}

void LibGfx_DrawLine(const CVector2d<float>& ao_From, const CVector2d<float>& ao_To, u8 au8_Thickness,
                     u8* ap_Buffer, const CVector2d<unsigned short>& ao_Size, u8 au8_Value)
{
	const float f_Dx = fabsf(ao_To.x - ao_From.x);
	const float f_Dy = fabsf(ao_To.y - ao_From.y);
	const float f_Sx = (ao_To.x < ao_From.x) ? -1.0f : 1.0f;
	const float f_Sy = (ao_To.y < ao_From.y) ? -1.0f : 1.0f;
	// Coordinates are truncated: anything above -1 and below the size lands inside.
	auto Plot = [&](float af_X, float af_Y)
	{
		if (af_X > -1 && af_X < ao_Size.x && af_Y > -1 && af_Y < ao_Size.y)
			ap_Buffer[(int)af_Y * ao_Size.x + (int)af_X] = au8_Value;
	};
	const int i_Half = au8_Thickness / 2;
	for (int k = -i_Half; k <= i_Half; ++k)
	{
		if (f_Dx > f_Dy)
			for (float j = 0; j <= f_Dx - 1; ++j)
				Plot(ao_From.x + f_Sx * j, ao_From.y + f_Sy * j * f_Dy / f_Dx + k);
		else if (f_Dy > 0)
			for (float j = 0; j <= f_Dy - 1; ++j)
				Plot(ao_From.x + f_Sx * j * f_Dx / f_Dy + k, ao_From.y + f_Sy * j);
	}
}

void LibGfx_CentredCorners(float af_Width, float af_Height, float af_Z, CVector3d<float>& ao_Corner1, CVector3d<float>& ao_Corner2)
{
	const float fLeft = floorf(af_Width * 0.5f);
	const float fTop = floorf(af_Height * 0.5f);
	ao_Corner1 = CVector3d<float>(-fLeft, fTop, af_Z);
	ao_Corner2 = CVector3d<float>(af_Width - fLeft, fTop - af_Height, af_Z);
}

void LibGfx_ExpandPal4(const u8* ap_Src, u32 au32_RowSize, u16 au16_Width, u16 au16_Height, u8* ap_Dst)
{
	for (u32 y = 0; y < au16_Height; ++y, ap_Src += au32_RowSize, ap_Dst += au16_Width)
	{
		for (u32 x = 0; x < au32_RowSize; ++x)
		{
			ap_Dst[2 * x] = ap_Src[x] & 0xF;
			ap_Dst[2 * x + 1] = ap_Src[x] >> 4;
		}
		if (au16_Width & 1)
			ap_Dst[au16_Width - 1] = 0;
	}
}

namespace
{
	CVector3d<float> Normalised(const CVector3d<float>& ao_V)
	{
		const float f_Len = sqrtf(ao_V.x * ao_V.x + ao_V.y * ao_V.y + ao_V.z * ao_V.z);
		return f_Len > 0.0f ? CVector3d<float>(ao_V.x / f_Len, ao_V.y / f_Len, ao_V.z / f_Len) : ao_V;
	}

	CVector3d<float> Cross(const CVector3d<float>& ao_A, const CVector3d<float>& ao_B)
	{
		return CVector3d<float>(ao_A.y * ao_B.z - ao_A.z * ao_B.y, ao_A.z * ao_B.x - ao_A.x * ao_B.z, ao_A.x * ao_B.y - ao_A.y * ao_B.x);
	}

	float Dot(const CVector3d<float>& ao_A, const CVector3d<float>& ao_B)
	{
		return ao_A.x * ao_B.x + ao_A.y * ao_B.y + ao_A.z * ao_B.z;
	}
}

void LibGfx_LookAtRH(const CVector3d<float>& ao_Eye, const CVector3d<float>& ao_Target, const CVector3d<float>& ao_Up, float* ap_M)
{
	// z points from the target back to the eye; x to the right, y up, all of length 1.
	const CVector3d<float> v_Z = Normalised(CVector3d<float>(ao_Eye.x - ao_Target.x, ao_Eye.y - ao_Target.y, ao_Eye.z - ao_Target.z));
	const CVector3d<float> v_X = Normalised(Cross(ao_Up, v_Z));
	const CVector3d<float> v_Y = Cross(v_Z, v_X);
	const float af_M[16] = {v_X.x, v_Y.x, v_Z.x, 0.0f,
	                        v_X.y, v_Y.y, v_Z.y, 0.0f,
	                        v_X.z, v_Y.z, v_Z.z, 0.0f,
	                        -Dot(v_X, ao_Eye), -Dot(v_Y, ao_Eye), -Dot(v_Z, ao_Eye), 1.0f};
	memcpy(ap_M, af_M, sizeof(af_M));
}

void LibGfx_PerspectiveRH(float af_FovY, float af_Aspect, float af_Near, float af_Far, eDepthRange ae_Depth, float* ap_M)
{
	const float f_YScale = 1.0f / tanf(af_FovY / 2.0f);
	const bool b_FromMinusOne = ae_Depth == ke_Depth_MinusOneToOne;
	const float f_Depth = (b_FromMinusOne ? af_Far + af_Near : af_Far) / (af_Near - af_Far);
	const float f_Offset = (b_FromMinusOne ? 2.0f : 1.0f) * af_Near * af_Far / (af_Near - af_Far);
	const float af_M[16] = {f_YScale / af_Aspect, 0.0f, 0.0f, 0.0f,
	                        0.0f, f_YScale, 0.0f, 0.0f,
	                        0.0f, 0.0f, f_Depth, -1.0f,
	                        0.0f, 0.0f, f_Offset, 0.0f};
	memcpy(ap_M, af_M, sizeof(af_M));
}

void LibGfx_MultiplyMatrix(const float* ap_A, const float* ap_B, float* ap_Out)
{
	for (int c = 0; c < 4; ++c)
		for (int r = 0; r < 4; ++r)
		{
			float f_Sum = 0.0f;
			for (int k = 0; k < 4; ++k)
				f_Sum += ap_A[4 * k + r] * ap_B[4 * c + k];
			ap_Out[4 * c + r] = f_Sum;
		}
}
