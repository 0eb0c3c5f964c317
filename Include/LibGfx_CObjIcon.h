#ifndef LIBGFX_COBJICON_H
#define LIBGFX_COBJICON_H

#include "LibGen_DataTypes.h"
#include "LibGfx_CObjBase.h"
#include "LibGfx_CObjText.h"
#include "LibGfx_CPolyQuad.h"

class LibText_CFont;

// A picture from a texture slot, centred on the object's origin 2 units in front of it, with
// an optional text label just outside one of its sides. Invisible until loaded.
class LibGfx_CObjIcon : public LibGfx_CObjBase
{
public:
	// NOTE: a fixed type: any value may be stored; others leave the label where it is.
	enum enumTextPos : u32
	{
		ke_TextPos_Left = 0,
		ke_TextPos_Top = 1,
		ke_TextPos_Right = 2,
		ke_TextPos_Bottom = 3,
	};

	explicit LibGfx_CObjIcon(const u32& au32_Id = 0);
	virtual ~LibGfx_CObjIcon() {}

	// Shows the picture of the texture id; with a font the label shows the text id at the
	// position, without one (null) the icon has no label.
	void Load(u16 au16_TextureId, u32 au32_TextId, const LibText_CFont* ap_Font, u8 au8_Palette, enumTextPos ae_TextPos);
	// Shows the text id on the label and places it beside the picture.
	void SetTextId(const u32& au32_TextId);
	// Picture and label together, for laying icons out side by side.
	u16  GetWidth() const { return mu16_Width; }
	void Unload();
	void Reload();

	u32 mu32_Id;   // the owner's own tag, not used here
	LibGfx_CObjText mo_Text;
	LibGfx_CPolyQuad mo_Quad;
	enumTextPos me_TextPos;
	u16 mu16_Width;
};

#endif
