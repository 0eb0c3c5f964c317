#include <math.h>
#include "LibKanji_CStroke.h"
#include "LibGen_CFileBuffer.h"
#include "LibGfx_Utilities.h"
#include "LibGen_Utils.h"

namespace
{
	// The big-endian reader with the bytes left counted, so that a truncated file is found
	// before any read past its end.
	struct SReader
	{
		CDataRead mo_Read;
		u32 mu32_Left;

		bool Take(u32 au32_Bytes)
		{
			if (au32_Bytes > mu32_Left)
				return false;
			mu32_Left -= au32_Bytes;
			return true;
		}
		bool U8(u8& ao_Value)   { if (!Take(1)) return false; ao_Value = mo_Read.GetU8(); return true; }
		bool U16(u16& ao_Value) { if (!Take(2)) return false; ao_Value = mo_Read.GetU16(); return true; }
		bool S16(s16& ao_Value) { if (!Take(2)) return false; ao_Value = mo_Read.GetS16(); return true; }
		bool Skip(u32 au32_Bytes) { if (!Take(au32_Bytes)) return false; mo_Read += (int)au32_Bytes; return true; }
	};

	bool ReadSingle(SReader& ao_Read, LibKanji_CStroke::SGlyphSingle& ao_Glyph, LibKanji_CStroke::SElement& ao_Element)
	{
		u8 u8_Reserved = 0;
		if (!ao_Read.U8(ao_Glyph.mu8_Width) || !ao_Read.U8(ao_Glyph.mu8_Height) || !ao_Read.U8(u8_Reserved) ||
				!ao_Read.U8(ao_Glyph.mu8_StrokeCount))
			return false;
		ao_Glyph.mau8_PointCount.resize(ao_Glyph.mu8_StrokeCount);
		for (u8& u8_Points : ao_Glyph.mau8_PointCount)
		{
			if (!ao_Read.U8(u8_Points))
				return false;
			for (u8 p = 0; p < u8_Points; ++p)
			{
				LibKanji_CStroke::SPoint o_Point = {};
				if (!ao_Read.U8(o_Point.mu8_Command))
					return false;
				const int i_Coords = (o_Point.mu8_Command == 'C') ? 6 : 2;
				for (int c = 0; c < i_Coords; ++c)
					if (!ao_Read.S16(o_Point.mas16_Coord[c]))
						return false;
				ao_Glyph.mo_Point.push_back(o_Point);
			}
			ao_Element.mu16_PointTotal = (u16)(ao_Element.mu16_PointTotal + u8_Points);
		}
		ao_Element.mu16_StrokeTotal = (u16)(ao_Element.mu16_StrokeTotal + ao_Glyph.mu8_StrokeCount);
		return true;
	}

	bool ReadCompound(SReader& ao_Read, LibKanji_CStroke::SGlyphCompound& ao_Glyph, u8 au8_PartCount)
	{
		u8 u8_Reserved = 0;
		if (!ao_Read.U8(ao_Glyph.mu8_Width) || !ao_Read.U8(ao_Glyph.mu8_Height) || !ao_Read.U8(u8_Reserved))
			return false;
		for (u8 i = 0; i < au8_PartCount; ++i)
			if (!ao_Read.U8(ao_Glyph.mau8_Variant[i]) || !ao_Read.S16(ao_Glyph.mas16_X[i]) || !ao_Read.S16(ao_Glyph.mas16_Y[i]) ||
					!ao_Read.S16(ao_Glyph.mas16_W[i]) || !ao_Read.S16(ao_Glyph.mas16_H[i]))
				return false;
		return true;
	}

