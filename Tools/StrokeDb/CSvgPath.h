#ifndef CSVGPATH_H
#define CSVGPATH_H

#include <cstdint>
#include <vector>

// One point of a stroke as the stroke database stores it: "M" and "L" carry their end point in
// mas16_Value[0..1]; "C" carries the first control point, the second control point and the end point.
struct SStrokePoint
{
	char mc_Command;
	int16_t mas16_Value[6];
};

// Turns the "d" attribute of an SVG path into absolute M, L and C points.
class CSvgPath
{
public:
	// Every coordinate is multiplied by af_Scale and rounded. False when the text is not a path that
	// starts with a move and uses M, L, H, V, C, S and Z commands (either case), or when a coordinate
	// leaves the 16-bit range; ao_Points then holds what was converted before the fault.
	static bool Convert(const char* as_Data, double af_Scale, std::vector<SStrokePoint>& ao_Points);
};

#endif
