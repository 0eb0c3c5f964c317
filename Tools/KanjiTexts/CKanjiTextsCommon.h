#ifndef CKANJITEXTSCOMMON_H
#define CKANJITEXTSCOMMON_H

#include <iconv.h>
#include <string>

// Text conversions of the meanings and words builders: UTF-8 sources into the game's EUC-JP
// (Japanese) and ISO-8859-1 (Latin) texts.
class CKanjiTextsCommon
{
public:
	CKanjiTextsCommon();
	~CKanjiTextsCommon();
	CKanjiTextsCommon(const CKanjiTextsCommon&) = delete;
	CKanjiTextsCommon& operator=(const CKanjiTextsCommon&) = delete;

	// Empty when the text has a character outside EUC-JP.
	std::string ToEuc(const std::string& as_Utf8);
	// Characters the Latin font lacks become their usual spelling ("oe" for the ligature, "'" for
	// the typographic apostrophe) or are dropped; ";" (the file's separator) becomes ",", control
	// characters a space.
	static std::string ToLatin1(const std::string& as_Utf8);
	// The five predefined XML entities.
	static std::string XmlUnescape(const std::string& as_Text);

private:
	iconv_t mh_ToEuc;
};

#endif
