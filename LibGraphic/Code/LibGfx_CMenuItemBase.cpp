#include "LibGfx_CMenuItemBase.h"

LibGfx_CMenuItemBase::LibGfx_CMenuItemBase()
	: mb_Selectable(false), mu16_TooltipId(0)
{
	mo_Obj.SetVisible(true);
	mo_Obj.mu32_Align = LibGfx_CObjBase::ke_Align_Left | LibGfx_CObjBase::ke_Align_Top;
}
