// Renders all 94 x 94 JIS X 0208 positions of a font into a header-less fixed-cell file, one cell
// per position in JIS order, rows top to bottom; unassigned positions and characters the font lacks
// stay blank.
//   usage: fudemaru-fixedfont FONT OUTPUT CELL (jis|unicode) (mono|THRESHOLD) (bit0|bit7)
//   jis:     the font's native charmap is addressed with JIS codes (X11 bitmap fonts), its strike used as is
//   unicode: positions go through EUC-JP to Unicode and the outline is rendered at CELL pixels
//   mono:    the font's own bitmap; THRESHOLD: grey rendering, ink where coverage >= THRESHOLD
//   bit0 / bit7: where the leftmost pixel of each byte goes
#include "CJisCode.h"
#include "CToolFile.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{
struct SOptions
{
	int mi_Cell = 0;
	bool mb_JisCharmap = false;
	int mi_Threshold = 0; // 0: the font's own 1-bit bitmaps
	bool mb_LeftInBit7 = false;
};

bool ParseOptions(int argc, char** argv, SOptions& ao_Options)
{
	if (argc != 7)
		return false;
	ao_Options.mi_Cell = std::atoi(argv[3]);
	ao_Options.mb_JisCharmap = std::strcmp(argv[4], "jis") == 0;
	ao_Options.mi_Threshold = std::strcmp(argv[5], "mono") == 0 ? 0 : std::atoi(argv[5]);
	ao_Options.mb_LeftInBit7 = std::strcmp(argv[6], "bit7") == 0;
	return ao_Options.mi_Cell >= 8 && ao_Options.mi_Cell <= 128 && (ao_Options.mb_JisCharmap || std::strcmp(argv[4], "unicode") == 0) &&
		   (ao_Options.mi_Threshold > 0 || std::strcmp(argv[5], "mono") == 0) && ao_Options.mi_Threshold < 256 &&
		   (ao_Options.mb_LeftInBit7 || std::strcmp(argv[6], "bit0") == 0);
}

bool Ink(const FT_Bitmap& ao_Bitmap, unsigned au_Row, unsigned au_Col, int ai_Threshold)
{
	const unsigned char* lp_Row = ao_Bitmap.buffer + static_cast<long>(au_Row) * ao_Bitmap.pitch;
	if (ao_Bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
		return (lp_Row[au_Col / 8] >> (7 - au_Col % 8)) & 1;
	return lp_Row[au_Col] >= ai_Threshold;
}

class CCellWriter
{
public:
	explicit CCellWriter(const SOptions& ao_Options)
		: mo_Options(ao_Options), mu_RowBytes((ao_Options.mi_Cell + 7) / 8), mu_CellBytes(mu_RowBytes * ao_Options.mi_Cell)
	{
	}

	// Copies the glyph in the face's slot into the cell at the end of ao_Out, its baseline at ai_Baseline.
	// Returns the number of ink pixels that fell outside the cell.
	int Place(const FT_GlyphSlot ap_Slot, int ai_Baseline, std::vector<unsigned char>& ao_Out) const
	{
		const size_t lu_Base = ao_Out.size() - mu_CellBytes;
		const FT_Bitmap& lo_Bitmap = ap_Slot->bitmap;
		int li_Clipped = 0;
		for (unsigned r = 0; r < lo_Bitmap.rows; ++r)
			for (unsigned c = 0; c < lo_Bitmap.width; ++c)
			{
				if (!Ink(lo_Bitmap, r, c, mo_Options.mi_Threshold))
					continue;
				const int x = ap_Slot->bitmap_left + static_cast<int>(c);
				const int y = ai_Baseline - ap_Slot->bitmap_top + static_cast<int>(r);
				if (x < 0 || y < 0 || x >= mo_Options.mi_Cell || y >= mo_Options.mi_Cell)
				{
					++li_Clipped;
					continue;
				}
				const int li_Bit = mo_Options.mb_LeftInBit7 ? 7 - x % 8 : x % 8;
				ao_Out[lu_Base + y * mu_RowBytes + x / 8] |= static_cast<unsigned char>(1 << li_Bit);
			}
		return li_Clipped;
	}

	size_t CellBytes() const { return mu_CellBytes; }

private:
	const SOptions& mo_Options;
	size_t mu_RowBytes;
	size_t mu_CellBytes;
};

// Chooses the size and charmap; gives the baseline row in the cell.
bool SetUpFace(FT_Face ap_Face, const SOptions& ao_Options, int& ai_Baseline)
{
	if (ao_Options.mb_JisCharmap)
	{
		// X11 bitmap fonts keep their JIS charmap first; their one strike is the cell.
		if (ap_Face->num_charmaps < 1 || FT_Set_Charmap(ap_Face, ap_Face->charmaps[0]) != 0 || ap_Face->num_fixed_sizes < 1 ||
			FT_Select_Size(ap_Face, 0) != 0)
			return false;
		ai_Baseline = static_cast<int>(ap_Face->size->metrics.ascender >> 6);
		return true;
	}
	if (FT_Select_Charmap(ap_Face, FT_ENCODING_UNICODE) != 0 || FT_Set_Pixel_Sizes(ap_Face, 0, ao_Options.mi_Cell) != 0)
		return false;
	// The em square fills the cell: split it between ascent and descent in the font's proportions.
	const double lf_Ascent = ap_Face->ascender, lf_Descent = -static_cast<double>(ap_Face->descender);
	ai_Baseline = static_cast<int>(std::lround(ao_Options.mi_Cell * lf_Ascent / (lf_Ascent + lf_Descent)));
	return true;
}
} // namespace

