#include <assert.h>
#include "LibGen_DataTypes.h"
#include "LibGen_Utils.h"

CDataRead::CDataRead()
	: mu_Size(0xFFFFFFFF), mb_BigEndian(false), mp_DataOrig(nullptr), mp_DataCur(nullptr)
{
}

CDataRead::CDataRead(const void* ap_Data)
	: mu_Size(0xFFFFFF), mb_BigEndian(false),
	  mp_DataOrig(static_cast<const u8*>(ap_Data)), mp_DataCur(static_cast<const u8*>(ap_Data))
{
}

void CDataRead::SetBuffer(const void* ap_Data, unsigned int au32_Size)
{
	mp_DataOrig = static_cast<const u8*>(ap_Data);
	mp_DataCur  = mp_DataOrig;
	mu_Size     = au32_Size;
}

void CDataRead::SetOffset(unsigned int au32_offset)
{
	assert(au32_offset <= mu_Size);
	mp_DataCur = mp_DataOrig + au32_offset;
}

u32 CDataRead::Assemble(unsigned int au8_Count) const
{
	u32 u32_Value = 0;
	for (unsigned int i = 0; i < au8_Count; ++i)
	{
		const unsigned int u_Byte = mb_BigEndian ? i : au8_Count - 1 - i;
		u32_Value = (u32_Value << 8) | mp_DataCur[u_Byte];
	}
	return u32_Value;
}

u8 CDataRead::PeekU8() const
{
	assert((mp_DataCur + sizeof(u8)) <= mp_DataOrig+mu_Size);
	return mp_DataCur[0];
}

u16 CDataRead::PeekU16() const
{
	assert((mp_DataCur + sizeof(u16)) <= mp_DataOrig+mu_Size);
	return static_cast<u16>(Assemble(2));
}

u32 CDataRead::PeekU32() const
{
	assert((mp_DataCur + sizeof(u32)) <= mp_DataOrig+mu_Size);
	return Assemble(4);
}

s8 CDataRead::PeekS8() const
{
	assert((mp_DataCur + sizeof(s8)) <= mp_DataOrig+mu_Size);
	return static_cast<s8>(mp_DataCur[0]);
}

s16 CDataRead::PeekS16() const
{
	assert((mp_DataCur + sizeof(s16)) <= mp_DataOrig+mu_Size);
	return static_cast<s16>(Assemble(2));
}

s32 CDataRead::PeekS32() const
{
	return static_cast<s32>(PeekU32());
}

u8  CDataRead::GetU8()  { u8  v = PeekU8();  mp_DataCur += sizeof(v); return v; }
u16 CDataRead::GetU16() { u16 v = PeekU16(); mp_DataCur += sizeof(v); return v; }
u32 CDataRead::GetU32() { u32 v = PeekU32(); mp_DataCur += sizeof(v); return v; }
s8  CDataRead::GetS8()  { s8  v = PeekS8();  mp_DataCur += sizeof(v); return v; }
s16 CDataRead::GetS16() { s16 v = PeekS16(); mp_DataCur += sizeof(v); return v; }
s32 CDataRead::GetS32() { s32 v = PeekS32(); mp_DataCur += sizeof(v); return v; }

CDataRead& CDataRead::operator+=(int s32_offset)
{
	assert((mp_DataCur + s32_offset) >= mp_DataOrig);
	assert((mp_DataCur + s32_offset) <= mp_DataOrig+mu_Size);
	mp_DataCur += s32_offset;
	return *this;
}

CDataRead& CDataRead::operator-=(int s32_offset)
{
	assert((mp_DataCur - s32_offset) >= mp_DataOrig);
	assert((mp_DataCur - s32_offset) <= mp_DataOrig+mu_Size);
	mp_DataCur -= s32_offset;
	return *this;
}

bool CDataRead::IsADigit() const
{
	return *mp_DataCur >= '0' && *mp_DataCur <= '9';
}

bool CDataRead::IsAHexDigit() const
{
	return LibGen_HexDigit(*mp_DataCur) >= 0;
}

u8 CDataRead::PeekDigitVal() const
{
	return IsADigit() ? static_cast<u8>(*mp_DataCur - '0') : 0;
}

u8 CDataRead::GetDigitVal()
{
	const u8 u8_Value = PeekDigitVal();
	++mp_DataCur;
	return u8_Value;
}

u8 CDataRead::PeekHexDigitVal() const
{
	const int i_Digit = LibGen_HexDigit(*mp_DataCur);
	return i_Digit >= 0 ? static_cast<u8>(i_Digit) : 0;
}

u8 CDataRead::GetHexDigitVal()
{
	const u8 u8_Value = PeekHexDigitVal();
	++mp_DataCur;
	return u8_Value;
}

u32 CDataRead::GetNumValue(unsigned char au8_MaxDigit)
{
	u32 u32_Value = 0;
	for (unsigned int i = 0; i < au8_MaxDigit && IsADigit(); ++i)
		u32_Value = u32_Value * 10 + GetDigitVal();
	return u32_Value;
}

u32 CDataRead::GetHexValue(unsigned char au8_MaxDigit)
{
	u32 u32_Value = 0;
	for (unsigned int i = 0; i < au8_MaxDigit && IsAHexDigit(); ++i)
		u32_Value = u32_Value * 16 + GetHexDigitVal();
	return u32_Value;
}
