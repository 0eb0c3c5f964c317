#ifndef CMENUITEM_CALLBACK_H
#define CMENUITEM_CALLBACK_H

#include "LibGen_DataTypes.h"
#include "LibGen_Functor.h"
#include "LibGfx_CMenuItemBase.h"
#include "LibGfx_CObjIconSelect.h"

#include <memory>

class LibText_CFont;

// A menu entry that runs an action on Cross: an icon with its label under it, pressed while the
// entry is the current one.
class CMenuItem_Callback : public LibGfx_CMenuItemBase
{
public:
	CMenuItem_Callback();
	virtual ~CMenuItem_Callback() {}

	// Takes the action (none for an entry that does nothing) and shows the icon of the texture
	// with the label of the string, in the font and the normal palette slot.
	void Init(std::unique_ptr<LibGen_FunctorBase1<int>> ap_Action, const u16& au16_TextureId, const u32& au32_TextId,
	          const LibText_CFont* ap_Font, const u8& au8_Palette);

	void Select() override;
	void Unselect() override;
	// Cross calls the action with the parameter bound in it.
	void ProcessInput(enumInput ae_Input) override;

	LibGfx_CObjIconSelect mo_Icon;
	// Each entry owns its action: none is shared, none is freed twice.
	std::unique_ptr<LibGen_FunctorBase1<int>> mp_Action;
};

#endif
