// Rewrites a BDF font (as pcf2bdf prints it) into the subset the game's loader reads: LF line ends,
// only the characters of a code range, each checked to carry ENCODING, DWIDTH, BBX and a bitmap of
// exactly its BBX size, every line short enough for the loader's 254-character fields.
//   usage: fudemaru-bdfsubset INPUT.bdf OUTPUT.bdf FIRST LAST
#include "CToolFile.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{
const size_t ku_MaxBdfSize = 16u << 20;
const size_t ku_MaxLine = 254;

struct SChar
{
	long ml_Code = -1;
	bool mb_HasWidth = false;
	int mi_Width = -1, mi_Height = -1;
	std::vector<std::string> mv_Lines;
};

std::vector<std::string> SplitLines(const std::vector<unsigned char>& ao_Bytes)
{
	std::vector<std::string> lo_Lines;
	std::string ls_Line;
	for (unsigned char c : ao_Bytes)
	{
		if (c == '\n')
		{
			if (!ls_Line.empty() && ls_Line.back() == '\r')
				ls_Line.pop_back();
			lo_Lines.push_back(ls_Line);
			ls_Line.clear();
		}
		else
			ls_Line.push_back(static_cast<char>(c));
	}
	if (!ls_Line.empty())
		lo_Lines.push_back(ls_Line);
	return lo_Lines;
}

bool StartsWith(const std::string& as_Line, const char* as_Keyword)
{
	const std::string ls_Key(as_Keyword);
	return as_Line.compare(0, ls_Key.size(), ls_Key) == 0 &&
		   (as_Line.size() == ls_Key.size() || as_Line[ls_Key.size()] == ' ');
}

bool IsHexRow(const std::string& as_Row, size_t au_Digits)
{
	if (as_Row.size() != au_Digits)
		return false;
	for (char c : as_Row)
		if (!std::isxdigit(static_cast<unsigned char>(c)))
			return false;
	return true;
}

// Reads one STARTCHAR..ENDCHAR block from line ai_Index on; false with a message when malformed.
bool ReadChar(const std::vector<std::string>& ao_Lines, size_t& ai_Index, SChar& ao_Char)
{
	for (; ai_Index < ao_Lines.size(); ++ai_Index)
	{
		const std::string& ls_Line = ao_Lines[ai_Index];
		if (ls_Line.empty())
			continue;
		ao_Char.mv_Lines.push_back(ls_Line);
		if (StartsWith(ls_Line, "ENCODING"))
			ao_Char.ml_Code = std::strtol(ls_Line.c_str() + 8, nullptr, 10);
		else if (StartsWith(ls_Line, "DWIDTH"))
		{
			// The game's loader keeps the advance in a byte.
			const long ll_Width = std::strtol(ls_Line.c_str() + 6, nullptr, 10);
			ao_Char.mb_HasWidth = ll_Width >= 0 && ll_Width <= 255;
		}
		else if (StartsWith(ls_Line, "BBX"))
		{
			int x = 0, y = 0;
			if (std::sscanf(ls_Line.c_str() + 3, "%d %d %d %d", &ao_Char.mi_Width, &ao_Char.mi_Height, &x, &y) != 4 || ao_Char.mi_Width < 0 ||
				ao_Char.mi_Width > 255 || ao_Char.mi_Height < 0 || ao_Char.mi_Height > 255 || x < -128 || x > 127 || y < -128 || y > 128)
				break;
		}
		else if (ls_Line == "BITMAP")
		{
			if (!ao_Char.mb_HasWidth || ao_Char.mi_Width < 0)
				break;
			const size_t lu_Digits = 2 * ((static_cast<size_t>(ao_Char.mi_Width) + 7) / 8);
			for (int r = 0; r < ao_Char.mi_Height; ++r)
			{
				if (++ai_Index >= ao_Lines.size() || !IsHexRow(ao_Lines[ai_Index], lu_Digits))
					return false;
				ao_Char.mv_Lines.push_back(ao_Lines[ai_Index]);
			}
			if (++ai_Index >= ao_Lines.size() || ao_Lines[ai_Index] != "ENDCHAR")
				return false;
			ao_Char.mv_Lines.push_back("ENDCHAR");
			++ai_Index;
			return true;
		}
		if (ls_Line.size() > ku_MaxLine)
			break;
	}
	return false;
}
} // namespace

