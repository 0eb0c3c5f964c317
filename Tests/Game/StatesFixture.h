#ifndef STATESFIXTURE_H
#define STATESFIXTURE_H

// The real game on the real data, driven frame by frame with scripted keys.
#include "Fudemaru.h"
#include "GameMode/Mode_KanjiList/CState_KanjiList.h"
#include "LibGen_CState.h"
#include "LibGfx_COffscreen.h"
#include "LibGfx_CManagerTooltip.h"
#include "LibInput_ManagerKey.h"
#include "LibInput_ManagerKey_Headless.h"
#include "LibKanji_CKanjiList.h"

#include <gtest/gtest.h>

#include <string>
#include <typeinfo>

inline LibKanji_CKanjiList* List() { return LibKanji_CKanjiList::Instance(); }
inline LibGen_CState* Top() { return LibGen_CState::GetStateList().back(); }
inline size_t Depth() { return LibGen_CState::GetStateList().size(); }
inline std::string Line0() { return LibGfx_CManagerTooltip::Instance()->mo_TxtLine[0].TxtGetText(); }
inline std::string Line1() { return LibGfx_CManagerTooltip::Instance()->mo_TxtLine[1].TxtGetText(); }

inline void RunFrames(int ai_Frames)
{
	for (int i = 0; i < ai_Frames; ++i)
		ASSERT_TRUE(Fudemaru_Frame());
}

// Down for a frame, up the next: the release fires in the second frame.
inline void Tap(eKeys ae_Key)
{
	LibInput_SetScriptKeys(ae_Key);
	RunFrames(1);
	LibInput_SetScriptKeys(0);
	RunFrames(1);
}

// The game boots once per process; every test starts on a fresh browser at "Grade 1"'s first
// kanji. The test files of the game's states share this one suite.
class States : public ::testing::Test
{
protected:
	static void SetUpTestSuite()
	{
		ASSERT_TRUE(so_Screen.Create(480, 272));
		Fudemaru_Start(FUDEMARU_DATA_PARENT, 1);
		RunFrames(45);
		Tap(ke_Key_Cross);
		for (int i = 0; i < 100 && typeid(*Top()) != typeid(CState_KanjiList); ++i)
			RunFrames(1);
	}

	void SetUp() override
	{
		LibInput_SetScriptKeys(0);
		RunFrames(1);
		while (Depth() > 2)
		{
			Top()->State_Remove();
			RunFrames(1);
		}
		List()->Load_KanjiList(List()->GetListInfo("Grade 1"));
		(new CState_KanjiList())->State_Replace();
		RunFrames(25);   // the carousel at rest, the camera settled
	}

	static CState_KanjiList* Browser() { return static_cast<CState_KanjiList*>(LibGen_CState::GetStateList().back()); }
	static u16 FrontCard(s8 as8_Offset = 0)
	{
		return static_cast<CObjWndKanji*>(Browser()->mo_ManagerWnd.GetWindowCurrent(as8_Offset))->mu16_Kanji;
	}

	static inline LibGfx_COffscreen so_Screen;
};

#endif
