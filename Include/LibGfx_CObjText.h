#ifndef LIBGFX_COBJTEXT_H
#define LIBGFX_COBJTEXT_H

#include "LibGen_DataTypes.h"
#include "LibGen_Vector3D.h"
#include "LibGfx_CObjBase.h"
#include "LibGfx_CPolyQuad.h"
#include "LibGfx_CPolyQuad2d.h"
#include "LibText_CTextBase.h"

// A block of text in the display tree: the layout renders palette indices, which the object
// packs into a 4-bit paletted texture of its own, drawn on one quad centred on its origin at
// one texel per unit. The texture exists from the first non-zero size until Unload.
class LibGfx_CObjText : public LibText_CTextBase, public LibGfx_CObjBase
{
public:
	enum
	{
		ku16_PaletteNone = 0xFFFF,
	};

	explicit LibGfx_CObjText(bool ab_Quad3d = true);
	virtual ~LibGfx_CObjText();

	// A zero width or height releases the texture and hides the object; any other size
	// (re)builds the texture and the quad. Called by the layout itself while auto-sizing.
	void TxtSetSize(const u16& au16_Width, const u16& au16_Height) override;
	// Copies a new rendering into the texture; the children are not visited.
	void Update() override;
	// A text changed after this frame's update pass (by a state, which runs later) is laid out
	// and copied first: drawn as it was, a new size would show an empty texture for a frame.
	void Render() override;

	// Remembered when there is no texture yet, and given to every texture built later.
	void TxtSetPalette(u8 au8_Palette);
	u8   TxtGetPalette() const { return static_cast<u8>(mu16_Palette); }
	void TxtGetSize(u16& au16_Width, u16& au16_Height) const;

	// Gives back the texture slot and hides the object.
	void Unload();
	// Builds the texture again at the current size and redraws the text into it; the
	// object's visibility is left to the caller.
	void Reload();

	LibGfx_CPolyQuad mo_Quad;
	LibGfx_CPolyQuad2d mo_Quad2d;
	u16 mu16_TextureId;
	u16 mu16_Palette;
	u32 mb_Quad3d : 1;

private:
	void BuildTexture();
	// Lays out, draws and copies into the texture what changed since the last time.
	void UpdateTexture();
	void CopyPixels(u8* ap_Texture, u32 au32_RowSize) const;
};

#endif
