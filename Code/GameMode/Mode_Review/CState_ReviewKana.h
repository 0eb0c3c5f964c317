#ifndef CSTATE_REVIEWKANA_H
#define CSTATE_REVIEWKANA_H

#include "Fudemaru.h"
#include "LibGen_CState.h"
#include "LibGen_DataTypes.h"
#include "LibGfx_CCameraBase.h"
#include "LibGfx_CObjText.h"
#include "LibGfx_CObjWndThemed.h"

// The kana chart, opened over the screen of the moment: the whole kana table, each kana above
// its romaji, on a window a little in front of what was shown. It opens on the hiragana; Square
// switches between hiragana and katakana, Circle closes it.
class CState_ReviewKana : public LibGen_CState
{
public:
	enum
	{
		ku8_Hiragana = 1,
		ku8_Katakana = 2,
	};

	CState_ReviewKana();
	// The camera is a member: the camera manager must not keep it past the state. Its removal
	// glides the view back to the opener's.
	~CState_ReviewKana() override;

	void LoadAlways() override;
	void Main() override;

	void SetToHiragana();
	void SetToKatakana();

	u8 mu8_Syllabary;   // ku8_Hiragana or ku8_Katakana
	LibGfx_CCameraBase mo_Camera;
	LibGfx_CObjWndThemed mo_Wnd;
	LibGfx_CObjText mao_TextKana[ku_Kana_Rows][ku_Kana_Cols];

private:
	// Every cell with a kana shows its entry of the table.
	void ShowTable(const u8 (&acu8_Table)[ku_Kana_Rows][ku_Kana_Cols][ku_Kana_EntrySize]);
};

#endif
