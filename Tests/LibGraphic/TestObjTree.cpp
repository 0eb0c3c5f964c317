#include "GfxTestFixture.h"

#include "LibGfx_CObjBase.h"
#include "LibGfx_CPolyQuad.h"

#include <GL/gl.h>
#include <cmath>
#include <cstring>

namespace
{
	typedef CVector3d<float> V3;
	LibGfx_CObjBase& Root() { return LibGfx_CObjBase::so_RootObject; }

	class CCountingObj : public LibGfx_CObjBase
	{
	public:
		void Update() override
		{
			++mi_Updates;
			LibGfx_CObjBase::Update();
		}
		int mi_Updates = 0;
	};

	void ExpectBox(const V3& ao_C1, const V3& ao_C2, LibGfx_CObjBase& ao_Obj, bool ab_Children)
	{
		V3 o1, o2;
		ao_Obj.GetCorners(o1, o2, ab_Children);
		EXPECT_EQ(ao_C1, o1);
		EXPECT_EQ(ao_C2, o2);
	}

	u32 VertexColor(const LibGfx_CPolyBase& ao_Poly, int ai_Vertex, int ai_Stride, int ai_Offset)
	{
		u32 u;
		memcpy(&u, static_cast<const u8*>(ao_Poly.mp_Vertex) + ai_Vertex * ai_Stride + ai_Offset, 4);
		return u;
	}
}

typedef GfxTest ObjTree;

TEST_F(ObjTree, SetParentMovesTheObjectToTheEndOfOneList)
{
	LibGfx_CObjBase oA, oB, oChild;
	oA.SetParent(nullptr);
	oB.SetParent(nullptr);
	EXPECT_EQ(&Root(), oA.mp_Parent);
	oChild.SetParent(&oA);
	oChild.mu32_State = 0;
	oChild.SetParent(&oB);
	EXPECT_TRUE(oA.mo_ChildList.empty());
	EXPECT_TRUE(oChild.mu32_State & LibGfx_CObjBase::ke_Obj_Dirty);
	oA.SetParent(nullptr);   // again: once, at the end
	EXPECT_EQ(2u, Root().mo_ChildList.size());
	EXPECT_EQ(&oA, Root().mo_ChildList.back());
}

TEST_F(ObjTree, DetachingLeavesNoLinksBehind)
{
	LibGfx_CObjBase oA, oB, oC;
	oA.SetParent(nullptr);
	oB.SetParent(&oA);
	oC.SetParent(&oB);
	LibGfx_CObjBase::UnloadChild(&oA);
	EXPECT_TRUE(oA.mo_ChildList.empty());
	EXPECT_TRUE(oB.mo_ChildList.empty());
	EXPECT_EQ(nullptr, oB.mp_Parent);
	EXPECT_EQ(nullptr, oC.mp_Parent);
	EXPECT_EQ(1u, Root().mo_ChildList.size());   // the object itself stays, without a parent
	EXPECT_EQ(nullptr, oA.mp_Parent);

	Root().mo_ChildList.clear();
	{
		LibGfx_CObjBase oTemp;
		oTemp.SetParent(&oB);
		oC.SetParent(&oTemp);
	}
	EXPECT_TRUE(oB.mo_ChildList.empty());   // a destroyed object unlinks itself and its subtree
	EXPECT_EQ(nullptr, oC.mp_Parent);

	oB.SetParent(nullptr);
	oC.SetParent(&oB);
	LibGfx_CObjBase::Unload();
	EXPECT_TRUE(Root().mo_ChildList.empty());
	EXPECT_EQ(nullptr, oC.mp_Parent);
}

TEST_F(ObjTree, CornersComeFromTheBoxThePolygonsOrNothing)
{
	LibGfx_CObjBase oObj, oChild;
	ExpectBox(V3(), V3(), oObj, false);

	LibGfx_CPolyQuad oQuad1, oQuad2;
	oQuad1.Set(V3(-10, 5, 0), V3(10, -5, 0), 0u);
	oQuad2.Set(V3(0, 20, -1), V3(30, 0, 2), 0u);
	oObj.AddPoly(&oQuad1);
	oObj.AddPoly(&oQuad2);
	ExpectBox(V3(-10, 20, -1), V3(30, -5, 2), oObj, false);

	// Children merge as they report their boxes, their positions ignored.
	oChild.SetCorners(V3(-50, 1, 0), V3(0, -60, 0));
	oChild.mo_Pos = V3(1000, 1000, 0);
	oChild.SetParent(&oObj);
	ExpectBox(V3(-50, 20, -1), V3(30, -60, 2), oObj, true);

	oObj.SetCorners(V3(-1, 1, 0), V3(1, -1, 0));
	ExpectBox(V3(-1, 1, 0), V3(1, -1, 0), oObj, false);
	oObj.RemPoly(&oQuad1);
	oObj.ClearPoly();
	EXPECT_TRUE(oObj.mo_PolyList.empty());
}

