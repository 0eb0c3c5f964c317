#ifndef LIBTEXT_UTILS_H
#define LIBTEXT_UTILS_H

#include "LibGen_DataTypes.h"

// Reads a data file whole, through the file system's current directory, in one read. The block
// gets one extra zero byte after the file's bytes so that text parsers stop at its end. Files
// larger than au32_SizeMax are refused. The caller frees the block with delete[].
bool LibText_ReadFile(const char* as_Path, u32 au32_SizeMax, u8*& ap_Data, u32& au32_Size);

// Bit 7 becomes bit 0 and so on: the fonts keep the leftmost pixel in bit 0.
u8 LibText_ReverseBits(u8 au8_Byte);

#endif
