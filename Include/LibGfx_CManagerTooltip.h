#ifndef LIBGFX_CMANAGERTOOLTIP_H
#define LIBGFX_CMANAGERTOOLTIP_H

#include "LibGen_CManagerSingleton.h"
#include "LibGen_DataTypes.h"
#include "LibGfx_CObjBase.h"
#include "LibGfx_CObjIcon.h"
#include "LibGfx_CObjText.h"
#include "LibGfx_CPolyQuad.h"

class LibText_CFont;

// The strip along the bottom of the screen: up to ten button hints (a button picture with its
// label on the right), laid out from the right edge, and two lines of free text. Each frame it
// keeps its distance in front of the camera, so it keeps its size and place on screen.
class LibGfx_CManagerTooltip : public LibGen_CManagerSingleton<LibGfx_CManagerTooltip>
{
public:
	// Hint i shows the button picture of texture id 11 + i.
	enum enumKeysId
	{
		ke_KeyId_Cross = 0,
		ke_KeyId_Triangle,
		ke_KeyId_Circle,
		ke_KeyId_Square,
		ke_KeyId_Up,
		ke_KeyId_Down,
		ke_KeyId_Left,
		ke_KeyId_Right,
		ke_KeyId_UpDown,
		ke_KeyId_LeftRight,
		ke_KeyId_Total,
	};
	enum
	{
		ku_Tooltip_Line = 2,
		ku_Format_Size = 256,
		// Cross, Triangle, Circle and Square: their pictures show their keys' letters.
		ku_Face_Hints = 4,
	};

	LibGfx_CManagerTooltip();
	virtual ~LibGfx_CManagerTooltip() {}
	void Update() override;

	// Builds the bar, the hints and the lines with the font and text palette, and shows the bar.
	void Load(const LibText_CFont* ap_Font, const u8& au8_Palette);
	// A non-zero id shows its text on the line; 0 hides the line and keeps its text.
	void SetTxtMain(const u8& au8_Line, const u32& au32_TextId);
	// Shows the text, not copied: it must outlive its use; null hides the line.
	void SetTxtMain(const u8& au8_Line, const char* as_Text);
	// Shows the string of the id used as a printf format (whole numbers only: %i, %d, %%),
	// cut at 255 characters. A string with any other conversion is shown as it stands.
	void SetTxtMainFmt(const u8& au8_Line, u32 au32_TextId, ...);
	// A non-zero id shows the hint with that label, 0 hides it; the shown hints close up.
	void SetTxtKey(enumKeysId ae_Key, const u32& au32_TextId);
	void ClearTxtAll();
	// Hides the bar.
	void Unload();

	LibGfx_CPolyQuad mo_BarQuad[2];
	LibGfx_CObjText mo_TxtLine[ku_Tooltip_Line];
	LibGfx_CObjIcon mo_KeyIcon[ke_KeyId_Total];
	// The letter of the key for each face button ("D" on Cross), from the key table; none for a
	// key that types no letter.
	LibGfx_CObjText mo_KeyLetter[ku_Face_Hints];
	LibGfx_CPolyQuad mo_KeyCap[ku_Face_Hints];
	LibGfx_CObjBase mo_Bar;

private:
	void LayoutKeys();
	void LoadKeyLetter(u8 au8_Hint, const LibText_CFont* ap_Font, u8 au8_Palette);
	// Shows a face hint's letter with its hint; hidden, the letter gives its texture back.
	void ShowKeyLetter(u8 au8_Hint, bool ab_Show);
};

#endif
