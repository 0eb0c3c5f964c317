#include "CConfig.h"

#include "LibGen_Utils.h"

#include <cstdio>
#include <vector>
#include <tinyxml.h>

namespace
{
	// A few attributes on one element: larger or deeper files are no configuration.
	const size_t kConfigSizeMax = 64 * 1024;
	const u32 kConfigDepthMax = 8;
}

CConfig::CConfig()
	: mu8_Language(0), mb_HasStartupList(false), mu8_QuizCardCount(0)
{
	ms_StartupList[0] = '\0';
}

bool CConfig::Load(const char* as_Folder)
{
	char sPath[1100];
	if (snprintf(sPath, sizeof(sPath), "%s/Data/config.xml", as_Folder) >= static_cast<int>(sizeof(sPath)))
		return false;

	// The file is measured before TinyXML, which would recurse once per level of a hostile nesting.
	FILE* pFile = fopen(sPath, "rb");
	if (pFile == nullptr)
		return false;
	std::vector<char> oText(kConfigSizeMax + 1);
	const size_t uSize = fread(oText.data(), 1, oText.size(), pFile);
	fclose(pFile);
	if (uSize > kConfigSizeMax)
		return false;
	oText[uSize] = '\0';
	TiXmlDocument oDoc;
	if (!XmlDepthWithin(oText.data(), kConfigDepthMax) || (oDoc.Parse(oText.data()), oDoc.Error()))
		return false;
	const TiXmlElement* pConfig = oDoc.FirstChildElement("Config");
	if (pConfig == nullptr)
		return false;

	const char* sLang = pConfig->Attribute("Lang");
	if (IsSameString(sLang, "Fr", true))
		mu8_Language = 1;
	else if (IsSameString(sLang, "It", true))
		mu8_Language = 2;
	else
		mu8_Language = 0;

	const char* sList = pConfig->Attribute("StartupList");
	mb_HasStartupList = (sList != nullptr);
	snprintf(ms_StartupList, sizeof(ms_StartupList), "%s", sList ? sList : "");

	int iCount = 0;
	if (pConfig->QueryIntAttribute("QuizCardCount", &iCount) == TIXML_SUCCESS)
	{
		// Only the low 8 bits count: 300 is 44, 256 is 0.
		const u8 u8_Count = static_cast<u8>(iCount);
		mu8_QuizCardCount = u8_Count < 2 ? 2 : (u8_Count > 32 ? 32 : u8_Count);
	}
	else
	{
		mu8_QuizCardCount = 10;
	}
	return true;
}