	bool ReadElement(SReader& ao_Read, LibKanji_CStroke::SElement& ao_Element)
	{
		u8 u8_Reserved = 0;
		if (!ao_Read.U16(ao_Element.mu16_Id) || !ao_Read.U8(ao_Element.uGlyphCount) ||
				!ao_Read.U8(ao_Element.mu8_PartCount) || !ao_Read.U8(u8_Reserved) ||
				ao_Element.mu8_PartCount > LibKanji_CStroke::ku_Part_Max)
			return false;
		for (u8 i = 0; i < ao_Element.mu8_PartCount; ++i)
			if (!ao_Read.U16(ao_Element.mau16_PartId[i]))
				return false;
		for (u8 g = 0; g < ao_Element.uGlyphCount; ++g)
		{
			u8 u8_Type = 0;
			if (!ao_Read.U8(u8_Type))
				return false;
			bool b_Ok = false;
			if (u8_Type == 'S')
			{
				auto p_Single = std::make_unique<LibKanji_CStroke::SGlyphSingle>();
				b_Ok = ReadSingle(ao_Read, *p_Single, ao_Element);
				ao_Element.mpp_Glyph.push_back(std::move(p_Single));
			}
			else
			{
				auto p_Compound = std::make_unique<LibKanji_CStroke::SGlyphCompound>();
				b_Ok = ReadCompound(ao_Read, *p_Compound, ao_Element.mu8_PartCount);
				u8_Type = 'C';
				ao_Element.mpp_Glyph.push_back(std::move(p_Compound));
			}
			ao_Element.mpp_Glyph.back()->mu8_Type = u8_Type;
			if (!b_Ok)
				return false;
		}
		return true;
	}

	// Float to integer, clamped to the type's range: a corrupt file must not make the conversion undefined.
	short ToShort(float af_Value)
	{
		return (short)(af_Value < -32768.0f ? -32768.0f : (af_Value > 32767.0f ? 32767.0f : af_Value));
	}
	unsigned short ToUShort(float af_Value)
	{
		return (unsigned short)(af_Value < 0.0f ? 0.0f : (af_Value > 65535.0f ? 65535.0f : af_Value));
	}
}

LibKanji_CStroke::LibKanji_CStroke()
	: mu16_KeyCount(0), mu16_ElementCount(0)
{
}

LibKanji_CStroke::~LibKanji_CStroke()
{
	Unload();
}

void LibKanji_CStroke::Unload()
{
	mo_Key.clear();
	mo_Element.clear();
	mu16_KeyCount = 0;
	mu16_ElementCount = 0;
}

bool LibKanji_CStroke::Load(const char* as_Path)
{
	LIBGEN_ASSERT(IsLoaded() == false);
	LibGen_CFileBuffer o_File;
	if (!o_File.Load(as_Path))
		return false;
	SReader o_Read;
	o_Read.mo_Read.mb_BigEndian = true;
	o_Read.mo_Read.SetBuffer(o_File.GetData(), o_File.GetSize());
	o_Read.mu32_Left = o_File.GetSize();

	u16 u16_KeyCount = 0;
	u16 u16_ElementCount = 0;
	bool b_Ok = o_Read.U16(u16_KeyCount) && o_Read.mu32_Left >= 4u * u16_KeyCount;
	if (b_Ok)
	{
		mo_Key.resize(u16_KeyCount);
		for (SKey& o_Key : mo_Key)
			b_Ok = b_Ok && o_Read.U16(o_Key.mu16_Key) && o_Read.U16(o_Key.mu16_Id);
		b_Ok = b_Ok && o_Read.Skip(4) && o_Read.U16(u16_ElementCount);
	}
	if (!b_Ok || u16_KeyCount == 0 || u16_ElementCount == 0)
	{
		LibGen_ReportData(as_Path, b_Ok ? "announces no keys or no elements" : "is cut short in its key table");
		Unload();
		return false;
	}
	mo_Element.reserve(u16_ElementCount);
	bool b_More = false;
	while (b_Ok && o_Read.mu32_Left > 0)
	{
		if (o_Read.mu32_Left >= 4 && o_Read.mo_Read.PeekU32() == 0xFFFFFFFF)
			break;
		// More records than announced would be as wrong as fewer.
		b_More = mo_Element.size() >= u16_ElementCount;
		if (b_More)
			break;
		mo_Element.emplace_back();
		b_Ok = ReadElement(o_Read, mo_Element.back());
	}
	if (!b_Ok || b_More || mo_Element.size() != u16_ElementCount)
	{
		if (!b_Ok)
			LibGen_ReportData(as_Path, "element record %u of %u is cut short or has more than %u parts",
				(unsigned)mo_Element.size(), u16_ElementCount, (unsigned)ku_Part_Max);
		else
			LibGen_ReportData(as_Path, "holds %s element records than the %u its header announces",
				b_More ? "more" : "fewer", u16_ElementCount);
		Unload();
		return false;
	}
	mu16_KeyCount = u16_KeyCount;
	mu16_ElementCount = u16_ElementCount;
	return true;
}

