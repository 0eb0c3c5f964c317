#include "GameMode/Mode_Quiz/CState_QuizKana.h"

#include "GameMode/GameView.h"
#include "GameMode/Mode_Quiz/CState_QuizResults.h"
#include "GfxObjects/CObjWndKanji.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CManagerTooltip.h"
#include "LibInput_ManagerKey.h"
#include "StringIds.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace
{
	// Colours with red in the lowest byte, alpha in the highest.
	const u32 ku32_Green = 0xff00c800;
	const u32 ku32_Red = 0xff0000c8;
	const u32 ku32_FlashNone = 0x000000c8;
	const u32 ku32_ColourMask = 0x00ffffff;
	const u8 ku8_ColLast = ku_Kana_Cols - 1;

	bool IsEmpty(s8 as8_Row, s8 as8_Col)
	{
		return cu8_HiraganaTable[as8_Row][as8_Col][0] == 0;
	}
}

CState_QuizKana::CState_QuizKana(enumQuizMode ae_Mode, u8 au8_ColFirst, u8 au8_ColLast)
	: mau8_Deck(), mu8_DeckTotal(0), mu8_DeckPos(0), mu8_Errors(0), ms8_CursorRow(0), ms8_CursorCol(0),
	  ms8_ColFirst(0), ms8_ColLast(0), me_QuizMode(ae_Mode), mf_FlashTimer(0.0f), mb_Answered(false), mab_Missed()
{
	// NOTE: whatever range a caller gives stays within the table, so the deck never outgrows its
	// 90 cards and every column of the range has its kana in row 0.
	u8 u8First = std::min(au8_ColFirst, ku8_ColLast);
	u8 u8Last = std::min(au8_ColLast, ku8_ColLast);
	if (u8First > u8Last)
		std::swap(u8First, u8Last);
	ms8_ColFirst = static_cast<s8>(u8First);
	ms8_ColLast = static_cast<s8>(u8Last);
	ms8_CursorCol = ms8_ColFirst;

	// Column by column, rows in order, then each card swapped with one anywhere in the deck.
	for (s8 c = ms8_ColFirst; c <= ms8_ColLast; ++c)
		for (s8 r = 0; r < ku_Kana_Rows; ++r)
			if (!IsEmpty(r, c))
			{
				mau8_Deck[mu8_DeckTotal][0] = static_cast<u8>(c);
				mau8_Deck[mu8_DeckTotal][1] = static_cast<u8>(r);
				++mu8_DeckTotal;
			}
	for (u8 i = 0; i < mu8_DeckTotal; ++i)
		std::swap(mau8_Deck[i], mau8_Deck[(rand() >> 8) % mu8_DeckTotal]);
}

const char* CState_QuizKana::Entry(s8 as8_Row, s8 as8_Col) const
{
	const bool bHiragana = me_QuizMode == ke_QuizMode_HiraganaA || me_QuizMode == ke_QuizMode_HiraganaB;
	const u8* pEntry = bHiragana ? cu8_HiraganaTable[as8_Row][as8_Col] : cu8_KatanaTable[as8_Row][as8_Col];
	return reinterpret_cast<const char*>(pEntry);
}

