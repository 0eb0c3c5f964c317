#ifndef STATESFIXTURE_H
#define STATESFIXTURE_H

#include "Fudemaru.h"
#include "GameMode/Mode_KanjiList/CState_KanjiList.h"
#include "LibGen_CState.h"
#include "LibGfx_CManagerTooltip.h"
#include "LibGfx_COffscreen.h"
#include "LibInput_ManagerKey.h"
#include "LibInput_ManagerKey_Headless.h"
#include "LibKanji_CKanjiList.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <typeinfo>
#include <unistd.h>

inline LibKanji_CKanjiList* List() { return LibKanji_CKanjiList::Instance(); }
inline LibGen_CState* Top() { return LibGen_CState::GetStateList().back(); }
inline size_t Depth() { return LibGen_CState::GetStateList().size(); }
// A tooltip line's text, empty when it has none.
inline std::string Line(u8 au8_Line)
{
	const char* sText = LibGfx_CManagerTooltip::Instance()->mo_TxtLine[au8_Line].TxtGetText();
	return sText != nullptr ? sText : "";
}
inline std::string Line0() { return Line(0); }
inline std::string Line1() { return Line(1); }
// A hint as a player reads it: the key's letter on a face button's picture, then the label
// ("D Review", "Vowel"); empty when the hint is hidden.
inline std::string Hint(LibGfx_CManagerTooltip::enumKeysId ae_Key)
{
	LibGfx_CManagerTooltip* p_Tooltip = LibGfx_CManagerTooltip::Instance();
	const LibGfx_CObjIcon& o_Icon = p_Tooltip->mo_KeyIcon[ae_Key];
	const char* s_Label = o_Icon.mo_Text.TxtGetText();
	if (!(o_Icon.mu32_State & LibGfx_CObjBase::ke_Obj_Visible) || s_Label == nullptr)
		return "";
	std::string s_Hint;
	if (static_cast<u8>(ae_Key) < LibGfx_CManagerTooltip::ku_Face_Hints)
	{
		const LibGfx_CObjText& o_Letter = p_Tooltip->mo_KeyLetter[ae_Key];
		if ((o_Letter.mu32_State & LibGfx_CObjBase::ke_Obj_Visible) && o_Letter.TxtGetText() != nullptr)
			s_Hint = std::string(o_Letter.TxtGetText()) + " ";
	}
	return s_Hint + s_Label;
}

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

// The game boots once per program, on the real data; every test starts on a fresh browser at
// "Grade 1"'s first kanji, driven frame by frame with the buttons a script holds.
class States : public ::testing::Test
{
protected:
	// Once for every suite of the program: fixtures of their own derive from this one.
	static void SetUpTestSuite()
	{
		if (sb_Booted || !HasData())
			return;
		sb_Booted = true;
		// The game saves settings and lists in the player's folder: each program has its own.
		static const std::string ks_Home = PrivateHome();
		UsePrivateHome(ks_Home);
		ASSERT_TRUE(so_Screen.Create(480, 272));
		Fudemaru_Start(FUDEMARU_DATA_PARENT, 1);
		RunFrames(45);
		Tap(ke_Key_Cross);
		for (int i = 0; i < 100 && typeid(*Top()) != typeid(CState_KanjiList); ++i)
			RunFrames(1);
	}

	void SetUp() override
	{
		if (!HasData())
			GTEST_SKIP() << "no " << ks_DataFile << ": make build assembles the Data folder";
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

	// A folder of the program's own, removed when it exits.
	static std::string PrivateHome()
	{
		char s_Template[] = "/tmp/fudemaru-states-XXXXXX";
		if (mkdtemp(s_Template) == nullptr)
			return "/nonexistent";
		static std::string s_Root;
		s_Root = s_Template;
		atexit([] { std::filesystem::remove_all(s_Root); });
		return s_Root;
	}

	// The states play on the real data; without it there is nothing to play.
	static bool HasData() { return access(ks_DataFile, R_OK) == 0; }
	static constexpr const char* ks_DataFile = FUDEMARU_DATA_PARENT "/Data/kanjidic";

	static CState_KanjiList* Browser() { return static_cast<CState_KanjiList*>(LibGen_CState::GetStateList().back()); }
	static u16 FrontCard(s8 as8_Offset = 0)
	{
		return static_cast<CObjWndKanji*>(Browser()->mo_ManagerWnd.GetWindowCurrent(as8_Offset))->mu16_Kanji;
	}

	// After the last test, while the offscreen frame is still current, the run ends as a tool's
	// does: nothing of the game is left for the leak checker.
	class CEnd : public ::testing::Environment
	{
		void TearDown() override
		{
			if (sb_Booted)
				Fudemaru_Stop();
			sb_Booted = false;
		}
	};

	static inline LibGfx_COffscreen so_Screen;
	static inline bool sb_Booted = false;
	static inline ::testing::Environment* const sp_End = ::testing::AddGlobalTestEnvironment(new CEnd());
};

#endif
