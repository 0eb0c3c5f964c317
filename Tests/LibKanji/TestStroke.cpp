#include <vector>
#include "KanjiTestFiles.h"
#include "ReportLines.h"
#include "LibKanji_CStroke.h"
#include "LibKanji_CDictionary.h"
#include "../LibGeneral/TestAssert.h"

namespace {

typedef LibKanji_CStroke::SSegment Seg;

// Writes the big-endian stroke database, element by element.
class CDbWriter
{
public:
	CDbWriter& U8(u8 au8_Value) { ms_Bytes += (char)au8_Value; return *this; }
	CDbWriter& U16(u16 au16_Value) { return U8((u8)(au16_Value >> 8)).U8((u8)au16_Value); }
	CDbWriter& U32(u32 au32_Value) { return U16((u16)(au32_Value >> 16)).U16((u16)au32_Value); }
	// Header: keys as (kanji code, element id) pairs, the gap, the element count.
	CDbWriter& Header(const std::vector<std::pair<u16, u16>>& ao_Keys, u16 au16_Elements)
	{
		U16((u16)ao_Keys.size());
		for (const auto& o_Key : ao_Keys)
			U16(o_Key.first).U16(o_Key.second);
		return U32(0).U16(au16_Elements);
	}
	CDbWriter& Element(u16 au16_Id, u8 au8_Glyphs, const std::vector<u16>& ao_Parts)
	{
		U16(au16_Id).U8(au8_Glyphs).U8((u8)ao_Parts.size()).U8(0);
		for (u16 u16_Part : ao_Parts)
			U16(u16_Part);
		return *this;
	}
	CDbWriter& Single(u8 au8_Width, u8 au8_Height, u8 au8_Strokes) { return U8('S').U8(au8_Width).U8(au8_Height).U8(0).U8(au8_Strokes); }
	CDbWriter& Point(char ac_Command, std::vector<s16> ao_Coords)
	{
		U8((u8)ac_Command);
		for (s16 s16_Coord : ao_Coords)
			U16((u16)s16_Coord);
		return *this;
	}
	CDbWriter& Compound(u8 au8_Width, u8 au8_Height) { return U8('C').U8(au8_Width).U8(au8_Height).U8(0); }
	CDbWriter& Part(u8 au8_Variant, s16 x, s16 y, s16 w, s16 h)
	{
		return U8(au8_Variant).U16((u16)x).U16((u16)y).U16((u16)w).U16((u16)h);
	}
	CDbWriter& End() { return U32(0xFFFFFFFF); }
	std::string ms_Bytes;
};

// Element 1: two strokes, M L L and M C, in a 100 x 100 glyph. Element 2: one line.
CDbWriter& TwoSingles(CDbWriter& ao_Db)
{
	ao_Db.Element(1, 1, {}).Single(100, 100, 2)
		.U8(3).Point('M', { 0, 0 }).Point('L', { 2560, 0 }).Point('L', { 2560, 5120 })
		.U8(3).Point('M', { 2560, 2560 }).Point('X', { 1, 1 }).Point('C', { 5120, 2560, 5120, 5120, 2560, 5120 });
	return ao_Db.Element(2, 1, {}).Single(10, 10, 1).U8(2).Point('M', { 0, 0 }).Point('L', { 1280, 0 });
}

class StrokeTest : public KanjiTestFiles
{
protected:
	bool Load(const std::string& as_Bytes)
	{
		mo_Stroke.Unload();
		Write("Data/FudemaruStroke.db", as_Bytes);
		return mo_Stroke.Load("./Data/FudemaruStroke.db");
	}
	u8 Segments(u16 au16_Key, u16 au16_Size)
	{
		return mo_Stroke.GetSegments(au16_Key, CVector2d<unsigned short>(au16_Size, au16_Size), mo_Seg);
	}
	LibKanji_CStroke mo_Stroke;
	std::vector<Seg> mo_Seg;
};

TEST_F(StrokeTest, SingleGlyphSegmentsAndPaths)
{
	CDbWriter o_Db;
	o_Db.Header({ { 0xB0A1, 0 }, { 0xB0A1, 1 }, { 0xB0A1, 2 } }, 2);
	ASSERT_TRUE(Load(TwoSingles(o_Db).End().ms_Bytes));
	// The first entry with a non-zero element id wins.
	EXPECT_EQ(mo_Stroke.GetElementId(0xB0A1), 1);
	EXPECT_EQ(mo_Stroke.GetElementId(0xB0A2), 0);
	EXPECT_EQ(mo_Stroke.GetElement(1)->mu16_StrokeTotal, 2);
	EXPECT_EQ(mo_Stroke.GetElement(1)->mu16_PointTotal, 6);

	// At 200 x 200 a unit of the 100-wide glyph is 2 pixels; an unknown command is skipped.
	ASSERT_EQ(Segments(0xB0A1, 200), 2);
	ASSERT_EQ(mo_Seg.size(), 3u);
	EXPECT_EQ(mo_Seg[0].mu8_Type, 0);
	EXPECT_EQ(mo_Seg[0].mu8_Stroke, 1);
	EXPECT_EQ(mo_Seg[0].mo_End, CVector2d<float>(20, 0));
	EXPECT_EQ(mo_Seg[1].mu8_Stroke, 1);
	EXPECT_EQ(mo_Seg[1].mo_Start, CVector2d<float>(20, 0));
	EXPECT_EQ(mo_Seg[1].mo_End, CVector2d<float>(20, 40));
	EXPECT_EQ(mo_Seg[2].mu8_Type, 1);
	EXPECT_EQ(mo_Seg[2].mu8_Stroke, 2);
	EXPECT_EQ(mo_Seg[2].mo_Start, CVector2d<float>(20, 20));
	EXPECT_EQ(mo_Seg[2].mo_Ctrl1, CVector2d<float>(40, 20));
	EXPECT_EQ(mo_Seg[2].mo_Ctrl2, CVector2d<float>(40, 40));
	EXPECT_EQ(mo_Seg[2].mo_End, CVector2d<float>(20, 40));

	std::vector<LibGen_CPath> o_Paths;
	ASSERT_EQ(mo_Stroke.GetStrokes(0xB0A1, CVector2d<unsigned short>(200, 200), 5, o_Paths), 2);
	ASSERT_EQ(o_Paths.size(), 2u);
	EXPECT_EQ(o_Paths[0].GetVertexCount(), 3u);
	EXPECT_FLOAT_EQ(o_Paths[0].GetPathLenght(), 60);
	// The curve's points end on its end point, after its start.
	ASSERT_GE(o_Paths[1].GetVertexCount(), 2u);
	EXPECT_EQ(*o_Paths[1].GetVertex(0), CVector2d<float>(20, 20));
	EXPECT_EQ(*o_Paths[1].GetVertex(o_Paths[1].GetVertexCount() - 1), CVector2d<float>(20, 40));
	EXPECT_EQ(mo_Stroke.GetStrokes(0xB0A2, CVector2d<unsigned short>(96, 96), 5, o_Paths), 0);
	EXPECT_TRUE(o_Paths.empty());
}

TEST_F(StrokeTest, CompoundsPlaceTheirParts)
{
	CDbWriter o_Db;
	o_Db.Header({ { 0xB0A1, 10 }, { 0xB0A2, 11 }, { 0xB0A3, 20 }, { 0xB0A4, 30 }, { 0xB0A5, 40 } }, 8);
	TwoSingles(o_Db);
	// 10: element 2 in the right half, element 1 left out by variant 0. 11: both.
	o_Db.Element(10, 1, { 1, 2 }).Compound(100, 100).Part(0, 0, 0, 50, 100).Part(1, 50, 0, 50, 100);
	o_Db.Element(11, 1, { 1, 2 }).Compound(100, 100).Part(1, 0, 0, 50, 100).Part(1, 50, 0, 50, 100);
	// 20 names itself; 30 and 31 name each other; 40 asks for a glyph element 1 lacks.
	o_Db.Element(20, 1, { 20, 2 }).Compound(10, 10).Part(1, 0, 0, 10, 10).Part(1, 0, 0, 10, 10);
	o_Db.Element(30, 1, { 31 }).Compound(10, 10).Part(1, 0, 0, 10, 10);
	o_Db.Element(31, 1, { 30, 2 }).Compound(10, 10).Part(1, 0, 0, 10, 10).Part(1, 0, 0, 10, 10);
	o_Db.Element(40, 1, { 1 }).Compound(10, 10).Part(3, 0, 0, 10, 10);
	ASSERT_TRUE(Load(o_Db.End().ms_Bytes));

	ASSERT_EQ(Segments(0xB0A1, 100), 1);
	ASSERT_EQ(mo_Seg.size(), 1u);
	EXPECT_EQ(mo_Seg[0].mo_Start, CVector2d<float>(50, 0));
	EXPECT_EQ(mo_Seg[0].mo_End, CVector2d<float>(75, 0));   // 128/256 of a 10-unit glyph 50 wide

	ASSERT_EQ(Segments(0xB0A2, 100), 3);
	EXPECT_EQ(mo_Seg.back().mu8_Stroke, 3);
	EXPECT_EQ(mo_Seg[0].mo_End, CVector2d<float>(5, 0));    // element 1 squeezed into the left half

	EXPECT_EQ(Segments(0xB0A3, 100), 1);
	EXPECT_EQ(Segments(0xB0A4, 100), 1);
	EXPECT_EQ(Segments(0xB0A5, 100), 0);
}

// Found by fuzzing: compounds of four parts, eight levels deep, made a walk of 4^8 leaves, each
// with a linear element search; the walk now stops after ku_Walk_Visit_Max elements.
TEST_F(StrokeTest, AFanningCompoundTreeIsWalkedOnlySoFar)
{
	CDbWriter o_Db;
	o_Db.Header({ { 0xB0A1, 1 } }, 9);
	for (u16 u16_Id = 1; u16_Id <= 8; ++u16_Id)
	{
		o_Db.Element(u16_Id, 1, { (u16)(u16_Id + 1), (u16)(u16_Id + 1), (u16)(u16_Id + 1), (u16)(u16_Id + 1) }).Compound(10, 10);
		for (int i = 0; i < 4; ++i)
			o_Db.Part(1, 0, 0, 10, 10);
	}
	o_Db.Element(9, 1, {}).Single(10, 10, 1).U8(2).Point('M', { 0, 0 }).Point('L', { 256, 256 });
	ASSERT_TRUE(Load(o_Db.End().ms_Bytes));
	// 256 visits, depth first: 68 compounds and 188 leaves of one stroke each, not 255 strokes.
	EXPECT_EQ(Segments(0xB0A1, 96), 188);
}

TEST_F(StrokeTest, TruncatedOrMiscountedFilesAreRefused)
{
	CDbWriter o_Db;
	o_Db.Header({ { 0xB0A1, 1 } }, 2);
	const std::string s_Good = TwoSingles(o_Db).End().ms_Bytes;
	ASSERT_TRUE(Load(s_Good));
	EXPECT_LIBGEN_ASSERT(mo_Stroke.Load("./Data/FudemaruStroke.db"), "IsLoaded\\(\\) == false");

	// Only the end mark may be missing.
	for (size_t u_Len = 0; u_Len + 4 < s_Good.size(); ++u_Len)
	{
		EXPECT_FALSE(Load(s_Good.substr(0, u_Len))) << u_Len;
		EXPECT_FALSE(mo_Stroke.IsLoaded());
	}
	EXPECT_TRUE(Load(s_Good.substr(0, s_Good.size() - 4)));

	// Each refusal is one line that names the file and says what is wrong.
	ReportLines o_Report;
	CDbWriter o_Fewer;
	o_Fewer.Header({ { 0xB0A1, 1 } }, 3);
	EXPECT_FALSE(Load(TwoSingles(o_Fewer).End().ms_Bytes));
	CDbWriter o_More;
	o_More.Header({ { 0xB0A1, 1 } }, 1);
	EXPECT_FALSE(Load(TwoSingles(o_More).End().ms_Bytes));
	CDbWriter o_NoKeys;
	o_NoKeys.Header({}, 2);
	EXPECT_FALSE(Load(TwoSingles(o_NoKeys).End().ms_Bytes));
	CDbWriter o_TooManyParts;
	o_TooManyParts.Header({ { 0xB0A1, 1 } }, 1).Element(1, 0, { 1, 1, 1, 1, 1 });
	EXPECT_FALSE(Load(o_TooManyParts.End().ms_Bytes));
	EXPECT_FALSE(Load(s_Good.substr(0, 3)));
	EXPECT_FALSE(mo_Stroke.Load("./Data/missing.db"));
	const std::string s_File = "Fudemaru: Data/FudemaruStroke.db: ";
	EXPECT_EQ(o_Report.Take(), (std::vector<std::string>{
		s_File + "holds fewer element records than the 3 its header announces",
		s_File + "holds more element records than the 1 its header announces",
		s_File + "announces no keys or no elements",
		s_File + "element record 1 of 1 is cut short or has more than 4 parts",
		s_File + "is cut short in its key table",
		"Fudemaru: Data/missing.db: cannot be opened (No such file or directory)" }));

	// Nothing loaded: no strokes, the glyph is shown instead.
	EXPECT_EQ(Segments(0xB0A1, 96), 0);
}

TEST_F(StrokeTest, RealDatabase)
{
	if (!UseRealData("FudemaruStroke.db") || !UseRealData("kanjidic"))
		GTEST_SKIP() << "no built data";
	ASSERT_TRUE(mo_Stroke.Load("./Data/FudemaruStroke.db"));
	LibKanji_CDictionary o_Dict;
	ASSERT_TRUE(o_Dict.Load("./Data/kanjidic"));
	std::vector<LibGen_CPath> o_Paths;
	const CVector2d<unsigned short> o_Size(96, 96);
	EXPECT_EQ(mo_Stroke.GetStrokes(0xB1CA, o_Size, 5, o_Paths), 5);   // 永
	EXPECT_EQ(mo_Stroke.GetStrokes(0xB0EC, o_Size, 5, o_Paths), 1);   // 一
	// The stroke counts agree with the dictionary's for the grade-1 kanji.
	for (u16 n = 0; const SKanjiData* p = o_Dict.GetKanjiFromInfo(SKanjiData::ke_Info_G, 1, n); ++n)
	{
		const u16 u16_Code = p->mu16_Info[SKanjiData::ke_Info_EU];
		EXPECT_EQ(mo_Stroke.GetStrokes(u16_Code, o_Size, 5, o_Paths), p->mu16_Info[SKanjiData::ke_Info_S]) << std::hex << u16_Code;
		for (const LibGen_CPath& o_Path : o_Paths)
			for (unsigned int v = 0; v < o_Path.GetVertexCount(); ++v)
			{
				EXPECT_GE(o_Path.GetVertex(v)->x, 0);
				EXPECT_LE(o_Path.GetVertex(v)->x, 100);
			}
	}
}

}  // namespace
