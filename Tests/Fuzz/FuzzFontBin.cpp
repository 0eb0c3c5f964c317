// A fixed-cell font read from an untrusted file, then a short text laid out with it. The input's
// first five bytes describe the cells (width, height, first code, bit order); the rest is the file.
#include "FuzzScratch.h"
#include "LibText_CFont.h"
#include "LibText_CTextBase.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* ap_Data, size_t au_Size)
{
	if (au_Size < 5)
		return 0;
	FuzzScratch::Write("Data/font.fnt", ap_Data + 5, au_Size - 5);
	LibText_CFont o_Font;
	if (!o_Font.LoadBinFixed("./Data/font.fnt", ap_Data[0], ap_Data[1], (u16)(ap_Data[2] << 8 | ap_Data[3]), ap_Data[4] & 1))
		return 0;
	// The font serves as both the Latin and the kanji font: EUC-JP pairs look up JIS positions.
	LibText_CTextBase o_Text;
	o_Text.TxtSetFont(&o_Font, &o_Font);
	o_Text.TxtSetTextType(LibText_CTextBase::ke_TxtType_Euc);
	o_Text.TxtSetText("A \xB0\xA1\xB0\xEC z\xA4\xA2 \xFE\xFE\xA1", false);
	o_Text.TxtUpdate();
	o_Text.TxtSetSize(40, 100);
	o_Text.TxtUpdate();
	return 0;
}
