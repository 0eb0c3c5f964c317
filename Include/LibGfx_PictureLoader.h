#ifndef LIBGFX_PICTURELOADER_H
#define LIBGFX_PICTURELOADER_H

#include "LibGen_DataTypes.h"

// Pixel layouts of pictures and textures, as stored.
// A 32-bit value; any other value may be stored and is refused where a format is needed.
enum enumPixelFormat : u32
{
	ke_PixelFormat_Auto = 0,   // only as a request to LoadPng: choose from the file
	ke_PixelFormat_4444 = 1,   // u16: red bits 0-3, green 4-7, blue 8-11, alpha 12-15
	ke_PixelFormat_5551 = 2,   // u16: red bits 0-4, green 5-9, blue 10-14, alpha bit 15
	ke_PixelFormat_8888 = 3,   // bytes red, green, blue, alpha
	ke_PixelFormat_Pal4 = 4,   // palette index, two per byte, the left pixel in the low nibble
	ke_PixelFormat_Pal8 = 5,   // palette index, one byte
};

// A decoded picture: packed rows, top row first. pData comes from new[] and belongs to the holder.
struct SPicInfo
{
	u8* pData;
	u16 uWidth;
	u16 uHeight;
	enumPixelFormat eFormat;   // requested on input to LoadPng (Auto: chosen and written back)
};

// Decodes a PNG (a path relative to the file system's current directory) into the requested
// format: 1, 2 or 3, or Auto. A file that cannot be read, is no PNG, is corrupt or is larger than
// 2048 pixels on a side fails with no pixels (pData null, size 0).
bool LoadPng(const char* as_Path, SPicInfo* ap_Pic);

#endif
