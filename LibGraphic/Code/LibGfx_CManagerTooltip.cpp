#include "LibGfx_CManagerTooltip.h"

#include "LibGen_Utils.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CManagerCamera.h"
#include "LibGfx_CManagerTexture.h"
#include "LibGfx_Utilities.h"
#include "LibInput_ManagerKey.h"
#include "LibText_CManagerString.h"

#include <cstdarg>
#include <cstdio>

namespace
{
	const u16 ku16_HintGap = 4;
	// The bar below its 2-unit top line.
	const u16 ku16_BarHeight = 30;
	// NOTE: translucent blue, dark enough for its white texts to read over the light backgrounds
	// (at alpha 0x7D they were white on pale blue).
	const u32 ku32_BarColor = 0xC0C80000u;
	const u32 ku32_AlignLeftBottom = LibGfx_CObjBase::ke_Align_Left | LibGfx_CObjBase::ke_Align_Bottom;
	// The buttons of the face hints, which come first among the hints.
	const eKeys ceFaceButton[LibGfx_CManagerTooltip::ku_Face_Hints] = {ke_Key_Cross, ke_Key_Triangle, ke_Key_Circle, ke_Key_Square};
	static_assert(LibGfx_CManagerTooltip::ke_KeyId_Square == LibGfx_CManagerTooltip::ku_Face_Hints - 1, "the face hints come first");
	// A key's letter stands on the lower right of its button's picture, in front of it.
	const float kf_LetterZ = 3.0f;
	const float kf_KeyCapDepth = 0.5f;
	const u32 ku32_KeyCapColor = 0xFF101010u;

	// True when every conversion of the format reads a whole number (%i, %d) or is "%%": the
	// format comes from a data file, and a %s or %n there must not reach vsnprintf.
	bool IsIntFormat(const char* as_Format)
	{
		for (const char* p = as_Format; *p != 0; ++p)
		{
			if (*p != '%')
				continue;
			++p;
			if (*p != 'i' && *p != 'd' && *p != '%')
				return false;
		}
		return true;
	}
}

LibGfx_CManagerTooltip::LibGfx_CManagerTooltip()
{
	mo_Bar.SetParent(nullptr);
	mo_Bar.SetVisible(false);
	mo_Bar.mu32_Align = ku32_AlignLeftBottom;
	mo_Bar.AddPoly(&mo_BarQuad[0]);
	mo_Bar.AddPoly(&mo_BarQuad[1]);
}

void LibGfx_CManagerTooltip::Update()
{
	LibGfx_CManagerCamera* p_Cameras = LibGfx_CManagerCamera::Instance();
	if (!p_Cameras->HasCamera())
		return;
	// The cameras all look straight down the z axis: at the screen's distance in front of the eye,
	// moved across with it, the bar keeps its place at the bottom of every view.
	const CVector3d<float>* p_Eye = p_Cameras->GetPosEye();
	mo_Bar.mo_Pos = CVector3d<float>(p_Eye->x, p_Eye->y, static_cast<float>(p_Eye->z - kd_Screen_Distance));
	mo_Bar.mu32_State |= LibGfx_CObjBase::ke_Obj_Dirty;
}

