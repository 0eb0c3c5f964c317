#include "LibText_Utils.h"

u8 LibText_ReverseBits(u8 au8_Byte)
{
	au8_Byte = (u8)((au8_Byte & 0xF0) >> 4 | (au8_Byte & 0x0F) << 4);
	au8_Byte = (u8)((au8_Byte & 0xCC) >> 2 | (au8_Byte & 0x33) << 2);
	return (u8)((au8_Byte & 0xAA) >> 1 | (au8_Byte & 0x55) << 1);
}
