#ifndef LIBGFX_CMANAGERTEXTURE_H
#define LIBGFX_CMANAGERTEXTURE_H

#include "LibGen_CSingleton.h"
#include "LibGen_DataTypes.h"
#include "LibGfx_CTexture.h"
#include "LibGfx_PictureLoader.h"

// Texture ids: 1-24 the fixed theme pictures, 25-281 handed out on demand. 0 is no texture.
enum enumTextureId
{
	ke_Tex_None = 0,
	ke_Tex_Wnd_TopLeft = 2,
	ke_Tex_Wnd_TopMid,
	ke_Tex_Wnd_TopRight,
	ke_Tex_Wnd_MidLeft,
	ke_Tex_Wnd_MidMid,
	ke_Tex_Wnd_MidRight,
	ke_Tex_Wnd_BotLeft,
	ke_Tex_Wnd_BotMid,
	ke_Tex_Wnd_BotRight,
	ke_Tex_Key_Cross,
	ke_Tex_Key_Triangle,
	ke_Tex_Key_Circle,
	ke_Tex_Key_Square,
	ke_Tex_Key_Up,
	ke_Tex_Key_Down,
	ke_Tex_Key_Left,
	ke_Tex_Key_Right,
	ke_Tex_Key_UpDown,
	ke_Tex_Key_LeftRight,
	ke_Tex_Icon_MainEmpty,
	ke_Tex_Icon_MainQuit,
	ke_Tex_Icon_MainFromRomanji,
	ke_Tex_Icon_MainToRomanji,
	ke__Custom_Start = 25,
	ke__Custom_End = 281,
	ke__Total = 282,
};

// The fixed table of textures and the 16 shared palettes of 256 colours.
class LibGfx_CManagerTexture : public LibGen_CSingleton<LibGfx_CManagerTexture>
{
public:
	enum
	{
		ku_PaletteTotal = 16,
		ku_PaletteSize = 256,
		ku_Filename_Size = 256,
	};

	LibGfx_CManagerTexture();
	virtual ~LibGfx_CManagerTexture() {}

	// Marks the texture dirty: pixels written through it are uploaded on the next bind.
	LibGfx_CTexture* GetTexture(u16 ae_TextureId);
	// Decodes a .png file (extension in any case) into the texture; false leaves it as it was.
	// The texture is marked dirty either way.
	bool LoadTexture(u16 ae_TextureId, const char* as_Path, enumPixelFormat ae_Format, bool ab_Flag);
	bool LoadTexture(u16 ae_TextureId, const char* as_dirname, const char* as_filename, enumPixelFormat ae_Format, bool ab_Flag);
	void LoadBaseTextures();

	u16  LockTexture();
	// Id 0 does nothing; otherwise a custom id that is locked.
	void FreeTexture(u16 au16_TextureId);
	// Empties every texture; the locks stay.
	void FreeAllTexture();

	// Palettes 1-15 are handed out; 0 never is.
	u8   LockPalette();
	void FreePalette(u8 au8_PaletteId);
	u32* GetPalette(u8 au8_PaletteId);
	// Textures using the palette pick up the colours at their next upload, not before.
	void SetPalette(u8 au8_PaletteId, const u32* ap_Colors, u8 au8_Count);

	LibGfx_CTexture mo_Texture[ke__Total];
	bool mb_TextureUsed[ke__Total];
	bool mb_PaletteUsed[ku_PaletteTotal];
	u32  mu32_Palette[ku_PaletteTotal][ku_PaletteSize];
};

#endif
