#include "CJisCode.h"

CJisCode::CJisCode() : mh_Iconv(iconv_open("UTF-32BE", "EUC-JP"))
{
}

CJisCode::~CJisCode()
{
	if (IsOpen())
		iconv_close(mh_Iconv);
}

uint32_t CJisCode::ToUnicode(int ai_Index)
{
	if (!IsOpen() || ai_Index < 0 || ai_Index >= ku_PositionCount)
		return 0;
	uint16_t lu16_Euc = EucCode(ai_Index);
	char lac_In[2] = {static_cast<char>(lu16_Euc >> 8), static_cast<char>(lu16_Euc & 0xFF)};
	unsigned char lau8_Out[8];
	char* lp_In = lac_In;
	char* lp_Out = reinterpret_cast<char*>(lau8_Out);
	size_t lu_InLeft = sizeof(lac_In), lu_OutLeft = sizeof(lau8_Out);
	iconv(mh_Iconv, nullptr, nullptr, nullptr, nullptr);
	// One JIS character must give exactly one code point; anything else counts as unassigned.
	if (iconv(mh_Iconv, &lp_In, &lu_InLeft, &lp_Out, &lu_OutLeft) == static_cast<size_t>(-1) || lu_InLeft != 0 ||
		lu_OutLeft != sizeof(lau8_Out) - 4)
		return 0;
	return (uint32_t(lau8_Out[0]) << 24) | (uint32_t(lau8_Out[1]) << 16) | (uint32_t(lau8_Out[2]) << 8) | lau8_Out[3];
}
