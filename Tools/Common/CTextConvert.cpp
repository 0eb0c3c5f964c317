#include "CTextConvert.h"

#include <iconv.h>
#include <vector>

std::string CTextConvert::Convert(const char* as_To, const char* as_From, const std::string& as_Text)
{
	iconv_t o_Conv = iconv_open(as_To, as_From);
	if (o_Conv == (iconv_t)-1)
		return std::string();
	std::string s_In = as_Text;
	std::vector<char> o_Out(as_Text.size() * 4 + 4);
	char* p_In = &s_In[0];
	char* p_Out = o_Out.data();
	size_t u_InLeft = s_In.size();
	size_t u_OutLeft = o_Out.size();
	const bool b_Ok = iconv(o_Conv, &p_In, &u_InLeft, &p_Out, &u_OutLeft) != (size_t)-1 && u_InLeft == 0;
	iconv_close(o_Conv);
	return b_Ok ? std::string(o_Out.data(), p_Out - o_Out.data()) : std::string();
}
