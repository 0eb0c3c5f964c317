#include "CConfig.h"

#include "LibGen_Utils.h"
#include "LibKanji_CKanjiList.h"

#include <cerrno>
#include <cstdarg>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>
#include <tinyxml.h>

namespace
{
	// A few attributes on one element: larger or deeper files are no configuration.
	const size_t kConfigSizeMax = 64 * 1024;
	const u32 kConfigDepthMax = 8;

	const char* const ks_ConfigName = "Data/config.xml";

	// One line about the file, unless this is the game's second reading of it. Attribute values
	// may be long: the line keeps its first 512 bytes.
	void Report(bool ab_Report, const char* as_Format, ...) __attribute__((format(printf, 2, 3)));
	void Report(bool ab_Report, const char* as_Format, ...)
	{
		if (!ab_Report)
			return;
		char sWhat[512];
		va_list oArgs;
		va_start(oArgs, as_Format);
		vsnprintf(sWhat, sizeof(sWhat), as_Format, oArgs);
		va_end(oArgs);
		LibGen_ReportData(ks_ConfigName, "%s", sWhat);
	}

	// The whole text as a decimal integer that an int holds, with an optional sign: "12abc",
	// "1e1", " 12" and "2147483648" are none.
	bool ParseWholeNumber(const char* as_Text, int& ai_Value)
	{
		if (as_Text == nullptr)
			return false;
		const char* sDigits = (as_Text[0] == '-' || as_Text[0] == '+') ? as_Text + 1 : as_Text;
		if (*sDigits < '0' || *sDigits > '9')
			return false;
		errno = 0;
		char* sEnd = nullptr;
		const long lValue = strtol(as_Text, &sEnd, 10);
		if (*sEnd != '\0' || errno == ERANGE || lValue < INT_MIN || lValue > INT_MAX)
			return false;
		ai_Value = static_cast<int>(lValue);
		return true;
	}
}

CConfig::CConfig()
	: mu8_Language(0), mb_HasStartupList(false), mu8_QuizCardCount(0)
{
	ms_StartupList[0] = '\0';
}

bool CConfig::Load(const char* as_Folder, bool ab_Report)
{
	char sPath[1100];
	if (snprintf(sPath, sizeof(sPath), "%s/%s", as_Folder, ks_ConfigName) >= static_cast<int>(sizeof(sPath)))
		return false;

	// The file is measured before TinyXML, which would recurse once per level of a hostile nesting.
	FILE* pFile = fopen(sPath, "rb");
	if (pFile == nullptr)
	{
		Report(ab_Report, "cannot be opened (%s); the game speaks English, opens no list and deals no quiz cards", strerror(errno));
		return false;
	}
	std::vector<char> oText(kConfigSizeMax + 1);
	const size_t uSize = fread(oText.data(), 1, oText.size(), pFile);
	fclose(pFile);
	if (uSize > kConfigSizeMax)
	{
		Report(ab_Report, "is more than %u bytes long: no configuration", static_cast<unsigned>(kConfigSizeMax));
		return false;
	}
	oText[uSize] = '\0';
	if (!XmlDepthWithin(oText.data(), kConfigDepthMax))
	{
		Report(ab_Report, "its elements nest more than %u deep: no configuration", kConfigDepthMax);
		return false;
	}
	TiXmlDocument oDoc;
	oDoc.Parse(oText.data());
	if (oDoc.Error())
	{
		if (ab_Report)
			LibGen_ReportXmlError(ks_ConfigName, oDoc.ErrorRow(), oDoc.ErrorCol(), oDoc.ErrorDesc());
		return false;
	}
	const TiXmlElement* pConfig = oDoc.FirstChildElement("Config");
	if (pConfig == nullptr)
	{
		Report(ab_Report, "has no Config element");
		return false;
	}

	const char* sLang = pConfig->Attribute("Lang");
	if (IsSameString(sLang, "Fr", true))
		mu8_Language = 1;
	else if (IsSameString(sLang, "It", true))
		mu8_Language = 2;
	else
		mu8_Language = 0;
	if (sLang != nullptr && mu8_Language == 0 && !IsSameString(sLang, "En", true))
		Report(ab_Report, "Lang \"%s\" is none of En, Fr and It; the game speaks English", sLang);

	const char* sList = pConfig->Attribute("StartupList");
	mb_HasStartupList = (sList != nullptr);
	snprintf(ms_StartupList, sizeof(ms_StartupList), "%s", sList ? sList : "");

	const char* sCount = pConfig->Attribute("QuizCardCount");
	int iCount = 0;
	if (ParseWholeNumber(sCount, iCount))
	{
		// Only the low 8 bits count: 300 is 44, 256 is 0.
		const u8 u8_Count = static_cast<u8>(iCount);
		mu8_QuizCardCount = u8_Count < 2 ? 2 : (u8_Count > 32 ? 32 : u8_Count);
	}
	else
	{
		mu8_QuizCardCount = 10;
		if (sCount != nullptr)
			Report(ab_Report, "QuizCardCount \"%s\" is no whole number; a quiz round deals 10 cards", sCount);
	}
	return true;
}

void CConfig::LoadStartupList() const
{
	if (!mb_HasStartupList)
		return;
	LibKanji_CKanjiList* pLists = LibKanji_CKanjiList::Instance();
	std::string sNames;
	bool bFound = false;
	for (u8 i = 0; i < pLists->GetListCount(); ++i)
	{
		const char* sName = pLists->GetListInfo(i)->mp_Name;
		if (IsSameString(sName, ms_StartupList, true))
		{
			pLists->Load_KanjiList(i);
			bFound = true;
		}
		sNames += std::string(i ? ", \"" : " \"") + sName + "\"";
	}
	// The game goes on with no list; the player who edited the file learns why, and what to write.
	if (!bFound)
		LibGen_ReportData(ks_ConfigName, "StartupList \"%s\" names no kanji list; the lists are:%s", ms_StartupList,
			sNames.empty() ? " none" : sNames.c_str());
}