void CState_QuizKana::LoadOnce()
{
	mo_Wnd.Set(CVector2d<float>(128, 113), LibGfx_CObjWndThemed::ke_WinTheme_Default);
	mo_Wnd.SetVisible(true);
	mo_Wnd.SetParent(nullptr);
	mo_Wnd.AddPoly(&mo_PolyLine);
	mo_Wnd.AddPoly(&mo_PolyFlash);
	// The line parts the kana from the romaji; the flash lights the part that holds the answer.
	float f_RomajiY = -84;
	if (AsksRomaji())
	{
		mo_PolyLine.Set(CVector3d<float>(-32, -5, 0), CVector3d<float>(32, -9, 0), ku32_Green);
		mo_PolyFlash.Set(CVector3d<float>(-32, 48, 0), CVector3d<float>(32, -5, 0), ku32_FlashNone);
	}
	else
	{
		mo_PolyLine.Set(CVector3d<float>(-32, -37, 0), CVector3d<float>(32, -41, 0), ku32_Green);
		mo_PolyFlash.Set(CVector3d<float>(-32, -12, 0), CVector3d<float>(32, -37, 0), ku32_FlashNone);
		// WARNING: at -84 the romaji (from -28 to -44) would lie across this line; 11 units up it
		// stands in the flash, the answer's part, above the line.
		f_RomajiY = -73;
	}

	// WARNING: the lowest kana (su, zu) reach 46 rows down their cell; at -15 they would touch the
	// line under them, one unit up they keep a pixel from it.
	CObjWndKanji::SetText(mo_TextKana, 64, 64, &goFontKanji, LibText_CTextBase::ke_TxtType_Euc, ke_Palette_0, 32, -14);
	CObjWndKanji::SetText(mo_TextRomaji, 64, 16, nullptr, LibText_CTextBase::ke_TxtType_Ascii, ke_Palette_0, 32, f_RomajiY);
	for (LibGfx_CObjText* p_Text : {&mo_TextKana, &mo_TextRomaji})
	{
		p_Text->mu32_Align = LibGfx_CObjBase::ke_Align_Left | LibGfx_CObjBase::ke_Align_Top;
		p_Text->TxtSetAlign(LibText_CTextBase::ke_TxtAlign_Center, 64);
		p_Text->SetParent(&mo_Wnd);
	}

	// The first card is never answered where the cursor starts: on its kana, it moves one row on.
	UpdateAnwser(0, 0);
	if (CursorOnCard())
		UpdateAnwser(0, 1);
	LibGfx_CEngine::Instance()->LoadBg(ks_View_BackgroundScreen);
}

void CState_QuizKana::LoadAlways()
{
	LibGfx_CManagerTooltip* p_Tooltip = LibGfx_CManagerTooltip::Instance();
	p_Tooltip->ClearTxtAll();
	p_Tooltip->SetTxtMain(0, ke_String_KanaQuizTitle);
	p_Tooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Cross, ke_String_Answer);
	p_Tooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_Circle, ke_String_QuizQuit);
	p_Tooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_LeftRight, ke_String_Vowel);
	p_Tooltip->SetTxtKey(LibGfx_CManagerTooltip::ke_KeyId_UpDown, ke_String_Consonant);
	UpdateStats();
}

void CState_QuizKana::UpdateAnwser(s8 as8_ColStep, s8 as8_RowStep)
{
	// NOTE: every column has a kana, so a move always ends on one; the bound only keeps a table
	// without any from turning for ever.
	for (int i = 0; i < ku_Kana_Rows * ku_Kana_Cols; ++i)
	{
		ms8_CursorCol = static_cast<s8>(ms8_CursorCol + as8_ColStep);
		if (ms8_CursorCol < ms8_ColFirst)
			ms8_CursorCol = ms8_ColLast;
		else if (ms8_CursorCol > ms8_ColLast)
			ms8_CursorCol = ms8_ColFirst;
		ms8_CursorRow = static_cast<s8>(ms8_CursorRow + as8_RowStep);
		if (ms8_CursorRow < 0)
			ms8_CursorRow = ku_Kana_Rows - 1;
		else if (ms8_CursorRow >= ku_Kana_Rows)
			ms8_CursorRow = 0;
		if (!IsEmpty(ms8_CursorRow, ms8_CursorCol))
			break;
		// On an empty slot: on along the column, upwards after an upward step.
		as8_ColStep = 0;
		as8_RowStep = as8_RowStep < 0 ? -1 : 1;
	}
	UpdateDisplay();
}

void CState_QuizKana::UpdateDisplay()
{
	const u8* pCard = mau8_Deck[mu8_DeckPos];
	const char* sCard = Entry(static_cast<s8>(pCard[1]), static_cast<s8>(pCard[0]));
	const char* sCursor = Entry(ms8_CursorRow, ms8_CursorCol);
	mo_TextRomaji.TxtSetText((AsksRomaji() ? sCard : sCursor) + ku_Kana_Romaji, false);
	// The kana alone: its entry goes on with the romaji on a line of its own.
	const u8* pKana = reinterpret_cast<const u8*>(AsksRomaji() ? sCursor : sCard);
	char sKana[3];
	CObjWndKanji::GlyphText(static_cast<u16>(pKana[0] << 8 | pKana[1]), sKana);
	mo_TextKana.TxtSetText(sKana, true);
}

