#ifndef LIBGFX_COBJICONSELECT_H
#define LIBGFX_COBJICONSELECT_H

#include "LibGfx_CObjIcon.h"

// An icon with a drop shadow 6 units right and 6 down. Selected, the picture sits on its
// shadow's place (pressed) and the label takes another palette; the label hangs under the
// shadow, so it stays where it is.
class LibGfx_CObjIconSelect : public LibGfx_CObjIcon
{
public:
	explicit LibGfx_CObjIconSelect(const u32& au32_Id);
	virtual ~LibGfx_CObjIconSelect() {}

	// Loads the icon with the normal palette, not selected.
	void Load(u16 au16_TextureId, u32 au32_TextId, const LibText_CFont* ap_Font, u8 au8_PaletteSelected,
			  u8 au8_PaletteNormal, enumTextPos ae_TextPos);
	// Setting the state the icon already has changes nothing.
	virtual void SetSelected(bool ab_Selected);
	bool IsSelected() const { return mb_Selected; }

	u8 mu8_PaletteSelected;
	u8 mu8_PaletteNormal;
	LibGfx_CObjBase mo_Shadow;
	LibGfx_CPolyQuad mo_ShadowQuad;
	u32 mb_Selected : 1;
};

#endif
