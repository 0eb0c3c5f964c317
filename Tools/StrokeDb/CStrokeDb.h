#ifndef CSTROKEDB_H
#define CSTROKEDB_H

#include "CSvgPath.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Collects single-glyph elements and lays them out as the game's big-endian stroke database:
// key table, a 4-byte gap, element count, element records, then FF FF FF FF.
class CStrokeDb
{
public:
	typedef std::vector<std::vector<SStrokePoint>> tStrokes;

	// Adds one element of one single glyph for a character (its EUC-JP code); its element id is its
	// rank from 1. False when a count does not fit its byte (strokes, points per stroke, elements).
	bool AddSingle(uint16_t au16_Key, uint8_t au8_Width, uint8_t au8_Height, const tStrokes& ao_Strokes);

	size_t ElementCount() const { return mo_Keys.size(); }
	size_t StrokeTotal() const { return mu_StrokeTotal; }
	std::vector<unsigned char> Bytes() const;

private:
	std::vector<uint16_t> mo_Keys;
	std::vector<unsigned char> mo_Records;
	size_t mu_StrokeTotal = 0;
};

#endif
