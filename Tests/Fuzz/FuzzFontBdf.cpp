// The Latin font (a BDF subset) read from an untrusted file, then a short text laid out with it.
#include "FuzzScratch.h"
#include "LibText_CFont.h"
#include "LibText_CTextBase.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* ap_Data, size_t au_Size)
{
	FuzzScratch::Write("Data/font.bdf", ap_Data, au_Size);
	LibText_CFont o_Font;
	if (!o_Font.LoadBdf("./Data/font.bdf"))
		return 0;
	LibText_CTextBase o_Text;
	o_Text.TxtSetFont(&o_Font);
	o_Text.TxtSetText("Fudemaru: \xE9t\xE9 \xB0!\n~ {0123}", false);
	o_Text.TxtUpdate();
	o_Text.TxtSetSize(60, 40);
	o_Text.TxtSetAlign(LibText_CTextBase::ke_TxtAlign_Right, 255);
	o_Text.TxtUpdate();
	return 0;
}
