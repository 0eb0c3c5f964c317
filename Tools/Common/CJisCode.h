#ifndef CJISCODE_H
#define CJISCODE_H

#include <cstdint>
#include <iconv.h>

// Positions of the JIS X 0208 table: index = (row - 1) * 94 + (cell - 1), the order of the game's
// Japanese fonts and of its kanji records.
class CJisCode
{
public:
	static const int ku_PositionCount = 94 * 94;

	CJisCode();
	~CJisCode();
	CJisCode(const CJisCode&) = delete;
	CJisCode& operator=(const CJisCode&) = delete;

	// False when the system has no EUC-JP converter.
	bool IsOpen() const { return mh_Iconv != reinterpret_cast<iconv_t>(-1); }

	// The Unicode code point of the character at a position, 0 for an unassigned position.
	uint32_t ToUnicode(int ai_Index);

	// EUC-JP code of a position, first byte in the high 8 bits.
	static uint16_t EucCode(int ai_Index) { return static_cast<uint16_t>(((0xA1 + ai_Index / 94) << 8) | (0xA1 + ai_Index % 94)); }
	// JIS X 0208 code of a position (0x2121 for the first one).
	static uint16_t JisCode(int ai_Index) { return static_cast<uint16_t>(EucCode(ai_Index) & 0x7F7F); }

private:
	iconv_t mh_Iconv;
};

#endif
