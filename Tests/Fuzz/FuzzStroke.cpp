// The stroke database (big-endian binary) read from an untrusted file, then drawn.
#include <vector>
#include "FuzzScratch.h"
#include "LibKanji_CStroke.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* ap_Data, size_t au_Size)
{
	FuzzScratch::Write("Data/FudemaruStroke.db", ap_Data, au_Size);
	LibKanji_CStroke* p_Stroke = LibKanji_CStroke::Instance();
	if (!p_Stroke->Load("./Data/FudemaruStroke.db"))
		return 0;
	// The file's first keys, which name elements that exist, and two common kanji.
	std::vector<u16> o_Keys = { 0xB0A1, 0xB1CA };
	for (size_t i = 0; i < 6 && 2 + 4 * i + 1 < au_Size; ++i)
		o_Keys.push_back((u16)(ap_Data[2 + 4 * i] << 8 | ap_Data[3 + 4 * i]));
	std::vector<LibGen_CPath> o_Paths;
	for (u16 u16_Key : o_Keys)
	{
		p_Stroke->GetStrokes(u16_Key, CVector2d<unsigned short>(96, 96), 5.0f, o_Paths);
		p_Stroke->GetStrokes(u16_Key, CVector2d<unsigned short>(16, 16), 1.0f, o_Paths);
	}
	p_Stroke->Unload();
	return 0;
}
