// Builds FudemaruStroke.db from the KanjiVG SVG files: one element per JIS X 0208 character that
// has a main file, keyed by its EUC-JP code.
//   usage: fudemaru-strokedb SVG_DIR OUTPUT
#include "CJisCode.h"
#include "CStrokeDb.h"
#include "CSvgPath.h"
#include "CToolFile.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace
{
const size_t ku_MaxSvgSize = 1 << 20;
const int ku_GlyphUnits = 109;

// Collects the "d" attribute of every <path> in document order, which is the stroke order.
bool ReadStrokes(const std::string& as_Text, CStrokeDb::tStrokes& ao_Strokes, std::string& as_Error)
{
	ao_Strokes.clear();
	if (as_Text.find("viewBox=\"0 0 109 109\"") == std::string::npos)
	{
		as_Error = "not a 109 x 109 drawing";
		return false;
	}
	for (size_t lu_Pos = as_Text.find("<path"); lu_Pos != std::string::npos; lu_Pos = as_Text.find("<path", lu_Pos + 1))
	{
		const size_t lu_End = as_Text.find('>', lu_Pos);
		const size_t lu_D = as_Text.find(" d=\"", lu_Pos);
		const size_t lu_Close = lu_D == std::string::npos ? lu_D : as_Text.find('"', lu_D + 4);
		if (lu_End == std::string::npos || lu_D == std::string::npos || lu_D > lu_End || lu_Close > lu_End)
		{
			as_Error = "path without a d attribute";
			return false;
		}
		const std::string ls_Data = as_Text.substr(lu_D + 4, lu_Close - lu_D - 4);
		ao_Strokes.emplace_back();
		if (!CSvgPath::Convert(ls_Data.c_str(), 256.0, ao_Strokes.back()))
		{
			as_Error = "bad path \"" + ls_Data + "\"";
			return false;
		}
	}
	if (ao_Strokes.empty())
	{
		as_Error = "no strokes";
		return false;
	}
	return true;
}
} // namespace

int main(int argc, char** argv)
{
	if (argc != 3)
	{
		std::fprintf(stderr, "usage: %s SVG_DIR OUTPUT\n", argv[0]);
		return 2;
	}
	CJisCode lo_Jis;
	if (!lo_Jis.IsOpen())
	{
		std::fprintf(stderr, "no EUC-JP converter in this C library\n");
		return 1;
	}
	CStrokeDb lo_Db;
	int li_Kanji = 0, li_Kana = 0;
	std::vector<unsigned char> lo_Bytes;
	CStrokeDb::tStrokes lo_Strokes;
	for (int i = 0; i < CJisCode::ku_PositionCount; ++i)
	{
		const uint32_t lu_Unicode = lo_Jis.ToUnicode(i);
		if (lu_Unicode == 0)
			continue;
		char ls_Name[32];
		std::snprintf(ls_Name, sizeof(ls_Name), "/%05x.svg", static_cast<unsigned>(lu_Unicode));
		const std::string ls_Path = std::string(argv[1]) + ls_Name;
		FILE* lp_Probe = std::fopen(ls_Path.c_str(), "rb");
		if (lp_Probe == nullptr)
			continue; // no drawing for this character
		std::fclose(lp_Probe);
		std::string ls_Error;
		if (!CToolFile::Read(ls_Path, ku_MaxSvgSize, lo_Bytes))
			return 1;
		if (!ReadStrokes(std::string(lo_Bytes.begin(), lo_Bytes.end()), lo_Strokes, ls_Error) ||
			!lo_Db.AddSingle(CJisCode::EucCode(i), ku_GlyphUnits, ku_GlyphUnits, lo_Strokes))
		{
			std::fprintf(stderr, "%s: %s\n", ls_Path.c_str(), ls_Error.empty() ? "too many strokes or points" : ls_Error.c_str());
			return 1;
		}
		// Rows 16 to 84 hold the kanji, rows 4 and 5 the kana.
		li_Kanji += i / 94 >= 15;
		li_Kana += i / 94 == 3 || i / 94 == 4;
	}
	if (lo_Db.ElementCount() == 0)
	{
		std::fprintf(stderr, "no KanjiVG drawing found in %s\n", argv[1]);
		return 1;
	}
	if (!CToolFile::Write(argv[2], lo_Db.Bytes()))
		return 1;
	std::printf("FudemaruStroke.db: %zu characters (%d kanji, %d kana, %zu other), %zu strokes\n", lo_Db.ElementCount(),
				li_Kanji, li_Kana, lo_Db.ElementCount() - li_Kanji - li_Kana, lo_Db.StrokeTotal());
	return 0;
}
