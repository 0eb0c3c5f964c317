#include "CStrokeDb.h"

namespace
{
void PutU16(std::vector<unsigned char>& ao_Out, uint16_t au16_Value)
{
	ao_Out.push_back(static_cast<unsigned char>(au16_Value >> 8));
	ao_Out.push_back(static_cast<unsigned char>(au16_Value & 0xFF));
}
} // namespace

bool CStrokeDb::AddSingle(uint16_t au16_Key, uint8_t au8_Width, uint8_t au8_Height, const tStrokes& ao_Strokes)
{
	if (mo_Keys.size() >= 0xFFFE || ao_Strokes.size() > 255)
		return false;
	for (const std::vector<SStrokePoint>& lo_Stroke : ao_Strokes)
		if (lo_Stroke.size() > 255)
			return false;

	const uint16_t lu16_Id = static_cast<uint16_t>(mo_Keys.size() + 1);
	mo_Keys.push_back(au16_Key);
	std::vector<unsigned char>& r = mo_Records;
	// Element: id, one glyph, no parts, reserved byte.
	PutU16(r, lu16_Id);
	r.insert(r.end(), {1, 0, 0});
	// Single glyph: type, size, reserved byte, stroke count.
	r.insert(r.end(), {'S', au8_Width, au8_Height, 0, static_cast<unsigned char>(ao_Strokes.size())});
	for (const std::vector<SStrokePoint>& lo_Stroke : ao_Strokes)
	{
		r.push_back(static_cast<unsigned char>(lo_Stroke.size()));
		for (const SStrokePoint& lo_Point : lo_Stroke)
		{
			r.push_back(static_cast<unsigned char>(lo_Point.mc_Command));
			const int li_Values = lo_Point.mc_Command == 'C' ? 6 : 2;
			for (int i = 0; i < li_Values; ++i)
				PutU16(r, static_cast<uint16_t>(lo_Point.mas16_Value[i]));
		}
	}
	mu_StrokeTotal += ao_Strokes.size();
	return true;
}

std::vector<unsigned char> CStrokeDb::Bytes() const
{
	std::vector<unsigned char> lo_Out;
	lo_Out.reserve(8 + 4 * mo_Keys.size() + mo_Records.size() + 4);
	PutU16(lo_Out, static_cast<uint16_t>(mo_Keys.size()));
	for (size_t i = 0; i < mo_Keys.size(); ++i)
	{
		PutU16(lo_Out, mo_Keys[i]);
		PutU16(lo_Out, static_cast<uint16_t>(i + 1));
	}
	lo_Out.insert(lo_Out.end(), {0, 0, 0, 0});
	PutU16(lo_Out, static_cast<uint16_t>(mo_Keys.size()));
	lo_Out.insert(lo_Out.end(), mo_Records.begin(), mo_Records.end());
	lo_Out.insert(lo_Out.end(), {0xFF, 0xFF, 0xFF, 0xFF});
	return lo_Out;
}
