#ifndef LIBGFX_UTILITIES_H
#define LIBGFX_UTILITIES_H

#include "LibGen_DataTypes.h"
#include "LibGen_Vector2D.h"
#include "LibGen_Vector3D.h"

// Samples along a cubic curve's control polygon: its length in whole pixels / 10, kept in 4..100.
u32 BezierComputeStep(const CVector2d<float>& ao_Start, const CVector2d<float>& ao_End,
                      const CVector2d<float>& ao_Ctrl1, const CVector2d<float>& ao_Ctrl2);

// Point au_Step of au_StepTotal along a cubic curve whose first point is ao_First (the curve's start,
// or the previous sample when walking it), in whole pixels, never below 0.
void LibGfx_BezierPoint(u32 au_Step, u32 au_StepTotal, const CVector2d<float>& ao_First,
                        const CVector2d<float>& ao_Ctrl1, const CVector2d<float>& ao_Ctrl2,
                        const CVector2d<float>& ao_End, CVector2d<float>& ao_Out);

// Length of the polyline through BezierComputeStep samples of the curve.
float LibGfx_BezierLength(const CVector2d<float>& ao_Start, const CVector2d<float>& ao_End,
                          const CVector2d<float>& ao_Ctrl1, const CVector2d<float>& ao_Ctrl2);

// Sets the pixels of a line in an 8-bit buffer of au_Size pixels (rows of au_Size.x bytes); a
// thickness t draws the lines offset by -t/2..t/2 across the main direction. Pixels outside are skipped.
void LibGfx_DrawLine(const CVector2d<float>& ao_From, const CVector2d<float>& ao_To, u8 au8_Thickness,
                     u8* ap_Buffer, const CVector2d<unsigned short>& ao_Size, u8 au8_Value);

// The corners of a w x h rectangle centred on the origin, at depth af_Z, as the quads take them.
// An odd size puts the extra pixel right of and below the centre, so that every edge lies on a
// whole unit and a picture drawn at one texel a pixel stays sharp.
void LibGfx_CentredCorners(float af_Width, float af_Height, float af_Z, CVector3d<float>& ao_Corner1, CVector3d<float>& ao_Corner2);

// One palette index a byte from 4-bit rows of au32_RowSize bytes, in rows of au16_Width bytes:
// the low nibble is the left texel. An odd last column, not stored, becomes index 0.
void LibGfx_ExpandPal4(const u8* ap_Src, u32 au32_RowSize, u16 au16_Width, u16 au16_Height, u8* ap_Dst);

// Where a device's clip space keeps depth: Direct3D from 0 to 1, OpenGL and WebGL from -1 to 1.
enum eDepthRange
{
	ke_Depth_ZeroToOne,
	ke_Depth_MinusOneToOne,
};

// The camera's matrices as 16 floats, column-major for OpenGL, which are the same floats as
// Direct3D's row-vector matrices. The view looks from the eye at the target, right-handed (as
// gluLookAt); the projection has a vertical field of view of af_FovY radians and maps depths
// af_Near to af_Far to the device's range (as gluPerspective for ke_Depth_MinusOneToOne).
void LibGfx_LookAtRH(const CVector3d<float>& ao_Eye, const CVector3d<float>& ao_Target, const CVector3d<float>& ao_Up, float* ap_M);
void LibGfx_PerspectiveRH(float af_FovY, float af_Aspect, float af_Near, float af_Far, eDepthRange ae_Depth, float* ap_M);
// ap_Out = ap_A x ap_B, column-major: a point goes through ap_B first. ap_Out may be neither.
void LibGfx_MultiplyMatrix(const float* ap_A, const float* ap_B, float* ap_Out);

#endif
