#ifndef LIBGFX_CTEXTURE_H
#define LIBGFX_CTEXTURE_H

#include "LibGen_DataTypes.h"
#include "LibGfx_PictureLoader.h"

// One picture in the device's own pixel format, its pixels in video memory (gManagerVRam).
// Changed pixels are uploaded when the texture is next bound: expanded to RGBA (ConvertToRGBA) for
// OpenGL and WebGL, in their own format for Direct3D. mu32_GLName names the device's texture in
// every backend.
class LibGfx_CTexture
{
public:
	enum
	{
		ku32_Flag_Dirty = 0x01,
		ku32_GLName_None = 0xFFFFFFFF,
	};
	// Pixel buffers start on 16-byte boundaries of the video memory.
	static const u8 ku8_VRamAlign = 16;

	LibGfx_CTexture();
	~LibGfx_CTexture();

	// Takes the picture's size, format and pixels (all zero when pData is null); the flag is
	// not used by this backend. mu16_PaletteId is left as it is.
	void Init(const SPicInfo& ao_Pic, bool ab_Flag);
	// Video memory Init takes for the picture.
	static u32 GetReserveSize(const SPicInfo& ao_Pic);
	void Free();
	// Binds the texture for drawing, converting and uploading it first when dirty. It repeats in
	// the directions au8_Repeat names (LibGfx_CPolyBase::ku8_Repeat_S, _T); in the others its
	// edge texels stretch, so that its borders never blend with the opposite edge.
	void SetAsCurrent(u8 au8_Repeat);

	// Bytes of one stored row: formats 4 and 5 pack 2 and 1 pixels a byte, an odd last
	// column of format 4 is not stored.
	u32 GetRowSize() const;

	u8* mp_Data;
	u16 mu16_Format;
	u16 mu16_PaletteId;
	u16 mu16_Width;
	u16 mu16_Height;
	u16 mu16_TexWidth;
	u16 mu16_TexHeight;
	u32 mu32_Flags;
	u32 mu32_GLName;
	u32* mp_RGBA;

private:
	LibGfx_CTexture(const LibGfx_CTexture&) = delete;
	LibGfx_CTexture& operator=(const LibGfx_CTexture&) = delete;

	// The device's own texture, made by Init and let go by Free (backend twins).
	void CreateDeviceTexture();
	void FreeDeviceTexture();
	// The pixels as RGBA in mp_RGBA, the palette's colours for the indexed formats (shared code).
	void ConvertToRGBA();
};

#endif