void LibGfx_CManagerTooltip::Load(const LibText_CFont* ap_Font, const u8& au8_Palette)
{
	// A translucent blue bar 30 units high under a 2-unit opaque line: 32 units in all.
	mo_BarQuad[0].Set(CVector3d<float>(-kf_Screen_HalfWidth, 15, 0), CVector3d<float>(kf_Screen_HalfWidth, -15, 0), ku32_BarColor);
	mo_BarQuad[1].Set(CVector3d<float>(-kf_Screen_HalfWidth, 17, 0), CVector3d<float>(kf_Screen_HalfWidth, 15, 0), 0xFFFF2020u);

	for (u8 i = 0; i < ke_KeyId_Total; ++i)
	{
		LibGfx_CObjIcon& o_Icon = mo_KeyIcon[i];
		o_Icon.Load(static_cast<u16>(ke_Tex_Key_Cross + i), 0, ap_Font, au8_Palette, LibGfx_CObjIcon::ke_TextPos_Right);
		o_Icon.mu32_Align = ku32_AlignLeftBottom;
		o_Icon.SetParent(&mo_Bar);
		o_Icon.mo_Pos.y = 2;
		o_Icon.SetVisible(false);
	}
	for (u8 i = 0; i < ku_Face_Hints; ++i)
		LoadKeyLetter(i, ap_Font, au8_Palette);

	// NOTE: both lines stand at the bar's left edge, line 0 above line 1, where the hints, laid
	// out from the right edge, leave them room: centred, line 0 lay under the hints.
	const u8 u8_LineHeight = ap_Font != nullptr ? ap_Font->GetHeight() : 0;
	const float f_PosY[ku_Tooltip_Line] = {static_cast<float>(ku16_BarHeight - 1 - u8_LineHeight), 1};
	for (u8 i = 0; i < ku_Tooltip_Line; ++i)
	{
		LibGfx_CObjText& o_Line = mo_TxtLine[i];
		o_Line.SetParent(&mo_Bar);
		o_Line.TxtSetAlign(LibText_CTextBase::ke_TxtAlign_Left, 255);
		o_Line.TxtSetFont(ap_Font, nullptr);
		o_Line.TxtSetPalette(au8_Palette);
		o_Line.TxtSetTextId(0);
		o_Line.mu32_Align = ku32_AlignLeftBottom;
		o_Line.mo_Pos = CVector3d<float>(ku16_HintGap, f_PosY[i], 0);
		o_Line.SetVisible(false);
	}
	mo_Bar.SetVisible(true);
}

void LibGfx_CManagerTooltip::LoadKeyLetter(u8 au8_Hint, const LibText_CFont* ap_Font, u8 au8_Palette)
{
	// NOTE: the letter goes on the button's picture rather than in its label, so that naming the
	// keys takes no room from the bar's texts.
	const char c_Letter = LibInput_ManagerKey::KeyLetter(ceFaceButton[au8_Hint]);
	LibGfx_CObjText& o_Letter = mo_KeyLetter[au8_Hint];
	o_Letter.SetParent(&mo_KeyIcon[au8_Hint]);
	o_Letter.SetVisible(false);
	if (c_Letter == 0)
		return;
	const char s_Letter[2] = {c_Letter, 0};
	o_Letter.TxtSetFont(ap_Font, nullptr);
	o_Letter.TxtSetPalette(au8_Palette);
	o_Letter.TxtSetText(s_Letter, true);
	o_Letter.Unload();
	// White on a black key cap, which the texture's quad, added again when shown, draws over.
	u16 u16_Width, u16_Height;
	o_Letter.TxtGetSize(u16_Width, u16_Height);
	CVector3d<float> o_Corner1, o_Corner2;
	LibGfx_CentredCorners(static_cast<float>(u16_Width + 2), u16_Height, -kf_KeyCapDepth, o_Corner1, o_Corner2);
	mo_KeyCap[au8_Hint].Set(o_Corner1, o_Corner2, ku32_KeyCapColor);
	o_Letter.AddPoly(&mo_KeyCap[au8_Hint]);
	o_Letter.mu32_Align = LibGfx_CObjBase::ke_Align_Right | LibGfx_CObjBase::ke_Align_Bottom;
	o_Letter.mo_Pos = CVector3d<float>(0, 0, kf_LetterZ);
}

void LibGfx_CManagerTooltip::SetTxtMain(const u8& au8_Line, const u32& au32_TextId)
{
	LIBGEN_ASSERT(au8_Line < ku_Tooltip_Line);
	if (au32_TextId != 0)
		mo_TxtLine[au8_Line].TxtSetTextId(au32_TextId);
	mo_TxtLine[au8_Line].SetVisible(au32_TextId != 0);
}

