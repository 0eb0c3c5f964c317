#ifndef CMENUITEM_LABEL_H
#define CMENUITEM_LABEL_H

#include "LibGen_DataTypes.h"
#include "LibGfx_CMenuItemBase.h"
#include "LibGfx_CObjIcon.h"

class LibText_CFont;

// A menu entry that only shows an icon and its label: the menu never stops on it.
class CMenuItem_Label : public LibGfx_CMenuItemBase
{
public:
	CMenuItem_Label() {}
	virtual ~CMenuItem_Label() {}

	// The icon of the texture with the label of the string under it, in the font and palette slot.
	void Init(const u16& au16_TextureId, const u32& au32_TextId, const LibText_CFont* ap_Font, const u8& au8_Palette);

	LibGfx_CObjIcon mo_Icon;
};

#endif