TEST_F(ObjTree, ColourAndAlphaSettersKeepTheOtherPart)
{
	LibGfx_CObjBase oParent, oChild;
	LibGfx_CPolyQuad oFlat, oTextured;
	oFlat.Set(V3(0, 1, 0), V3(1, 0, 0), 0x80123456u);
	oTextured.Set(V3(0, 1, 0), V3(1, 0, 0), nullptr, 0x40ffffffu);
	oParent.AddPoly(&oFlat);
	oChild.AddPoly(&oTextured);
	oChild.SetParent(&oParent);

	oParent.SetColor(0x00aabbccu);
	EXPECT_EQ(0x80aabbccu, VertexColor(oFlat, 3, 16, 0));
	EXPECT_EQ(0x40ffffffu, VertexColor(oTextured, 3, 24, 8));   // not a descendant's
	oParent.SetColorAll(0x00010203u);
	EXPECT_EQ(0x40010203u, VertexColor(oTextured, 1, 24, 8));
	oParent.SetAlphaAll(0x7f);
	EXPECT_EQ(0x7f010203u, VertexColor(oFlat, 2, 16, 0));
	EXPECT_EQ(0x7f010203u, VertexColor(oTextured, 2, 24, 8));
	oParent.SetAlpha(0x11);
	EXPECT_EQ(0x7f010203u, VertexColor(oTextured, 0, 24, 8));

	LibGfx_CPolyBase oEmpty;   // no format: left alone
	oEmpty.SetAlpha(1);
	oEmpty.SetColor(1);
	V3 o1, o2;
	oEmpty.GetCorners(o1, o2);
	EXPECT_EQ(V3(9999, -9999, 9999), o1);
}

// The renderers that keep one vertex layout (Direct3D, WebGL) read both of the tree's layouts
// through GetVertex: the flat one with texture coordinates 0, 0.
TEST_F(ObjTree, EitherLayoutReadsAsOneVertex)
{
	LibGfx_CPolyQuad o_Flat, o_Textured;
	o_Flat.Set(V3(-10, 5, 0), V3(10, -5, 0), 0x80123456u);
	o_Textured.Set(V3(-10, 5, 0), V3(10, -5, 0), nullptr, 0x40ffffffu);
	for (u32 u = 0; u < 4; ++u)
	{
		const LibGfx_CPolyBase::SVertex o_A = o_Flat.GetVertex(u), o_B = o_Textured.GetVertex(u);
		EXPECT_EQ(0.0f, o_A.s);
		EXPECT_EQ(0.0f, o_A.t);
		EXPECT_EQ(0x80123456u, o_A.u32_Color);
		EXPECT_EQ(0x40ffffffu, o_B.u32_Color);
		EXPECT_EQ(V3(o_A.x, o_A.y, o_A.z), V3(o_B.x, o_B.y, o_B.z));
		EXPECT_EQ(10.0f, std::fabs(o_A.x));
		EXPECT_EQ(5.0f, std::fabs(o_A.y));
	}
}

TEST_F(ObjTree, UpdateSkipsHiddenSubtrees)
{
	CCountingObj oParent, oChild;
	oParent.SetParent(nullptr);
	oChild.SetParent(&oParent);
	oChild.mu32_State |= LibGfx_CObjBase::ke_Obj_Visible;
	Root().Update();
	EXPECT_EQ(1, oParent.mi_Updates);   // visited, but hidden: stops there
	EXPECT_EQ(0, oChild.mi_Updates);
	oParent.mu32_State |= LibGfx_CObjBase::ke_Obj_Visible;
	Root().Update();
	EXPECT_EQ(1, oChild.mi_Updates);
}

TEST_F(ObjTree, RightAndBottomAlignmentLoseToLeftAndTop)
{
	LibGfx_CObjBase oParent, oChild;
	oParent.SetCorners(V3(-100, 50, 0), V3(100, -50, 0));
	oParent.SetParent(nullptr);
	oParent.ComputeMatrix();
	LibGfx_CPolyQuad oQuad;
	oQuad.Set(V3(0, 0, 0), V3(40, -20, 0), 0u);
	oChild.AddPoly(&oQuad);
	oChild.SetParent(&oParent);

	oChild.mu32_Align = LibGfx_CObjBase::ke_Align_Right | LibGfx_CObjBase::ke_Align_Bottom;
	oChild.ComputeMatrix();
	EXPECT_EQ(60.0f, oChild.mf_Matrix[12]);
	EXPECT_EQ(-30.0f, oChild.mf_Matrix[13]);
	oChild.mu32_Align = 0x55;
	oChild.ComputeMatrix();
	EXPECT_EQ(-100.0f, oChild.mf_Matrix[12]);
	EXPECT_EQ(50.0f, oChild.mf_Matrix[13]);
}

TEST_F(ObjTree, MatricesMatchOpenGLsOrderOfOperations)
{
	LibGfx_CObjBase oParent, oChild;
	oParent.SetParent(nullptr);
	oParent.mo_Pos = V3(10, -20, 5);
	oParent.mo_RotParent = V3(0.3f, -0.2f, 0.7f);
	oParent.mo_RotLocal = V3(-0.5f, 0.1f, 1.9f);
	oChild.SetParent(&oParent);
	oChild.mo_Pos = V3(-7, 3, 2);
	oChild.mo_RotLocal = V3(0, 0, 0.25f);
	oParent.ComputeMatrix();
	oChild.ComputeMatrix();

	glMatrixMode(GL_MODELVIEW);
	glLoadIdentity();
	const float kf_Deg = 360.0f / 6.283185307179586f;
	glRotatef(0.3f * kf_Deg, 1, 0, 0);
	glRotatef(-0.2f * kf_Deg, 0, 1, 0);
	glRotatef(0.7f * kf_Deg, 0, 0, 1);
	glTranslatef(10, -20, 5);
	glRotatef(-0.5f * kf_Deg, 1, 0, 0);
	glRotatef(0.1f * kf_Deg, 0, 1, 0);
	glRotatef(1.9f * kf_Deg, 0, 0, 1);
	glTranslatef(-7, 3, 2);
	glRotatef(0.25f * kf_Deg, 0, 0, 1);
	float af_GL[16];
	glGetFloatv(GL_MODELVIEW_MATRIX, af_GL);
	for (int i = 0; i < 16; ++i)
		EXPECT_NEAR(af_GL[i], oChild.mf_Matrix[i], 1e-4f) << "element " << i;
}
