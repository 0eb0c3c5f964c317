#ifndef LIBTEXT_UTILS_H
#define LIBTEXT_UTILS_H

#include "LibGen_DataTypes.h"

// Bit 7 becomes bit 0 and so on: the fonts keep the leftmost pixel in bit 0.
u8 LibText_ReverseBits(u8 au8_Byte);

#endif
