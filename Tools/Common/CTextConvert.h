#ifndef CTEXTCONVERT_H
#define CTEXTCONVERT_H

#include <string>

// Text between the game's encodings (EUC-JP readings, ISO-8859-1 interface texts) and the UTF-8
// the tools print.
class CTextConvert
{
public:
	// Converts with iconv; empty when the text does not convert in full.
	static std::string Convert(const char* as_To, const char* as_From, const std::string& as_Text);
};

#endif
