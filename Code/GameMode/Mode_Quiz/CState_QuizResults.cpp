#include "GameMode/Mode_Quiz/CState_QuizResults.h"

#include "Fudemaru.h"
#include "GameMode/GameView.h"
#include "GameMode/Mode_Quiz/CState_QuizMatch.h"
#include "GameMode/Mode_Quiz/CState_QuizRoundA.h"
#include "GfxObjects/CObjWndKanji.h"
#include "LibGfx_CManagerTooltip.h"
#include "LibInput_ManagerKey.h"
#include "LibKanji_CDictionary.h"
#include "LibText_CManagerString.h"
#include "StringIds.h"

#include <cstdio>

namespace
{
	// Within 480 x 272 above the bar: the scores on the left, what was missed on the right, one a
	// line.
	const CVector2d<float> ko_WindowSize(424.0f, 184.0f);
	const u16 ku16_ScoreWidth = 232;
	const u16 ku16_MissedWidth = 172;
	const u16 ku16_TextHeight = 168;

	// "LABEL VALUE" lines: each format of the language table takes its numbers.
	void AddLine(std::string& as_Text, u32 au32_Format, int ai_First, int ai_Second = 0, int ai_Third = 0)
	{
		char s_Line[256];
		snprintf(s_Line, sizeof(s_Line), LibText_CManagerString::Instance()->GetString(au32_Format), ai_First, ai_Second, ai_Third);
		if (!as_Text.empty())
			as_Text += "\n";
		as_Text += s_Line;
	}

	// The kanji and its first meaning, in EUC-JP.
	std::string MissedKanji(u16 au16_Code)
	{
		const SKanjiData* p_Kanji = LibKanji_CDictionary::Instance()->FindKanjiFromEuc(au16_Code);
		char s_Glyph[3];
		CObjWndKanji::GlyphText(au16_Code, s_Glyph);
		std::string s_Line = s_Glyph;
		if (p_Kanji != nullptr && p_Kanji->mu8_StringCount[SKanjiData::ke_String_Meaning] > 0)
			s_Line += std::string(" ") + p_Kanji->mpp_String[SKanjiData::ke_String_Meaning][0];
		return s_Line;
	}
}

CState_QuizResults::CState_QuizResults(CState_QuizMatch* ap_Match, CState_QuizRoundA* ap_Next)
	: mp_Match(ap_Match), mp_Next(ap_Next), mu16_Answered(0), mu16_Errors(0)
{
}

CState_QuizResults::CState_QuizResults(u16 au16_Answered, u16 au16_Errors, const std::vector<std::string>& ao_Missed)
	: mp_Match(nullptr), mp_Next(nullptr), mu16_Answered(au16_Answered), mu16_Errors(au16_Errors), mo_Missed(ao_Missed)
{
}

CState_QuizResults::~CState_QuizResults()
{
	delete mp_Next;
	mo_TxtScore.Unload();
	mo_TxtMissed.Unload();
}

void CState_QuizResults::LoadOnce()
{
	mo_Window.Set(ko_WindowSize, LibGfx_CObjWndThemed::ke_WinTheme_Default);
	mo_Window.SetParent(nullptr);
	mo_Window.SetVisible(true);
	// A text's place is that of its top left corner in the window, upwards positive.
	CObjWndKanji::SetText(mo_TxtScore, ku16_ScoreWidth, ku16_TextHeight, nullptr, LibText_CTextBase::ke_TxtType_Ascii,
	                      ke_Palette_0, 6, -6);
	CObjWndKanji::SetText(mo_TxtMissed, ku16_MissedWidth, ku16_TextHeight, &goFontKanji16, LibText_CTextBase::ke_TxtType_Euc,
	                      ke_Palette_0, ko_WindowSize.x - ku16_MissedWidth - 10, -6);
	mo_TxtScore.mu32_Align = LibGfx_CObjBase::ke_Align_Left | LibGfx_CObjBase::ke_Align_Top;
	mo_TxtMissed.mu32_Align = LibGfx_CObjBase::ke_Align_Left | LibGfx_CObjBase::ke_Align_Top;
	mo_TxtScore.SetParent(&mo_Window);
	mo_TxtMissed.SetParent(&mo_Window);
}

void CState_QuizResults::LoadAlways()
{
	Layout();
}

