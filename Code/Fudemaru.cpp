#include "Fudemaru.h"

#include "CProblemLog.h"
#include "GameMode/CState_Intro.h"
#include "LibGen_CFileSystem.h"
#include "LibGen_CManagerBase.h"
#include "LibGen_CState.h"
#include "LibGen_Utils.h"
#include "LibGen_CManagerPlugin.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CManagerCamera.h"
#include "LibGfx_CManagerMenu.h"
#include "LibGfx_CManagerTexture.h"
#include "LibGfx_CManagerTooltip.h"
#include "LibInput_ManagerKey.h"
#include "LibKanji_CDictionary.h"
#include "LibKanji_CKanjiList.h"
#include "LibKanji_CStroke.h"
#include "LibText_CManagerString.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

bool gb_QuitProgram = false;
u8 gu8_QuizCardCount = 0;
// Constructed in this order, destroyed in the reverse one.
LibText_CFont goFontAscii;
LibText_CFont goFontAsciiSmall;
LibText_CFont goFontKanji;
LibText_CFont goFontKanji16;
u8 gu8_Palettes[ke_Palette__Total] = {};

const u8 cu8_HiraganaTable[ku_Kana_Rows][ku_Kana_Cols][ku_Kana_EntrySize] =
{
	// a: あ か が さ ざ た だ な は ば ぱ ま や ら わ
	{
		"\xA4\xA2\n a ", "\xA4\xAB\n ka", "\xA4\xAC\n ga", "\xA4\xB5\n sa", "\xA4\xB6\n za",
		"\xA4\xBF\n ta", "\xA4\xC0\n da", "\xA4\xCA\n na", "\xA4\xCF\n ha", "\xA4\xD0\n ba",
		"\xA4\xD1\n pa", "\xA4\xDE\n ma", "\xA4\xE4\n ya", "\xA4\xE9\n ra", "\xA4\xEF\n wa",
	},
	// i: い き ぎ し じ ち .. に ひ び ぴ み .. り ..
	{
		"\xA4\xA4\n i ", "\xA4\xAD\n ki", "\xA4\xAE\n gi", "\xA4\xB7\nshi", "\xA4\xB8\n ji",
		"\xA4\xC1\nchi", "\0\0\n   ", "\xA4\xCB\n ni", "\xA4\xD2\n hi", "\xA4\xD3\n bi",
		"\xA4\xD4\n pi", "\xA4\xDF\n mi", "\0\0\n   ", "\xA4\xEA\n ri", "\0\0\n   ",
	},
	// u: う く ぐ す ず つ .. ぬ ふ ぶ ぷ む ゆ る ..
	{
		"\xA4\xA6\n u ", "\xA4\xAF\n ku", "\xA4\xB0\n gu", "\xA4\xB9\n su", "\xA4\xBA\n zu",
		"\xA4\xC4\ntsu", "\0\0\n   ", "\xA4\xCC\n nu", "\xA4\xD5\n fu", "\xA4\xD6\n bu",
		"\xA4\xD7\n pu", "\xA4\xE0\n mu", "\xA4\xE6\n yu", "\xA4\xEB\n ru", "\0\0\n   ",
	},
	// e: え け げ せ ぜ て で ね へ べ ぺ め .. れ ..
	{
		"\xA4\xA8\n e ", "\xA4\xB1\n ke", "\xA4\xB2\n ge", "\xA4\xBB\n se", "\xA4\xBC\n ze",
		"\xA4\xC6\n te", "\xA4\xC7\n de", "\xA4\xCD\n ne", "\xA4\xD8\n he", "\xA4\xD9\n be",
		"\xA4\xDA\n pe", "\xA4\xE1\n me", "\0\0\n   ", "\xA4\xEC\n re", "\0\0\n   ",
	},
	// o: お こ ご そ ぞ と ど の ほ ぼ ぽ も よ ろ を
	{
		"\xA4\xAA\n o ", "\xA4\xB3\n ko", "\xA4\xB4\n go", "\xA4\xBD\n so", "\xA4\xBE\n zo",
		"\xA4\xC8\n to", "\xA4\xC9\n do", "\xA4\xCE\n no", "\xA4\xDB\n ho", "\xA4\xDC\n bo",
		"\xA4\xDD\n po", "\xA4\xE2\n mo", "\xA4\xE8\n yo", "\xA4\xED\n ro", "\xA4\xF2\n wo",
	},
	// n: .. .. .. .. .. .. .. .. .. .. .. .. .. .. ん
	{
		"\0\0\n   ", "\0\0\n   ", "\0\0\n   ", "\0\0\n   ", "\0\0\n   ",
		"\0\0\n   ", "\0\0\n   ", "\0\0\n   ", "\0\0\n   ", "\0\0\n   ",
		"\0\0\n   ", "\0\0\n   ", "\0\0\n   ", "\0\0\n   ", "\xA4\xF3\n n ",
	},
};
const u8 cu8_KatanaTable[ku_Kana_Rows][ku_Kana_Cols][ku_Kana_EntrySize] =
{
	// a: ア カ ガ サ ザ タ ダ ナ ハ バ パ マ ヤ ラ ワ
	{
		"\xA5\xA2\n a ", "\xA5\xAB\n ka", "\xA5\xAC\n ga", "\xA5\xB5\n sa", "\xA5\xB6\n za",
		"\xA5\xBF\n ta", "\xA5\xC0\n da", "\xA5\xCA\n na", "\xA5\xCF\n ha", "\xA5\xD0\n ba",
		"\xA5\xD1\n pa", "\xA5\xDE\n ma", "\xA5\xE4\n ya", "\xA5\xE9\n ra", "\xA5\xEF\n wa",
	},
	// i: イ キ ギ シ ジ チ .. ニ ヒ ビ ピ ミ .. リ ..
	{
		"\xA5\xA4\n i ", "\xA5\xAD\n ki", "\xA5\xAE\n gi", "\xA5\xB7\nshi", "\xA5\xB8\n ji",
		"\xA5\xC1\nchi", "\0\0\n   ", "\xA5\xCB\n ni", "\xA5\xD2\n hi", "\xA5\xD3\n bi",
		"\xA5\xD4\n pi", "\xA5\xDF\n mi", "\0\0\n   ", "\xA5\xEA\n ri", "\0\0\n   ",
	},
	// u: ウ ク グ ス ズ ツ .. ヌ フ ブ プ ム ユ ル ..
	{
		"\xA5\xA6\n u ", "\xA5\xAF\n ku", "\xA5\xB0\n gu", "\xA5\xB9\n su", "\xA5\xBA\n zu",
		"\xA5\xC4\ntsu", "\0\0\n   ", "\xA5\xCC\n nu", "\xA5\xD5\n fu", "\xA5\xD6\n bu",
		"\xA5\xD7\n pu", "\xA5\xE0\n mu", "\xA5\xE6\n yu", "\xA5\xEB\n ru", "\0\0\n   ",
	},
	// e: エ ケ ゲ セ ゼ テ デ ネ ヘ ベ ペ メ .. レ ..
	{
		"\xA5\xA8\n e ", "\xA5\xB1\n ke", "\xA5\xB2\n ge", "\xA5\xBB\n se", "\xA5\xBC\n ze",
		"\xA5\xC6\n te", "\xA5\xC7\n de", "\xA5\xCD\n ne", "\xA5\xD8\n he", "\xA5\xD9\n be",
		"\xA5\xDA\n pe", "\xA5\xE1\n me", "\0\0\n   ", "\xA5\xEC\n re", "\0\0\n   ",
	},
	// o: オ コ ゴ ソ ゾ ト ド ノ ホ ボ ポ モ ヨ ロ ヲ
	{
		"\xA5\xAA\n o ", "\xA5\xB3\n ko", "\xA5\xB4\n go", "\xA5\xBD\n so", "\xA5\xBE\n zo",
		"\xA5\xC8\n to", "\xA5\xC9\n do", "\xA5\xCE\n no", "\xA5\xDB\n ho", "\xA5\xDC\n bo",
		"\xA5\xDD\n po", "\xA5\xE2\n mo", "\xA5\xE8\n yo", "\xA5\xED\n ro", "\xA5\xF2\n wo",
	},
	// n: .. .. .. .. .. .. .. .. .. .. .. .. .. .. ン
	{
		"\0\0\n   ", "\0\0\n   ", "\0\0\n   ", "\0\0\n   ", "\0\0\n   ",
		"\0\0\n   ", "\0\0\n   ", "\0\0\n   ", "\0\0\n   ", "\0\0\n   ",
		"\0\0\n   ", "\0\0\n   ", "\0\0\n   ", "\0\0\n   ", "\xA5\xF3\n n ",
	},
};