u16 LibKanji_CStroke::GetElementId(u16 au16_Key) const
{
	LIBGEN_ASSERT(IsLoaded());
	for (const SKey& o_Key : mo_Key)
		if (o_Key.mu16_Key == au16_Key && o_Key.mu16_Id != 0)
			return o_Key.mu16_Id;
	return 0;
}

const LibKanji_CStroke::SElement* LibKanji_CStroke::GetElement(u16 au16_Id) const
{
	LIBGEN_ASSERT(IsLoaded());
	for (const SElement& o_Element : mo_Element)
		if (o_Element.mu16_Id == au16_Id)
			return &o_Element;
	return nullptr;
}

u8 LibKanji_CStroke::GetSegments(u16 au16_Key, const CVector2d<unsigned short>& ao_Size, std::vector<SSegment>& ao_Segments) const
{
	ao_Segments.clear();
	if (!IsLoaded())
		return 0;
	const u16 u16_Id = GetElementId(au16_Key);
	const SElement* p_Element = (u16_Id != 0) ? GetElement(u16_Id) : nullptr;
	if (p_Element == nullptr)
		return 0;
	u8 u8_Stroke = 0;
	u16 u16_Visits = 0;
	GetSegCompound(p_Element, ao_Size, CVector2d<short>(0, 0), 1, u8_Stroke, u16_Visits, ao_Segments);
	return u8_Stroke;
}

void LibKanji_CStroke::GetSegCompound(const SElement* ap_Element, const CVector2d<unsigned short>& ao_Size,
                                      const CVector2d<short>& ao_Origin, u8 auGlyphVariant, u8& au8_Stroke, u16& au16_Visits,
                                      std::vector<SSegment>& ao_Segments, const u16* ap_Chain, u8 au8_Depth) const
{
	// A variant the element does not have is left out, like variant 0.
	if (auGlyphVariant == 0 || auGlyphVariant > ap_Element->mpp_Glyph.size() || au16_Visits >= ku_Walk_Visit_Max)
		return;
	++au16_Visits;
	const SGlyph* p_Glyph = ap_Element->mpp_Glyph[auGlyphVariant - 1].get();
	if (p_Glyph->mu8_Width == 0 || p_Glyph->mu8_Height == 0)
		return;
	const float f_ScaleX = (float)ao_Size.x / p_Glyph->mu8_Width;
	const float f_ScaleY = (float)ao_Size.y / p_Glyph->mu8_Height;
	if (p_Glyph->mu8_Type == 'S')
	{
		GetSegSingle(static_cast<const SGlyphSingle*>(p_Glyph), CVector2d<float>(f_ScaleX, f_ScaleY), ao_Origin, au8_Stroke, ao_Segments);
		return;
	}
	if (au8_Depth >= ku_Walk_Depth_Max)
		return;
	u16 au16_Chain[ku_Walk_Depth_Max + 1];
	for (u8 i = 0; i < au8_Depth; ++i)
		au16_Chain[i] = ap_Chain[i];
	au16_Chain[au8_Depth] = ap_Element->mu16_Id;
	const SGlyphCompound* p_Compound = static_cast<const SGlyphCompound*>(p_Glyph);
	for (u8 i = 0; i < ap_Element->mu8_PartCount; ++i)
	{
		const u16 u16_PartId = ap_Element->mau16_PartId[i];
		const SElement* p_Part = (p_Compound->mau8_Variant[i] != 0) ? GetElement(u16_PartId) : nullptr;
		bool b_OnChain = false;
		for (u8 c = 0; c <= au8_Depth; ++c)
			b_OnChain = b_OnChain || au16_Chain[c] == u16_PartId;
		if (p_Part == nullptr || b_OnChain)
			continue;
		const CVector2d<unsigned short> o_PartSize(ToUShort(p_Compound->mas16_W[i] * f_ScaleX), ToUShort(p_Compound->mas16_H[i] * f_ScaleY));
		const CVector2d<short> o_PartOrigin(ToShort(ao_Origin.x + f_ScaleX * p_Compound->mas16_X[i]),
		                                    ToShort(ao_Origin.y + f_ScaleY * p_Compound->mas16_Y[i]));
		GetSegCompound(p_Part, o_PartSize, o_PartOrigin, p_Compound->mau8_Variant[i], au8_Stroke, au16_Visits, ao_Segments,
		               au16_Chain, (u8)(au8_Depth + 1));
	}
}

