#include "CSvgPath.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace
{
struct SPoint
{
	double x, y;
};

class CPathReader
{
public:
	CPathReader(const char* as_Data, double af_Scale, std::vector<SStrokePoint>& ao_Points)
		: mp_Cursor(as_Data), mf_Scale(af_Scale), mo_Points(ao_Points)
	{
	}

	bool Run();

private:
	void SkipSeparators();
	bool AtNumber();
	bool ReadNumber(double& af_Value);
	bool ReadPoint(bool ab_Relative, SPoint& ao_Point);
	bool Segment(char ac_Command);
	bool Emit(char ac_Command, const SPoint* ap_Points, int ai_Count);

	const char* mp_Cursor;
	double mf_Scale;
	std::vector<SStrokePoint>& mo_Points;
	SPoint mo_Current{0, 0};
	SPoint mo_Start{0, 0};
	SPoint mo_LastControl{0, 0};
	bool mb_LastWasCurve = false;
};

void CPathReader::SkipSeparators()
{
	while (*mp_Cursor == ',' || std::isspace(static_cast<unsigned char>(*mp_Cursor)))
		++mp_Cursor;
}

bool CPathReader::AtNumber()
{
	SkipSeparators();
	char c = *mp_Cursor;
	return std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+';
}

// Numbers may follow each other without separators ("1.5-2", ".5.5"), so the token is delimited
// here by the SVG grammar and only then converted; strtod alone would also take "inf" or hex.
bool CPathReader::ReadNumber(double& af_Value)
{
	SkipSeparators();
	const char* lp_Begin = mp_Cursor;
	const char* p = mp_Cursor;
	if (*p == '+' || *p == '-')
		++p;
	int li_Digits = 0;
	while (std::isdigit(static_cast<unsigned char>(*p)))
		++p, ++li_Digits;
	if (*p == '.')
	{
		++p;
		while (std::isdigit(static_cast<unsigned char>(*p)))
			++p, ++li_Digits;
	}
	if (li_Digits == 0)
		return false;
	if (*p == 'e' || *p == 'E')
	{
		const char* q = p + 1;
		if (*q == '+' || *q == '-')
			++q;
		if (std::isdigit(static_cast<unsigned char>(*q)))
		{
			while (std::isdigit(static_cast<unsigned char>(*q)))
				++q;
			p = q;
		}
	}
	char ls_Token[64];
	size_t lu_Length = static_cast<size_t>(p - lp_Begin);
	if (lu_Length >= sizeof(ls_Token))
		return false;
	std::memcpy(ls_Token, lp_Begin, lu_Length);
	ls_Token[lu_Length] = '\0';
	af_Value = std::strtod(ls_Token, nullptr);
	mp_Cursor = p;
	return std::isfinite(af_Value);
}

bool CPathReader::ReadPoint(bool ab_Relative, SPoint& ao_Point)
{
	if (!ReadNumber(ao_Point.x) || !ReadNumber(ao_Point.y))
		return false;
	if (ab_Relative)
	{
		ao_Point.x += mo_Current.x;
		ao_Point.y += mo_Current.y;
	}
	return true;
}

bool CPathReader::Emit(char ac_Command, const SPoint* ap_Points, int ai_Count)
{
	SStrokePoint lo_Point{ac_Command, {0, 0, 0, 0, 0, 0}};
	for (int i = 0; i < ai_Count; ++i)
	{
		const double lf_Values[2] = {ap_Points[i].x * mf_Scale, ap_Points[i].y * mf_Scale};
		for (int k = 0; k < 2; ++k)
		{
			double lf_Rounded = std::round(lf_Values[k]);
			if (lf_Rounded < INT16_MIN || lf_Rounded > INT16_MAX)
				return false;
			lo_Point.mas16_Value[2 * i + k] = static_cast<int16_t>(lf_Rounded);
		}
	}
	mo_Points.push_back(lo_Point);
	return true;
}

// Reads the arguments of one command and emits its point.
bool CPathReader::Segment(char ac_Command)
{
	const bool lb_Relative = std::islower(static_cast<unsigned char>(ac_Command));
	SPoint lo_P[3];
	bool lb_Curve = false;
	bool lb_Ok = false;
	switch (std::toupper(static_cast<unsigned char>(ac_Command)))
	{
	case 'M':
		lb_Ok = ReadPoint(lb_Relative, lo_P[0]) && Emit('M', lo_P, 1);
		mo_Start = lo_P[0];
		break;
	case 'L':
		lb_Ok = ReadPoint(lb_Relative, lo_P[0]) && Emit('L', lo_P, 1);
		break;
	case 'H':
		lo_P[0].y = mo_Current.y;
		lb_Ok = ReadNumber(lo_P[0].x);
		if (lb_Relative)
			lo_P[0].x += mo_Current.x;
		lb_Ok = lb_Ok && Emit('L', lo_P, 1);
		break;
	case 'V':
		lo_P[0].x = mo_Current.x;
		lb_Ok = ReadNumber(lo_P[0].y);
		if (lb_Relative)
			lo_P[0].y += mo_Current.y;
		lb_Ok = lb_Ok && Emit('L', lo_P, 1);
		break;
	case 'C':
		lb_Curve = true;
		lb_Ok = ReadPoint(lb_Relative, lo_P[0]) && ReadPoint(lb_Relative, lo_P[1]) &&
				ReadPoint(lb_Relative, lo_P[2]) && Emit('C', lo_P, 3);
		break;
	case 'S':
		// The first control point mirrors the previous curve's second one around the current point.
		lb_Curve = true;
		lo_P[0] = mo_Current;
		if (mb_LastWasCurve)
			lo_P[0] = {2 * mo_Current.x - mo_LastControl.x, 2 * mo_Current.y - mo_LastControl.y};
		lb_Ok = ReadPoint(lb_Relative, lo_P[1]) && ReadPoint(lb_Relative, lo_P[2]) && Emit('C', lo_P, 3);
		break;
	default:
		return false;
	}
	if (!lb_Ok)
		return false;
	mo_Current = lb_Curve ? lo_P[2] : lo_P[0];
	mo_LastControl = lo_P[1];
	mb_LastWasCurve = lb_Curve;
	return true;
}

bool CPathReader::Run()
{
	char lc_Command = 0;
	for (;;)
	{
		SkipSeparators();
		if (*mp_Cursor == '\0')
			return lc_Command != 0;
		if (std::isalpha(static_cast<unsigned char>(*mp_Cursor)))
		{
			// A path begins with a move.
			if (lc_Command == 0 && *mp_Cursor != 'M' && *mp_Cursor != 'm')
				return false;
			lc_Command = *mp_Cursor++;
			if (lc_Command == 'Z' || lc_Command == 'z')
			{
				// Closing draws back to the start of the subpath, unless already there.
				if ((mo_Current.x != mo_Start.x || mo_Current.y != mo_Start.y) && !Emit('L', &mo_Start, 1))
					return false;
				mo_Current = mo_Start;
				mb_LastWasCurve = false;
				continue;
			}
			if (!Segment(lc_Command))
				return false;
		}
		else
		{
			// Coordinates without a letter repeat the last command; after a move they are lines.
			if (lc_Command == 0 || lc_Command == 'Z' || lc_Command == 'z' || !AtNumber())
				return false;
			char lc_Repeat = lc_Command == 'M' ? 'L' : lc_Command == 'm' ? 'l' : lc_Command;
			if (!Segment(lc_Repeat))
				return false;
		}
	}
}
} // namespace

bool CSvgPath::Convert(const char* as_Data, double af_Scale, std::vector<SStrokePoint>& ao_Points)
{
	ao_Points.clear();
	CPathReader lo_Reader(as_Data, af_Scale, ao_Points);
	return lo_Reader.Run();
}