SViewport Fudemaru_ComputeViewport(int ai_Width, int ai_Height)
{
	SViewport oView;
	const float fRatio = static_cast<float>(ai_Width) / static_cast<float>(ai_Height);
	if (fRatio > kf_Screen_Ratio)
	{
		oView.mi_Width = static_cast<int>(ai_Height * kf_Screen_Ratio);
		oView.mi_Height = ai_Height;
		oView.mi_X = 0;
		oView.mi_Y = 0;
	}
	else
	{
		oView.mi_Width = ai_Width;
		oView.mi_Height = static_cast<int>(ai_Width / kf_Screen_Ratio);
		oView.mi_X = 0;
		oView.mi_Y = ai_Height - oView.mi_Height;   // the top of the window
	}
	return oView;
}

void Fudemaru_Start(const char* as_Folder, unsigned int au_Seed)
{
	CProblemLog::Start();
	LibGen_CFileSystem::Instance()->SetCurrentDir(as_Folder);
	srand(au_Seed);
	(new CState_Intro())->State_Add();
}

bool Fudemaru_Frame()
{
	if (gb_QuitProgram)
		return false;
	LibGen_CManagerBase::UpdateManagers();
	LibGen_CState::Execute();
	LibGfx_CEngine* pEngine = LibGfx_CEngine::Instance();
	if (pEngine->SceneBegin())
	{
		pEngine->SceneRender();
		pEngine->SceneEnd();
	}
	return true;
}