void LibGfx_CManagerTooltip::SetTxtMainFmt(const u8& au8_Line, u32 au32_TextId, ...)
{
	LIBGEN_ASSERT(au8_Line < ku_Tooltip_Line);
	const char* sFormat = LibText_CManagerString::Instance()->GetString(au32_TextId);
	char sText[ku_Format_Size];
	if (IsIntFormat(sFormat))
	{
		va_list oArgs;
		va_start(oArgs, au32_TextId);
		vsnprintf(sText, sizeof(sText), sFormat, oArgs);
		va_end(oArgs);
		sFormat = sText;
	}
	mo_TxtLine[au8_Line].TxtSetText(sFormat, true);
	mo_TxtLine[au8_Line].SetVisible(true);
}

void LibGfx_CManagerTooltip::SetTxtMain(const u8& au8_Line, const char* as_Text)
{
	LIBGEN_ASSERT(au8_Line < ku_Tooltip_Line);
	if (as_Text != nullptr)
		mo_TxtLine[au8_Line].TxtSetText(as_Text, false);
	mo_TxtLine[au8_Line].SetVisible(as_Text != nullptr);
}

void LibGfx_CManagerTooltip::SetTxtKey(enumKeysId ae_Key, const u32& au32_TextId)
{
	LIBGEN_ASSERT(ae_Key < ke_KeyId_Total);
	LibGfx_CObjIcon& o_Icon = mo_KeyIcon[ae_Key];
	if (au32_TextId != 0)
	{
		o_Icon.Reload();
		o_Icon.SetTextId(au32_TextId);
	}
	else
		o_Icon.Unload();
	if (static_cast<u8>(ae_Key) < ku_Face_Hints)
		ShowKeyLetter(static_cast<u8>(ae_Key), au32_TextId != 0);
	LayoutKeys();
}

void LibGfx_CManagerTooltip::ShowKeyLetter(u8 au8_Hint, bool ab_Show)
{
	LibGfx_CObjText& o_Letter = mo_KeyLetter[au8_Hint];
	if (ab_Show && o_Letter.TxtGetText() != nullptr)
	{
		o_Letter.Reload();
		o_Letter.SetVisible(true);
	}
	else
	{
		o_Letter.Unload();
		o_Letter.SetVisible(false);
	}
}

void LibGfx_CManagerTooltip::LayoutKeys()
{
	// The shown hints in index order, each followed by a 4-unit gap, the last gap ending at
	// the bar's right edge; x counts from the bar's left edge.
	u16 u16_Sum = 0;
	u16 u16_Count = 0;
	for (const LibGfx_CObjIcon& oIcon : mo_KeyIcon)
	{
		if (oIcon.mu32_State & LibGfx_CObjBase::ke_Obj_Visible)
		{
			u16_Sum = static_cast<u16>(u16_Sum + oIcon.GetWidth());
			++u16_Count;
		}
	}
	u16 u16_X = static_cast<u16>(ku16_Screen_Width - ku16_HintGap * u16_Count - u16_Sum);
	for (LibGfx_CObjIcon& oIcon : mo_KeyIcon)
	{
		if (!(oIcon.mu32_State & LibGfx_CObjBase::ke_Obj_Visible))
			continue;
		oIcon.mo_Pos.x = u16_X;
		oIcon.mu32_State |= LibGfx_CObjBase::ke_Obj_Dirty;
		u16_X = static_cast<u16>(u16_X + oIcon.GetWidth() + ku16_HintGap);
	}
}

void LibGfx_CManagerTooltip::ClearTxtAll()
{
	// NOTE: a hidden hint gives its label's texture back, so that the screens hold the textures
	// of the hints they show and no more: the hints that other modes showed leave nothing behind.
	for (LibGfx_CObjIcon& o_Icon : mo_KeyIcon)
		o_Icon.Unload();
	for (u8 i = 0; i < ku_Face_Hints; ++i)
		ShowKeyLetter(i, false);
	for (LibGfx_CObjText& o_Line : mo_TxtLine)
		o_Line.SetVisible(false);
}

void LibGfx_CManagerTooltip::Unload()
{
	mo_Bar.SetVisible(false);
}