void LibKanji_CStroke::GetSegSingle(const SGlyphSingle* ap_Glyph, const CVector2d<float>& ao_Scale,
                                    const CVector2d<short>& ao_Origin, u8& au8_Stroke, std::vector<SSegment>& ao_Segments)
{
	auto Map = [&](const s16* ap_Coord)
	{
		return CVector2d<float>(ao_Origin.x + ap_Coord[0] * (1.0f / 256) * ao_Scale.x,
		                        ao_Origin.y + ap_Coord[1] * (1.0f / 256) * ao_Scale.y);
	};
	CVector2d<float> o_Current(0, 0);
	const SPoint* p_Point = ap_Glyph->mo_Point.data();
	for (u8 u8_Points : ap_Glyph->mau8_PointCount)
	{
		// Stroke numbers are bytes: a glyph cannot add strokes beyond 255.
		if (au8_Stroke == 255)
			return;
		++au8_Stroke;
		for (u8 p = 0; p < u8_Points; ++p, ++p_Point)
		{
			SSegment o_Segment = {};
			o_Segment.mu8_Stroke = au8_Stroke;
			o_Segment.mo_Start = o_Current;
			switch (p_Point->mu8_Command)
			{
				case 'M':
					o_Current = Map(p_Point->mas16_Coord);
					break;
				case 'L':
					o_Segment.mu8_Type = 0;
					o_Segment.mo_End = o_Current = Map(p_Point->mas16_Coord);
					ao_Segments.push_back(o_Segment);
					break;
				case 'C':
					o_Segment.mu8_Type = 1;
					o_Segment.mo_Ctrl1 = Map(p_Point->mas16_Coord);
					o_Segment.mo_Ctrl2 = Map(p_Point->mas16_Coord + 2);
					o_Segment.mo_End = o_Current = Map(p_Point->mas16_Coord + 4);
					ao_Segments.push_back(o_Segment);
					break;
				default:
					break;
			}
		}
	}
}

u8 LibKanji_CStroke::GetStrokes(u16 au16_Key, const CVector2d<unsigned short>& ao_Size, float af_Step, std::vector<LibGen_CPath>& ao_Paths) const
{
	LIBGEN_ASSERT(af_Step > 0);
	std::vector<SSegment> o_Segments;
	const u8 u8_Count = GetSegments(au16_Key, ao_Size, o_Segments);
	ao_Paths.resize(u8_Count);
	size_t j = 0;
	for (u8 s = 1; s <= u8_Count && s != 0; ++s)
	{
		LibGen_CPath& o_Path = ao_Paths[s - 1];
		o_Path.Reset();
		// A stroke without a line or a curve keeps an empty path.
		if (j >= o_Segments.size() || o_Segments[j].mu8_Stroke != s)
			continue;
		o_Path.AddVertex(o_Segments[j].mo_Start);
		for (; j < o_Segments.size() && o_Segments[j].mu8_Stroke == s; ++j)
		{
			const SSegment& o_Seg = o_Segments[j];
			if (o_Seg.mu8_Type == 0)
			{
				o_Path.AddVertex(o_Seg.mo_End);
				continue;
			}
			const float f_Points = floorf(LibGfx_BezierLength(o_Seg.mo_Start, o_Seg.mo_End, o_Seg.mo_Ctrl1, o_Seg.mo_Ctrl2) / af_Step) + 1;
			const u32 u_Points = (f_Points < ku_CurvePoint_Max) ? (u32)f_Points : (u32)ku_CurvePoint_Max;
			CVector2d<float> o_Prev = o_Seg.mo_Start;
			for (u32 i = 1; i <= u_Points; ++i)
			{
				CVector2d<float> o_Point;
				LibGfx_BezierPoint(i, u_Points, o_Prev, o_Seg.mo_Ctrl1, o_Seg.mo_Ctrl2, o_Seg.mo_End, o_Point);
				o_Path.AddVertex(o_Point);
				o_Prev = o_Point;
			}
		}
	}
	return u8_Count;
}
