#include <math.h>
#include <algorithm>
#include "LibGen_CPath.h"
#include "LibGen_Utils.h"

static const unsigned int ku_PathReserve = 180;

LibGen_CPath::LibGen_CPath()
{
	Reset();
}

void LibGen_CPath::Reset()
{
	mo_Vertex.clear();
	mf_SegmentLenght.clear();
	mo_Vertex.reserve(ku_PathReserve);
	mf_SegmentLenght.reserve(ku_PathReserve);
	mf_PathLenght = 0;
}

static float Distance(const CVector2d<float>& ao_From, const CVector2d<float>& ao_To)
{
	const float dx = ao_To.x - ao_From.x;
	const float dy = ao_To.y - ao_From.y;
	return sqrtf(dx * dx + dy * dy);
}

unsigned int LibGen_CPath::AddVertex(const CVector2d<float>& ao_Vertex)
{
	if (!mo_Vertex.empty())
	{
		if (mo_Vertex.back() == ao_Vertex)
			return GetVertexCount() - 1;
		const float f_Lenght = Distance(mo_Vertex.back(), ao_Vertex);
		mf_SegmentLenght.push_back(f_Lenght);
		mf_PathLenght += f_Lenght;
	}
	mo_Vertex.push_back(ao_Vertex);
	return GetVertexCount() - 1;
}

void LibGen_CPath::RemVertex(unsigned int au_Index)
{
	if (au_Index < mo_Vertex.size())
		mo_Vertex.erase(mo_Vertex.begin() + au_Index);
}

const CVector2d<float>* LibGen_CPath::GetVertex(unsigned int au_Index) const
{
	return au_Index < mo_Vertex.size() ? &mo_Vertex[au_Index] : nullptr;
}

float LibGen_CPath::GetSegmentLenght(unsigned int au_Index) const
{
	LIBGEN_ASSERT(au_Index < mf_SegmentLenght.size());
	return mf_SegmentLenght[au_Index];
}

float LibGen_CPath::GetVertexPathRatio(unsigned int au_Index) const
{
	// A path without length has every vertex at its start.
	if (mf_PathLenght == 0)
		return 0;
	const unsigned int u_Count = std::min<unsigned int>(au_Index, (unsigned int)mf_SegmentLenght.size());
	float f_Sum = 0;
	for (unsigned int i = 0; i < u_Count; ++i)
		f_Sum += mf_SegmentLenght[i];
	return f_Sum / mf_PathLenght;
}

void LibGen_CPath::GetPathPosition(const double& afRatio, CVector2d<float>& ao_Pos) const
{
	LIBGEN_ASSERT(afRatio >= 0 && afRatio <= 1);
	// After RemVertex the lengths may outnumber the segments; only whole segments are walked.
	const size_t u_SegCount = mo_Vertex.empty() ? 0 : std::min(mf_SegmentLenght.size(), mo_Vertex.size() - 1);
	if (u_SegCount == 0)
		return;

	const double d_Target = afRatio * mf_PathLenght;
	double d_Sum = 0;
	size_t i = 0;
	while (i + 1 < u_SegCount && d_Target > d_Sum + mf_SegmentLenght[i])
		d_Sum += mf_SegmentLenght[i++];

	const double d_Lenght = mf_SegmentLenght[i];
	const double t = d_Lenght > 0 ? (d_Target - d_Sum) / d_Lenght : 0;
	const CVector2d<float>& o_From = mo_Vertex[i];
	const CVector2d<float>& o_To = mo_Vertex[i + 1];
	ao_Pos.x = (float)(o_From.x + ((double)o_To.x - o_From.x) * t);
	ao_Pos.y = (float)(o_From.y + ((double)o_To.y - o_From.y) * t);
}

void LibGen_CPath::Smooth()
{
	if (mo_Vertex.size() < 3)
		return;
	mf_PathLenght = 0;
	mf_SegmentLenght.clear();

	// Each interior vertex moves to the midpoint of itself and its successor.
	for (size_t i = 1; i + 1 < mo_Vertex.size(); ++i)
	{
		const CVector2d<float> o_Prev = mo_Vertex[i - 1];
		mo_Vertex[i] = o_Prev + ((mo_Vertex[i] - o_Prev) + (mo_Vertex[i + 1] - o_Prev)) / 2.0f;
		const float f_Lenght = Distance(o_Prev, mo_Vertex[i]);
		mf_SegmentLenght.push_back(f_Lenght);
		mf_PathLenght += f_Lenght;
	}
	const float f_Last = Distance(mo_Vertex[mo_Vertex.size() - 2], mo_Vertex.back());
	mf_SegmentLenght.push_back(f_Last);
	mf_PathLenght += f_Last;
}