void CState_QuizKana::Main()
{
	if (mf_FlashTimer > 0.0f)
	{
		mf_FlashTimer = std::max(mf_FlashTimer - 1.0f, 0.0f);
		mo_PolyFlash.SetAlpha(static_cast<u8>(mf_FlashTimer * 255.0f / ku_Flash_Frames));
		// The pair answered right stays up while it is lit.
		if (mf_FlashTimer == 0.0f && mb_Answered)
			NextCard();
	}

	const LibInput_ManagerKey* p_Keys = LibInput_ManagerKey::Instance();
	s8 s8_ColStep = 0;
	s8 s8_RowStep = 0;
	if (p_Keys->KeyReleaseAny(ke_Key_Left))
		s8_RowStep = -1;
	else if (p_Keys->KeyReleaseAny(ke_Key_Right))
		s8_RowStep = 1;
	else if (p_Keys->KeyReleaseAny(ke_Key_Up))
		s8_ColStep = -1;
	else if (p_Keys->KeyReleaseAny(ke_Key_Down))
		s8_ColStep = 1;
	const bool b_Move = s8_ColStep != 0 || s8_RowStep != 0;
	const bool b_Cross = p_Keys->KeyReleaseAny(ke_Key_Cross);

	// A key before the light goes out brings the next card at once; a move then moves from the
	// answer, while Cross only brings the card, which it could not have answered unseen.
	const bool b_Next = mb_Answered && (b_Move || b_Cross);
	if (b_Next)
		NextCard();
	if (b_Move)
	{
		// The light belongs to the pair it lit.
		EndFlash();
		UpdateAnwser(s8_ColStep, s8_RowStep);
	}

	if (p_Keys->KeyReleaseAny(ke_Key_Circle))
		ShowResults();
	else if (b_Cross && !b_Next)
		CheckCardMatch();
}

bool CState_QuizKana::CursorOnCard() const
{
	return ms8_CursorCol == mau8_Deck[mu8_DeckPos][0] && ms8_CursorRow == mau8_Deck[mu8_DeckPos][1];
}

void CState_QuizKana::CheckCardMatch()
{
	u32 u32_Flash = ku32_Red;
	if (CursorOnCard())
	{
		if (mu8_DeckPos + 1 >= mu8_DeckTotal)
		{
			++mu8_DeckPos;
			ShowResults();
			return;
		}
		mb_Answered = true;
		u32_Flash = ku32_Green;
	}
	else
	{
		mab_Missed[mu8_DeckPos] = true;
		// NOTE: the count stops at its largest value rather than starting again from 0.
		if (mu8_Errors < 0xff)
			++mu8_Errors;
	}
	mo_PolyFlash.SetColor(u32_Flash & ku32_ColourMask);
	mo_PolyFlash.SetAlpha(0xff);
	mf_FlashTimer = ku_Flash_Frames;
	UpdateStats();
}

void CState_QuizKana::NextCard()
{
	mb_Answered = false;
	++mu8_DeckPos;
	EndFlash();
	UpdateDisplay();
}

void CState_QuizKana::EndFlash()
{
	mf_FlashTimer = 0.0f;
	mo_PolyFlash.SetAlpha(0);
}

void CState_QuizKana::UpdateStats()
{
	// The card answered right counts at once, though it stays up while it is lit.
	const int i_Found = mu8_DeckPos + (mb_Answered ? 1 : 0);
	LibGfx_CManagerTooltip::Instance()->SetTxtMainFmt(1, ke_String_QuizScore, i_Found, static_cast<int>(mu8_Errors),
	                                                  mu8_DeckTotal - i_Found);
}

void CState_QuizKana::ShowResults()
{
	std::vector<std::string> o_Missed;
	for (u8 i = 0; i < mu8_DeckTotal && i <= mu8_DeckPos; ++i)
	{
		if (!mab_Missed[i])
			continue;
		const char* s_Entry = Entry(static_cast<s8>(mau8_Deck[i][1]), static_cast<s8>(mau8_Deck[i][0]));
		o_Missed.push_back(std::string(s_Entry, 2) + " " + (s_Entry + ku_Kana_Romaji));
	}
	const int i_Found = mu8_DeckPos + (mb_Answered ? 1 : 0);
	(new CState_QuizResults(static_cast<u16>(i_Found), mu8_Errors, o_Missed))->State_Replace();
}
