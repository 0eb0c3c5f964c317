#include "LibGfx_CObjBase.h"

#include "LibGfx_CPolyBase.h"

#include <cmath>
#include <cstring>

LibGfx_CObjBase LibGfx_CObjBase::so_RootObject;

const float LibGfx_CObjBase::skf_Identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

namespace
{
	// Corner 1 takes the smaller x and z and the larger y; corner 2 the opposite.
	void MergeBox(CVector3d<float>& ao_C1, CVector3d<float>& ao_C2, const CVector3d<float>& ao_In1, const CVector3d<float>& ao_In2)
	{
		ao_C1 = CVector3d<float>(std::fmin(ao_C1.x, ao_In1.x), std::fmax(ao_C1.y, ao_In1.y), std::fmin(ao_C1.z, ao_In1.z));
		ao_C2 = CVector3d<float>(std::fmax(ao_C2.x, ao_In2.x), std::fmin(ao_C2.y, ao_In2.y), std::fmax(ao_C2.z, ao_In2.z));
	}

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

LibGfx_CObjBase::LibGfx_CObjBase()
	: mp_Parent(nullptr), mu32_Align(ke_Align_HNone | ke_Align_VNone), mu32_State(ke_Obj_Dirty)
{
	memcpy(mf_Matrix, skf_Identity, sizeof(mf_Matrix));
}

void LibGfx_CObjBase::ComputeMatrix()
{
	const CVector3d<float> oPos = GetAlignedPos();
	memcpy(mf_Matrix, mp_Parent ? mp_Parent->mf_Matrix : skf_Identity, sizeof(mf_Matrix));
	RotateXYZ(mf_Matrix, mo_RotParent);
	Translate(mf_Matrix, oPos);
	RotateXYZ(mf_Matrix, mo_RotLocal);
}

LibGfx_CObjBase::~LibGfx_CObjBase()
{
	if (mp_Parent != nullptr)
		mp_Parent->mo_ChildList.remove(this);
	UnloadChild(this);
}

void LibGfx_CObjBase::Update()
{
	if (!(mu32_State & ke_Obj_Visible))
		return;
	for (LibGfx_CObjBase* pChild : mo_ChildList)
		pChild->Update();
}

CVector3d<float> LibGfx_CObjBase::GetAlignedPos()
{
	CVector3d<float> oPos = mo_Pos;
	const u32 uAlignEdges = ke_Align_Left | ke_Align_Right | ke_Align_Top | ke_Align_Bottom;
	if (mp_Parent == nullptr || (mu32_Align & uAlignEdges) == 0)
		return oPos;
	CVector3d<float> oClient1, oClient2, oOwn1, oOwn2;
	mp_Parent->GetCornersClient(oClient1, oClient2, false);
	GetCorners(oOwn1, oOwn2, false);
	if (mu32_Align & ke_Align_Left)
		oPos.x += oClient1.x - oOwn1.x;
	else if (mu32_Align & ke_Align_Right)
		oPos.x += oClient2.x - oOwn2.x;
	if (mu32_Align & ke_Align_Top)
		oPos.y += oClient1.y - oOwn1.y;
	else if (mu32_Align & ke_Align_Bottom)
		oPos.y += oClient2.y - oOwn2.y;
	return oPos;
}

void LibGfx_CObjBase::Render()
{
	// A parent clears its own dirty bit only after its children have drawn, so one dirty
	// node recomputes its whole subtree in the same frame.
	if (mp_Parent != nullptr && (mp_Parent->mu32_State & ke_Obj_Dirty))
		mu32_State |= ke_Obj_Dirty;
	// Hidden, it stays dirty and is recomputed when shown again.
	if (!(mu32_State & ke_Obj_Visible))
		return;
	if (mu32_State & ke_Obj_Dirty)
		ComputeMatrix();
	RenderPolys();
	for (LibGfx_CObjBase* pChild : mo_ChildList)
		pChild->Render();
	mu32_State &= ~static_cast<u32>(ke_Obj_Dirty);
}

void LibGfx_CObjBase::GetCorners(CVector3d<float>& ao_Corner1, CVector3d<float>& ao_Corner2, bool ab_Children)
{
	if (mu32_State & ke_Obj_Corners)
	{
		ao_Corner1 = mo_Corner1;
		ao_Corner2 = mo_Corner2;
	}
	else if (mo_PolyList.empty())
	{
		ao_Corner1 = ao_Corner2 = CVector3d<float>();
	}
	else
	{
		ao_Corner1 = CVector3d<float>(9999.0f, -9999.0f, 9999.0f);
		ao_Corner2 = CVector3d<float>(-9999.0f, 9999.0f, -9999.0f);
		for (LibGfx_CPolyBase* pPoly : mo_PolyList)
		{
			CVector3d<float> o1, o2;
			pPoly->GetCorners(o1, o2);
			MergeBox(ao_Corner1, ao_Corner2, o1, o2);
		}
	}
	if (!ab_Children)
		return;
	// The children's boxes are taken as they report them, in their own coordinates.
	for (LibGfx_CObjBase* pChild : mo_ChildList)
	{
		CVector3d<float> o1, o2;
		pChild->GetCorners(o1, o2, true);
		MergeBox(ao_Corner1, ao_Corner2, o1, o2);
	}
}

void LibGfx_CObjBase::GetCornersClient(CVector3d<float>& ao_Corner1, CVector3d<float>& ao_Corner2, bool ab_Children)
{
	GetCorners(ao_Corner1, ao_Corner2, ab_Children);
}

void LibGfx_CObjBase::SetParent(LibGfx_CObjBase* ap_Parent)
{
	if (mp_Parent != nullptr)
		mp_Parent->mo_ChildList.remove(this);
	mp_Parent = ap_Parent ? ap_Parent : &so_RootObject;
	mp_Parent->mo_ChildList.push_back(this);
	mu32_State |= ke_Obj_Dirty;
}

void LibGfx_CObjBase::AddChild(LibGfx_CObjBase* ap_Child)
{
	mo_ChildList.push_back(ap_Child);
	ap_Child->mp_Parent = this;
}

void LibGfx_CObjBase::RemChild(LibGfx_CObjBase* ap_Child)
{
	mo_ChildList.remove(ap_Child);
	ap_Child->mp_Parent = nullptr;
}

void LibGfx_CObjBase::AddPoly(LibGfx_CPolyBase* ap_Poly)
{
	mo_PolyList.push_back(ap_Poly);
}

void LibGfx_CObjBase::RemPoly(LibGfx_CPolyBase* ap_Poly)
{
	mo_PolyList.remove(ap_Poly);
}

void LibGfx_CObjBase::ClearPoly()
{
	mo_PolyList.clear();
}

void LibGfx_CObjBase::SetCorners(const CVector3d<float>& ao_Corner1, const CVector3d<float>& ao_Corner2)
{
	mo_Corner1 = ao_Corner1;
	mo_Corner2 = ao_Corner2;
	mu32_State |= ke_Obj_Corners;
}

void LibGfx_CObjBase::SetVisible(bool ab_Visible)
{
	if (ab_Visible)
		mu32_State |= ke_Obj_Visible;
	else
		mu32_State &= ~static_cast<u32>(ke_Obj_Visible);
}

void LibGfx_CObjBase::SetAlpha(u8 au8_Alpha)
{
	for (LibGfx_CPolyBase* pPoly : mo_PolyList)
		pPoly->SetAlpha(au8_Alpha);
}

void LibGfx_CObjBase::SetAlphaAll(u8 au8_Alpha)
{
	SetAlpha(au8_Alpha);
	for (LibGfx_CObjBase* pChild : mo_ChildList)
		pChild->SetAlphaAll(au8_Alpha);
}

void LibGfx_CObjBase::SetColor(u32 au32_Color)
{
	for (LibGfx_CPolyBase* pPoly : mo_PolyList)
		pPoly->SetColor(au32_Color);
}

void LibGfx_CObjBase::SetColorAll(u32 au32_Color)
{
	SetColor(au32_Color);
	for (LibGfx_CObjBase* pChild : mo_ChildList)
		pChild->SetColorAll(au32_Color);
}

void LibGfx_CObjBase::UnloadChild(LibGfx_CObjBase* ap_Object)
{
	while (!ap_Object->mo_ChildList.empty())
	{
		LibGfx_CObjBase* pChild = ap_Object->mo_ChildList.front();
		UnloadChild(pChild);
		ap_Object->mo_ChildList.pop_front();
	}
	ap_Object->mp_Parent = nullptr;
}

void LibGfx_CObjBase::Unload()
{
	UnloadChild(&so_RootObject);
}
