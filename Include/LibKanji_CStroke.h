#ifndef LIBKANJI_CSTROKE_H
#define LIBKANJI_CSTROKE_H

#include <memory>
#include <vector>
#include "LibGen_DataTypes.h"
#include "LibGen_CSingleton.h"
#include "LibGen_CPath.h"
#include "LibGen_Vector2D.h"

// The stroke-order database: each kanji is an element, a glyph of its own (strokes of move, line
// and cubic curve commands) or a compound placing other elements in sub-rectangles.
class LibKanji_CStroke : public LibGen_CSingleton<LibKanji_CStroke>
{
public:
	enum
	{
		ku_Part_Max       = 4,
		ku_Walk_Depth_Max = 8,     // compounds nest no deeper; bounds the walk on a corrupt file
		ku_Walk_Visit_Max = 256,   // elements visited by one walk: four parts a level would make 4^8
		ku_CurvePoint_Max = 1024,  // path points per curve, whatever the curve's length
	};

	struct SPoint
	{
		u8  mu8_Command;      // 'M', 'L' or 'C'
		s16 mas16_Coord[6];   // x, y; for 'C' control 1, control 2, end
	};
	struct SGlyph
	{
		virtual ~SGlyph() {}
		u8 mu8_Type;          // 'S' single, 'C' compound
		u8 mu8_Width;
		u8 mu8_Height;
	};
	struct SGlyphSingle : SGlyph
	{
		u8 mu8_StrokeCount;
		std::vector<u8>     mau8_PointCount;  // per stroke
		std::vector<SPoint> mo_Point;         // every stroke's points, one after the other
	};
	struct SGlyphCompound : SGlyph
	{
		u8  mau8_Variant[ku_Part_Max];  // 1-based glyph of the part's element; 0 leaves it out
		s16 mas16_X[ku_Part_Max];
		s16 mas16_Y[ku_Part_Max];
		s16 mas16_W[ku_Part_Max];
		s16 mas16_H[ku_Part_Max];
	};
	struct SElement
	{
		u16 mu16_Id;
		u16 mau16_PartId[ku_Part_Max];
		u8  mu8_PartCount;
		u8  uGlyphCount;
		u16 mu16_StrokeTotal;
		u16 mu16_PointTotal;
		std::vector<std::unique_ptr<SGlyph>> mpp_Glyph;
	};
	struct SSegment
	{
		u8 mu8_Type;    // 0 line, 1 curve
		u8 mu8_Stroke;  // from 1
		CVector2d<float> mo_Start;
		CVector2d<float> mo_End;
		CVector2d<float> mo_Ctrl1;
		CVector2d<float> mo_Ctrl2;
	};

	LibKanji_CStroke();
	virtual ~LibKanji_CStroke();

	// False, with the database left empty, when the file is missing, truncated or corrupt.
	bool Load(const char* as_Path);
	bool IsLoaded() const { return mu16_KeyCount != 0 && mu16_ElementCount != 0; }
	void Unload();

	u16 GetElementId(u16 au16_Key) const;
	const SElement* GetElement(u16 au16_Id) const;
	// Both give 0 strokes for a kanji without an element, and when nothing is loaded.
	u8 GetSegments(u16 au16_Key, const CVector2d<unsigned short>& ao_Size, std::vector<SSegment>& ao_Segments) const;
	u8 GetStrokes(u16 au16_Key, const CVector2d<unsigned short>& ao_Size, float af_Step, std::vector<LibGen_CPath>& ao_Paths) const;

	// The walk: a part already on the chain of compounds being walked is cut off, and so is every
	// element past the walk's ku_Walk_Visit_Max visits (au16_Visits counts them, from 0).
	void GetSegCompound(const SElement* ap_Element, const CVector2d<unsigned short>& ao_Size,
	                    const CVector2d<short>& ao_Origin, u8 auGlyphVariant, u8& au8_Stroke, u16& au16_Visits,
	                    std::vector<SSegment>& ao_Segments, const u16* ap_Chain = nullptr, u8 au8_Depth = 0) const;
	static void GetSegSingle(const SGlyphSingle* ap_Glyph, const CVector2d<float>& ao_Scale,
	                         const CVector2d<short>& ao_Origin, u8& au8_Stroke, std::vector<SSegment>& ao_Segments);

	u16 GetKeyCount() const { return mu16_KeyCount; }
	u16 GetElementCount() const { return mu16_ElementCount; }

private:
	struct SKey
	{
		u16 mu16_Key;
		u16 mu16_Id;
	};

	std::vector<SKey> mo_Key;
	u16 mu16_KeyCount;
	u16 mu16_ElementCount;
	std::vector<SElement> mo_Element;
};

#endif