namespace
{
	// A service's destructor unloads it; the next Instance() would build a new one.
	template <class T>
	void DeleteInstance()
	{
		delete T::sp_instance;
		T::sp_instance = nullptr;
	}
}

void Fudemaru_Stop()
{
	LibGen_CState::RemoveAll();
	// The plug-in manager only links its plug-ins, the menu's slide among them: it goes first.
	// The services that hold display objects go before the textures their texts lock.
	DeleteInstance<LibGen_CManagerPlugin>();
	DeleteInstance<LibGfx_CManagerTooltip>();
	DeleteInstance<LibGfx_CManagerMenu>();
	DeleteInstance<LibGfx_CManagerCamera>();
	DeleteInstance<LibInput_ManagerKey>();
	DeleteInstance<LibText_CManagerString>();
	DeleteInstance<LibGfx_CEngine>();
	DeleteInstance<LibKanji_CKanjiList>();
	DeleteInstance<LibKanji_CStroke>();
	DeleteInstance<LibKanji_CDictionary>();
	goFontAscii.UnloadFont();
	goFontKanji.UnloadFont();
	goFontKanji16.UnloadFont();
	DeleteInstance<LibGfx_CManagerTexture>();
	LibGen_SetReportHook(nullptr);
}

bool Fudemaru_HasData(const char* as_Folder, char* as_Message, u16 au16_Size)
{
	// Named with the separator the folder's own path uses (a Windows path has backslashes).
	char s_Data[LibGen_CFileSystem::ku_OpenFile_Path_Max];
	snprintf(s_Data, sizeof(s_Data), "%s%cData", as_Folder, strchr(as_Folder, '\\') ? '\\' : '/');
	struct stat o_Stat;
	if (stat(s_Data, &o_Stat) == 0 && (o_Stat.st_mode & S_IFMT) == S_IFDIR)
		return true;
	snprintf(as_Message, au16_Size, "Fudemaru cannot start: it found no Data folder at %s.\n"
		"The game's data lies beside the program: install the game again, or start the copy that has its Data "
		"folder.", s_Data);
	return false;
}
