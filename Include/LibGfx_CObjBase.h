#ifndef LIBGFX_COBJBASE_H
#define LIBGFX_COBJBASE_H

#include "LibGen_DataTypes.h"
#include "LibGen_Vector3D.h"

#include <list>

class LibGfx_CPolyBase;

// A node of the display tree: a position and rotations in its parent's frame, alignment to
// the parent's client area, polygons drawn before its children. The tree links nodes and
// polygons but owns neither.
class LibGfx_CObjBase
{
public:
	enum
	{
		ke_Obj_Visible = 0x01,
		ke_Obj_Dirty = 0x02,     // the cached matrix must be recomputed
		ke_Obj_Corners = 0x04,   // mo_Corner1/mo_Corner2 are the object's box
	};
	enum
	{
		ke_Align_Left = 0x01,
		ke_Align_HNone = 0x02,
		ke_Align_Right = 0x04,
		ke_Align_Top = 0x10,
		ke_Align_VNone = 0x20,
		ke_Align_Bottom = 0x40,
	};

	LibGfx_CObjBase();
	// Unlinks the object from its parent and detaches its subtree.
	virtual ~LibGfx_CObjBase();
	// Continues the update pass through the children when visible.
	virtual void Update();
	// Draws the polygons, then the children, recomputing the matrix first when the object or
	// its parent is dirty.
	virtual void Render();
	// Box in the object's own coordinates: the explicit box, else the polygons' (zero without
	// any), merged with the children's boxes as they report them when ab_Children is set.
	virtual void GetCorners(CVector3d<float>& ao_Corner1, CVector3d<float>& ao_Corner2, bool ab_Children);
	// The area children align to.
	virtual void GetCornersClient(CVector3d<float>& ao_Corner1, CVector3d<float>& ao_Corner2, bool ab_Children);

	// Moves the object to the end of the parent's children (the root's when null) and marks it dirty.
	void SetParent(LibGfx_CObjBase* ap_Parent);
	void AddChild(LibGfx_CObjBase* ap_Child);
	void RemChild(LibGfx_CObjBase* ap_Child);
	void AddPoly(LibGfx_CPolyBase* ap_Poly);
	void RemPoly(LibGfx_CPolyBase* ap_Poly);
	void ClearPoly();
	void SetCorners(const CVector3d<float>& ao_Corner1, const CVector3d<float>& ao_Corner2);

	// Sets or clears ke_Obj_Visible.
	void SetVisible(bool ab_Visible);
	void SetAlpha(u8 au8_Alpha);
	void SetAlphaAll(u8 au8_Alpha);
	// Keeps each vertex's alpha.
	void SetColor(u32 au32_Color);
	void SetColorAll(u32 au32_Color);

	// Recomputes mf_Matrix from the parent's cached matrix, the aligned position and the
	// rotations, in OpenGL's order (parent, rotations about x, y, z, translation, own
	// rotations): the same 16 floats serve Direct3D as a row-vector matrix.
	void ComputeMatrix();

	// Detaches the subtree below the object, which stays in its parent's list.
	static void UnloadChild(LibGfx_CObjBase* ap_Object);
	// Detaches everything from the root.
	static void Unload();

	static LibGfx_CObjBase so_RootObject;
	static const float skf_Identity[16];

	LibGfx_CObjBase* mp_Parent;
	std::list<LibGfx_CPolyBase*> mo_PolyList;
	std::list<LibGfx_CObjBase*> mo_ChildList;
	CVector3d<float> mo_Pos;
	CVector3d<float> mo_RotParent;   // radians, applied before the translation
	CVector3d<float> mo_RotLocal;    // radians, applied after it
	u32 mu32_Align;
	CVector3d<float> mo_Corner1;
	CVector3d<float> mo_Corner2;
	u32 mu32_State;
	// Column-major, as OpenGL keeps it: the same 16 floats as Direct3D's row-vector matrix.
	float mf_Matrix[16];

private:
	LibGfx_CObjBase(const LibGfx_CObjBase&) = delete;
	LibGfx_CObjBase& operator=(const LibGfx_CObjBase&) = delete;

	CVector3d<float> GetAlignedPos();
	// Sets mf_Matrix on the device and draws the polygons (backend twin).
	void RenderPolys();
};

#endif
