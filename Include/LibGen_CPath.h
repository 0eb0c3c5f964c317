#ifndef LIBGEN_CPATH_H
#define LIBGEN_CPATH_H

#include <vector>
#include "LibGen_Vector2D.h"

// A polyline that knows its segment lengths and total length, so that a point can be found at
// any fraction of the way along it.
class LibGen_CPath
{
public:
	LibGen_CPath();

	void Reset();
	unsigned int AddVertex(const CVector2d<float>& ao_Vertex);
	// The segment lengths and the total are left as they were.
	void RemVertex(unsigned int au_Index);
	unsigned int GetVertexCount() const { return (unsigned int)mo_Vertex.size(); }
	const CVector2d<float>* GetVertex(unsigned int au_Index) const;
	float GetSegmentLenght(unsigned int au_Index) const;
	float GetPathLenght() const { return mf_PathLenght; }
	float GetVertexPathRatio(unsigned int au_Index) const;
	void  GetPathPosition(const double& afRatio, CVector2d<float>& ao_Pos) const;
	void  Smooth();

private:
	std::vector<CVector2d<float>> mo_Vertex;
	std::vector<float> mf_SegmentLenght;
	float mf_PathLenght;
};

#endif