void CState_QuizResults::Layout()
{
	std::string s_Score;
	LibGfx_CManagerTooltip* p_Tooltip = LibGfx_CManagerTooltip::Instance();
	p_Tooltip->ClearTxtAll();
	std::vector<std::string> o_Missed = mo_Missed;
	if (mp_Match == nullptr)
	{
		p_Tooltip->SetTxtMain(0, ke_String_KanaResults);
		AddLine(s_Score, ke_String_ResultAnswered, mu16_Answered);
		AddLine(s_Score, ke_String_ResultErrors, mu16_Errors);
		p_Tooltip->SetTxtMainFmt(1, ke_String_ResultScore, static_cast<int>(mu16_Answered), static_cast<int>(mu16_Errors));
	}
	else if (mp_Next != nullptr)
	{
		p_Tooltip->SetTxtMainFmt(0, ke_String_ResultRound, static_cast<int>(mp_Match->mu16_Rounds),
		                         static_cast<int>(mp_Match->mu16_RoundTotal));
		AddLine(s_Score, ke_String_ResultRound, mp_Match->mu16_Rounds, mp_Match->mu16_RoundTotal);
		AddLine(s_Score, ke_String_ResultFound, mp_Match->mu16_RoundFound);
		AddLine(s_Score, ke_String_ResultErrors, mp_Match->mu16_RoundErrors);
		p_Tooltip->SetTxtMainFmt(1, ke_String_ResultScoreFound, static_cast<int>(mp_Match->mu16_RoundFound),
		                         static_cast<int>(mp_Match->mu16_RoundErrors));
		for (const u16 u16_Code : mp_Match->mo_RoundMissed)
			o_Missed.push_back(MissedKanji(u16_Code));
	}
	else
	{
		p_Tooltip->SetTxtMain(0, ke_String_QuizResults);
		const int i_Seconds = static_cast<int>(mp_Match->GetSeconds());
		AddLine(s_Score, ke_String_ResultRounds, mp_Match->mu16_Rounds);
		AddLine(s_Score, ke_String_ResultFound, mp_Match->mu16_Found);
		AddLine(s_Score, ke_String_ResultErrors, mp_Match->mu16_Errors);
		AddLine(s_Score, ke_String_ResultTime, i_Seconds / 60, i_Seconds % 60);
		AddLine(s_Score, ke_String_ResultReview, mp_Match->mu16_Joined, mp_Match->mu16_Left);
		p_Tooltip->SetTxtMainFmt(1, ke_String_ResultScoreFound, static_cast<int>(mp_Match->mu16_Found),
		                         static_cast<int>(mp_Match->mu16_Errors));
		for (const u16 u16_Code : mp_Match->mo_Missed)
			o_Missed.push_back(MissedKanji(u16_Code));
	}
	const bool b_Between = mp_Match != nullptr && mp_Next != nullptr;
	p_Tooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Cross, b_Between ? ke_String_NextRound : ke_String_Continue);
	if (b_Between)
		p_Tooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Circle, ke_String_QuizQuit);

	const LibText_CManagerString* p_Strings = LibText_CManagerString::Instance();
	s_Score += std::string("\n") + p_Strings->GetString(o_Missed.empty() ? ke_String_ResultNoneMissed : ke_String_ResultMissed);
	mo_TxtScore.TxtSetText(s_Score.c_str(), true);
	std::vector<const char*> o_Items;
	for (const std::string& s_Item : o_Missed)
		o_Items.push_back(s_Item.c_str());
	const u16 u16_Total = static_cast<u16>(o_Items.size() < 0xFFFF ? o_Items.size() : 0xFFFF);
	CObjWndKanji::SetListText(mo_TxtMissed, o_Items.data(), u16_Total, u16_Total, "\n");
	mo_TxtMissed.SetVisible(u16_Total > 0);
}

void CState_QuizResults::Main()
{
	const LibInput_ManagerKey* p_Keys = LibInput_ManagerKey::Instance();
	const bool b_Cross = p_Keys->KeyReleaseAny(ke_Key_Cross);
	const bool b_Circle = !b_Cross && p_Keys->KeyReleaseAny(ke_Key_Circle);
	if (!b_Cross && !b_Circle)
		return;
	if (mp_Next != nullptr && b_Cross)
	{
		CState_QuizRoundA* p_Next = mp_Next;
		mp_Next = nullptr;
		p_Next->State_Replace();
		return;
	}
	if (mp_Next != nullptr)
	{
		// Circle between two rounds: the whole quiz's results.
		delete mp_Next;
		mp_Next = nullptr;
		mp_Match->mb_Stop = true;
		Layout();
		return;
	}
	if (mp_Match != nullptr)
		mp_Match->mb_Stop = true;
	mo_Window.Hide();
	State_Remove();
}