int main(int argc, char** argv)
{
	SOptions lo_Options;
	if (!ParseOptions(argc, argv, lo_Options))
	{
		std::fprintf(stderr, "usage: %s FONT OUTPUT CELL (jis|unicode) (mono|THRESHOLD) (bit0|bit7)\n", argv[0]);
		return 2;
	}
	FT_Library lp_Library = nullptr;
	FT_Face lp_Face = nullptr;
	CJisCode lo_Jis;
	int li_Baseline = 0;
	if (FT_Init_FreeType(&lp_Library) != 0 || FT_New_Face(lp_Library, argv[1], 0, &lp_Face) != 0 ||
		!SetUpFace(lp_Face, lo_Options, li_Baseline) || !lo_Jis.IsOpen())
	{
		std::fprintf(stderr, "%s: cannot open the font or set it up\n", argv[1]);
		return 1;
	}
	const FT_Int32 ll_Flags = FT_LOAD_RENDER | (lo_Options.mi_Threshold == 0 ? FT_LOAD_TARGET_MONO : FT_LOAD_DEFAULT);
	const CCellWriter lo_Writer(lo_Options);
	std::vector<unsigned char> lo_Out;
	int li_Glyphs = 0, li_Clipped = 0;
	for (int i = 0; i < CJisCode::ku_PositionCount; ++i)
	{
		lo_Out.resize(lo_Out.size() + lo_Writer.CellBytes(), 0);
		const uint32_t lu_Unicode = lo_Jis.ToUnicode(i);
		if (lu_Unicode == 0)
			continue; // unassigned position: blank, whatever the font may hold there
		const FT_ULong lu_Code = lo_Options.mb_JisCharmap ? CJisCode::JisCode(i) : lu_Unicode;
		const FT_UInt lu_Glyph = FT_Get_Char_Index(lp_Face, lu_Code);
		if (lu_Glyph == 0)
			continue;
		if (FT_Load_Glyph(lp_Face, lu_Glyph, ll_Flags) != 0)
		{
			std::fprintf(stderr, "%s: cannot render glyph %u\n", argv[1], lu_Glyph);
			return 1;
		}
		li_Clipped += lo_Writer.Place(lp_Face->glyph, li_Baseline, lo_Out);
		++li_Glyphs;
	}
	FT_Done_Face(lp_Face);
	FT_Done_FreeType(lp_Library);
	if (li_Glyphs == 0 || !CToolFile::Write(argv[2], lo_Out))
		return 1;
	std::printf("%s: %d glyphs in %d cells of %d x %d, %d ink pixels clipped\n", argv[2], li_Glyphs, CJisCode::ku_PositionCount,
				lo_Options.mi_Cell, lo_Options.mi_Cell, li_Clipped);
	return 0;
}
