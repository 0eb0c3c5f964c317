#ifndef LIBGEN_DATATYPES_H
#define LIBGEN_DATATYPES_H

#include <stdint.h>

typedef uint8_t  u8;
typedef uint16_t u16;
typedef uint32_t u32;
typedef uint64_t u64;
typedef int8_t   s8;
typedef int16_t  s16;
typedef int32_t  s32;

// Cursor over a block of memory: integers of 8, 16 and 32 bits in either byte order, and small
// decimal or hexadecimal numbers from text. Every integer read and every seek is checked against
// the block's end; the digit and number reads rely on the text's terminator instead.
class CDataRead
{
public:
	CDataRead();
	// Walks zero-terminated text of no stated size.
	explicit CDataRead(const void* ap_Data);

	void SetBuffer(const void* ap_Data, unsigned int au32_Size);
	void SetOffset(unsigned int au32_offset);

	u8  GetU8();
	u16 GetU16();
	u32 GetU32();
	s8  GetS8();
	s16 GetS16();
	s32 GetS32();

	u8  PeekU8() const;
	u16 PeekU16() const;
	u32 PeekU32() const;
	s8  PeekS8() const;
	s16 PeekS16() const;
	s32 PeekS32() const;

	CDataRead& operator+=(int s32_offset);
	CDataRead& operator-=(int s32_offset);

	bool IsADigit() const;
	bool IsAHexDigit() const;
	u8   GetDigitVal();
	u8   PeekDigitVal() const;
	u8   GetHexDigitVal();
	u8   PeekHexDigitVal() const;
	u32  GetNumValue(unsigned char au8_MaxDigit);
	u32  GetHexValue(unsigned char au8_MaxDigit);

private:
	// Assembles au8_Count bytes at the cursor in the reader's byte order (bounds checked by the caller).
	u32 Assemble(unsigned int au8_Count) const;

	u32 mu_Size;
public:
	bool mb_BigEndian;
private:
	const u8* mp_DataOrig;
	const u8* mp_DataCur;
};

#endif
