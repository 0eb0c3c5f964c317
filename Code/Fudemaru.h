#ifndef FUDEMARU_H
#define FUDEMARU_H

#include "LibGen_DataTypes.h"
#include "LibText_CFont.h"

// Exit request, tested at the start of every frame.
extern bool gb_QuitProgram;
// Cards dealt per quiz round, 2..32 once the configuration has been read.
extern u8 gu8_QuizCardCount;

// The Latin fonts' files and the string tables' folder, read by the intro.
const char* const ks_FontAsciiFile = "./Data/Fonts/xtal-14.bdf";
const char* const ks_FontAsciiSmallFile = "./Data/Fonts/xtal-12.bdf";
const char* const ks_LanguageFolder = "./Data/Languages";

// The Latin font (loaded by the intro), the 48x48 and 16x16 Japanese fonts (loaded by the loading state).
extern LibText_CFont goFontAscii;
// The tooltip bar's smaller Latin font.
extern LibText_CFont goFontAsciiSmall;
extern LibText_CFont goFontKanji;
extern LibText_CFont goFontKanji16;

// The nine text palettes; the intro stores in each entry the palette slot it locked.
enum enumPalettes
{
	ke_Palette_0 = 0,
	ke_Palette_1,
	ke_Palette_2,
	ke_Palette_3,
	ke_Palette_4,
	ke_Palette_5,
	ke_Palette_6,
	ke_Palette_7,
	ke_Palette_8,
	ke_Palette__Total
};
extern u8 gu8_Palettes[ke_Palette__Total];

// The kana tables, by row (vowel: a i u e o n) and column (consonant: a ka ga sa za ta da na ha
// ba pa ma ya ra wa). An entry is the kana in EUC-JP, a line feed, its romaji padded to three
// characters and a terminator: the entry reads as kana and romaji on two lines, the string at
// ku_Kana_Romaji as the romaji alone. An empty slot starts with a zero byte; both tables have the
// same 21 empty slots.
enum
{
	ku_Kana_Rows = 6,
	ku_Kana_Cols = 15,
	ku_Kana_EntrySize = 7,
	ku_Kana_Romaji = 3,
};
extern const u8 cu8_HiraganaTable[ku_Kana_Rows][ku_Kana_Cols][ku_Kana_EntrySize];
extern const u8 cu8_KatanaTable[ku_Kana_Rows][ku_Kana_Cols][ku_Kana_EntrySize];

// The picture keeps the 480:272 aspect ratio: the part of a window it is drawn in.
struct SViewport
{
	int mi_X;
	int mi_Y;        // bottom-up, as OpenGL counts
	int mi_Width;
	int mi_Height;
};
SViewport Fudemaru_ComputeViewport(int ai_Width, int ai_Height);

// The folder that holds the Data folder: the one that holds the application bundle when the
// program path names one, else the folder of the running program, or, when no Data folder lies
// there, the installed data folder found from it.
void Fudemaru_FindProgramFolder(const char* as_ProgramPath, char* as_Folder, u16 au16_Size);

// Whether the folder holds the Data folder; if not, as_Message says so, naming the folder looked
// in, for the platform to show before any window opens.
bool Fudemaru_HasData(const char* as_Folder, char* as_Message, u16 au16_Size);

// Makes the folder the data folder's parent, seeds the random generator and requests the intro.
void Fudemaru_Start(const char* as_Folder, unsigned int au_Seed);

// One frame: managers, then the current state, then the drawing. Returns false without doing
// anything once the quit flag is set.
bool Fudemaru_Frame();

// Ends a run driven by a tool or a test, while its drawing context is still current: every state
// is removed, the top one first, then the shared data and services are unloaded, so that the run
// leaves nothing allocated. The game itself exits with its states in place.
void Fudemaru_Stop();

#endif
