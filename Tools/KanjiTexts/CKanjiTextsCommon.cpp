#include <string.h>
#include "CKanjiTextsCommon.h"

CKanjiTextsCommon::CKanjiTextsCommon()
	: mh_ToEuc(iconv_open("EUC-JP", "UTF-8"))
{
}

CKanjiTextsCommon::~CKanjiTextsCommon()
{
	if (mh_ToEuc != reinterpret_cast<iconv_t>(-1))
		iconv_close(mh_ToEuc);
}

std::string CKanjiTextsCommon::ToEuc(const std::string& as_Utf8)
{
	if (mh_ToEuc == reinterpret_cast<iconv_t>(-1) || as_Utf8.size() > 256)
		return std::string();
	char s_In[257];
	char s_Out[1024];
	as_Utf8.copy(s_In, as_Utf8.size());
	char* p_In = s_In;
	char* p_Out = s_Out;
	size_t u_InLeft = as_Utf8.size();
	size_t u_OutLeft = sizeof(s_Out);
	iconv(mh_ToEuc, nullptr, nullptr, nullptr, nullptr);
	if (iconv(mh_ToEuc, &p_In, &u_InLeft, &p_Out, &u_OutLeft) == (size_t)-1)
		return std::string();
	return std::string(s_Out, (size_t)(p_Out - s_Out));
}

std::string CKanjiTextsCommon::ToLatin1(const std::string& as_Utf8)
{
	std::string s_Out;
	for (size_t i = 0; i < as_Utf8.size();)
	{
		const unsigned char u8_Lead = (unsigned char)as_Utf8[i];
		const int i_Len = u8_Lead < 0x80 ? 1 : u8_Lead >= 0xF0 ? 4 : u8_Lead >= 0xE0 ? 3 : u8_Lead >= 0xC0 ? 2 : 1;
		unsigned u_Code = i_Len == 1 ? u8_Lead : u8_Lead & (0x3F >> (i_Len - 1));
		for (int k = 1; k < i_Len && i + k < as_Utf8.size(); ++k)
			u_Code = (u_Code << 6) | ((unsigned char)as_Utf8[i + k] & 0x3F);
		i += (size_t)i_Len;
		if (u_Code == ';')
			s_Out += ',';
		else if (u_Code < 0x20 || u_Code == 0x7F)
			s_Out += ' ';
		else if (u_Code == 0x153 || u_Code == 0x152)
			s_Out += u_Code == 0x153 ? "oe" : "OE";
		else if (u_Code == 0x2019 || u_Code == 0x2018)
			s_Out += '\'';
		else if (u_Code < 0x80 || (u_Code >= 0xA0 && u_Code <= 0xFF))
			s_Out += (char)u_Code;
	}
	return s_Out;
}

std::string CKanjiTextsCommon::XmlUnescape(const std::string& as_Text)
{
	static const char* const cs_Entity[][2] = {
		{ "&amp;", "&" }, { "&lt;", "<" }, { "&gt;", ">" }, { "&quot;", "\"" }, { "&apos;", "'" } };
	std::string s_Out;
	for (size_t i = 0; i < as_Text.size(); ++i)
	{
		bool b_Entity = false;
		for (const auto& o_Entity : cs_Entity)
			if (as_Text.compare(i, strlen(o_Entity[0]), o_Entity[0]) == 0)
			{
				s_Out += o_Entity[1];
				i += strlen(o_Entity[0]) - 1;
				b_Entity = true;
				break;
			}
		if (!b_Entity)
			s_Out += as_Text[i];
	}
	return s_Out;
}
