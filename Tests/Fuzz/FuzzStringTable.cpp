// A string table read from an untrusted file, then every text read to its end.
#include <string.h>
#include "FuzzScratch.h"
#include "LibText_CManagerString.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
	FuzzScratch::MakeDir("Data/Languages");
	LibText_CManagerString::Instance()->SetLanguagePath("./Data/Languages");
	return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* ap_Data, size_t au_Size)
{
	FuzzScratch::Write("Data/Languages/Language00.bin", ap_Data, au_Size);
	LibText_CManagerString* p_Strings = LibText_CManagerString::Instance();
	if (!p_Strings->Load(0))
		return 0;
	size_t u_Chars = 0;
	const u32 u_Total = p_Strings->GetStringTotal();
	for (u32 i = 0; i <= u_Total + 1 && i < 100000; ++i)
		u_Chars += strlen(p_Strings->GetString(i));
	p_Strings->Unload();
	return u_Chars == (size_t)-1;
}