int main(int argc, char** argv)
{
	if (argc != 5)
	{
		std::fprintf(stderr, "usage: %s INPUT.bdf OUTPUT.bdf FIRST LAST\n", argv[0]);
		return 2;
	}
	const long ll_First = std::strtol(argv[3], nullptr, 10), ll_Last = std::strtol(argv[4], nullptr, 10);
	std::vector<unsigned char> lo_Bytes;
	if (!CToolFile::Read(argv[1], ku_MaxBdfSize, lo_Bytes))
		return 1;
	const std::vector<std::string> lo_Lines = SplitLines(lo_Bytes);

	std::string ls_Header, ls_Chars;
	bool lb_BoundingBox = false, lb_InProperties = false;
	int li_Properties = 0, li_Count = 0;
	size_t i = 0;
	for (; i < lo_Lines.size() && !StartsWith(lo_Lines[i], "STARTCHAR"); ++i)
	{
		const std::string& ls_Line = lo_Lines[i];
		// The character count is rewritten; the default character may be one that is dropped.
		if (ls_Line.empty() || StartsWith(ls_Line, "CHARS") || StartsWith(ls_Line, "DEFAULT_CHAR"))
			continue;
		if (ls_Line.size() > ku_MaxLine)
		{
			std::fprintf(stderr, "%s: header line longer than %zu characters\n", argv[1], ku_MaxLine);
			return 1;
		}
		lb_BoundingBox = lb_BoundingBox || StartsWith(ls_Line, "FONTBOUNDINGBOX");
		if (StartsWith(ls_Line, "STARTPROPERTIES"))
		{
			lb_InProperties = true;
			ls_Header += "STARTPROPERTIES @\n"; // the count of the properties kept is filled in below
			continue;
		}
		lb_InProperties = lb_InProperties && !StartsWith(ls_Line, "ENDPROPERTIES");
		li_Properties += lb_InProperties;
		ls_Header += ls_Line + "\n";
	}
	if (!lb_BoundingBox)
	{
		std::fprintf(stderr, "%s: no FONTBOUNDINGBOX\n", argv[1]);
		return 1;
	}
	const size_t lu_Count = ls_Header.find("STARTPROPERTIES @");
	if (lu_Count != std::string::npos)
		ls_Header.replace(lu_Count + 16, 1, std::to_string(li_Properties));

	while (i < lo_Lines.size())
	{
		if (lo_Lines[i].empty() || lo_Lines[i] == "ENDFONT")
		{
			++i;
			continue;
		}
		SChar lo_Char;
		const size_t lu_Start = i;
		if (!ReadChar(lo_Lines, i, lo_Char) || lo_Char.ml_Code < 0)
		{
			std::fprintf(stderr, "%s: malformed character at line %zu\n", argv[1], lu_Start + 1);
			return 1;
		}
		if (lo_Char.ml_Code < ll_First || lo_Char.ml_Code > ll_Last)
			continue;
		for (const std::string& ls_Line : lo_Char.mv_Lines)
			ls_Chars += ls_Line + "\n";
		++li_Count;
	}
	const std::string ls_Out = ls_Header + "CHARS " + std::to_string(li_Count) + "\n" + ls_Chars + "ENDFONT\n";
	if (!CToolFile::Write(argv[2], std::vector<unsigned char>(ls_Out.begin(), ls_Out.end())))
		return 1;
	std::printf("%s: %d characters between %ld and %ld\n", argv[2], li_Count, ll_First, ll_Last);
	return 0;
}
