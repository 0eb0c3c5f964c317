#include "CConfig.h"

#include "CPlayerFolder.h"

#include "LibGen_CFileSystem.h"
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
#include <sys/stat.h>
#include <tinyxml.h>

namespace
{
	// A few attributes on one element: larger or deeper files are no configuration.
	const size_t kConfigSizeMax = 64 * 1024;
	const u32 kConfigDepthMax = 8;

	const char* const ks_ConfigName = "Data/config.xml";

	// One line about the file, unless this is the game's second reading of it. Attribute values
	// may be long: the line keeps its first 512 bytes.
	void Report(bool ab_Report, const char* as_File, const char* as_Format, ...) __attribute__((format(printf, 3, 4)));
	void Report(bool ab_Report, const char* as_File, const char* as_Format, ...)
	{
		if (!ab_Report)
			return;
		char s_What[512];
		va_list o_Args;
		va_start(o_Args, as_Format);
		vsnprintf(s_What, sizeof(s_What), as_Format, o_Args);
		va_end(o_Args);
		LibGen_ReportData(as_File, "%s", s_What);
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
	snprintf(ms_StartupFile, sizeof(ms_StartupFile), "%s", ks_ConfigName);
}

bool CConfig::Load(const char* as_Folder, bool ab_Report)
{
	char s_Path[1100];
	bool b_Loaded = false;
	if (snprintf(s_Path, sizeof(s_Path), "%s/%s", as_Folder, ks_ConfigName) < static_cast<int>(sizeof(s_Path)))
		b_Loaded = LoadFile(s_Path, ks_ConfigName, ab_Report, true);
	// The player's file is theirs to write or not: a missing one is no problem.
	struct stat o_Stat;
	if (CPlayerFolder::GetConfigFile(s_Path, sizeof(s_Path)) && stat(s_Path, &o_Stat) == 0)
		b_Loaded = LoadFile(s_Path, s_Path, ab_Report, false) || b_Loaded;
	return b_Loaded;
}

bool CConfig::LoadFile(const char* as_Path, const char* as_Name, bool ab_Report, bool ab_Shipped)
{
	// The file is measured before TinyXML, which would recurse once per level of a hostile nesting.
	FILE* p_File = fopen(as_Path, "rb");
	if (p_File == nullptr)
	{
		Report(ab_Report, as_Name, "cannot be opened (%s); the game speaks English, opens no list and deals no quiz cards", strerror(errno));
		return false;
	}
	std::vector<char> o_Text(kConfigSizeMax + 1);
	const size_t u_Size = fread(o_Text.data(), 1, o_Text.size(), p_File);
	fclose(p_File);
	if (u_Size > kConfigSizeMax)
	{
		Report(ab_Report, as_Name, "is more than %u bytes long: no configuration", static_cast<unsigned>(kConfigSizeMax));
		return false;
	}
	o_Text[u_Size] = '\0';
	if (!XmlDepthWithin(o_Text.data(), kConfigDepthMax))
	{
		Report(ab_Report, as_Name, "its elements nest more than %u deep: no configuration", kConfigDepthMax);
		return false;
	}
	TiXmlDocument o_Doc;
	o_Doc.Parse(o_Text.data());
	if (o_Doc.Error())
	{
		if (ab_Report)
			LibGen_ReportXmlError(as_Name, o_Doc.ErrorRow(), o_Doc.ErrorCol(), o_Doc.ErrorDesc());
		return false;
	}
	const TiXmlElement* p_Config = o_Doc.FirstChildElement("Config");
	if (p_Config == nullptr)
	{
		Report(ab_Report, as_Name, "has no Config element");
		return false;
	}

	const char* s_Lang = p_Config->Attribute("Lang");
	if (IsSameString(s_Lang, "Fr", true))
		mu8_Language = 1;
	else if (IsSameString(s_Lang, "It", true))
		mu8_Language = 2;
	else if (s_Lang == nullptr || IsSameString(s_Lang, "En", true))
		mu8_Language = (s_Lang != nullptr || ab_Shipped) ? 0 : mu8_Language;
	else
	{
		if (ab_Shipped)
			mu8_Language = 0;
		Report(ab_Report, as_Name, "Lang \"%s\" is none of En, Fr and It; the game speaks %s", s_Lang,
			ab_Shipped ? "English" : "the shipped Data/config.xml's language");
	}

	const char* s_List = p_Config->Attribute("StartupList");
	if (s_List != nullptr || ab_Shipped)
	{
		mb_HasStartupList = (s_List != nullptr);
		snprintf(ms_StartupList, sizeof(ms_StartupList), "%s", s_List ? s_List : "");
		snprintf(ms_StartupFile, sizeof(ms_StartupFile), "%s", as_Name);
	}

	const char* s_Count = p_Config->Attribute("QuizCardCount");
	int i_Count = 0;
	if (ParseWholeNumber(s_Count, i_Count))
	{
		// Only the low 8 bits count: 300 is 44, 256 is 0.
		const u8 u8_Count = static_cast<u8>(i_Count);
		mu8_QuizCardCount = u8_Count < 2 ? 2 : (u8_Count > 32 ? 32 : u8_Count);
	}
	else if (s_Count != nullptr || ab_Shipped)
	{
		if (ab_Shipped)
			mu8_QuizCardCount = 10;
		if (s_Count != nullptr)
			Report(ab_Report, as_Name, "QuizCardCount \"%s\" is no whole number; a quiz round deals %u cards", s_Count,
				mu8_QuizCardCount);
	}
	return true;
}

void CConfig::LoadStartupList() const
{
	if (!mb_HasStartupList)
		return;
	LibKanji_CKanjiList* p_Lists = LibKanji_CKanjiList::Instance();
	std::string s_Names;
	bool b_Found = false;
	for (u8 i = 0; i < p_Lists->GetListCount(); ++i)
	{
		const char* s_Name = p_Lists->GetListInfo(i)->mp_Name;
		if (IsSameString(s_Name, ms_StartupList, true))
		{
			p_Lists->Load_KanjiList(i);
			b_Found = true;
		}
		s_Names += std::string(i ? ", \"" : " \"") + s_Name + "\"";
	}
	// The game goes on with no list; the player who edited the file learns why, and what to write.
	if (!b_Found)
		LibGen_ReportData(ms_StartupFile, "StartupList \"%s\" names no kanji list; the lists are:%s", ms_StartupList,
			s_Names.empty() ? " none" : s_Names.c_str());
}

const char* CConfig::LanguageCode(u8 au8_Language)
{
	static const char* const cs_Code[ku_Language_Total] = {"En", "Fr", "It"};
	return cs_Code[au8_Language < ku_Language_Total ? au8_Language : 0];
}

bool CConfig::SaveSetting(const char* as_Name, const char* as_Value)
{
	char s_Path[1100];
	if (!CPlayerFolder::GetConfigFile(s_Path, sizeof(s_Path)) || !CPlayerFolder::MakeFoldersOf(s_Path))
		return false;
	TiXmlDocument o_Doc;
	struct stat o_Stat;
	if (stat(s_Path, &o_Stat) == 0)
	{
		// Read as Load reads it; a file it refuses is the player's and stays as it is.
		CConfig o_Check;
		if (!o_Check.LoadFile(s_Path, s_Path, false, false) || !o_Doc.LoadFile(s_Path))
		{
			char s_Saved[1100];
			LibGen_CFileSystem::ExtractNameDir(s_Path, s_Saved, sizeof(s_Saved));
			const size_t u_Len = strlen(s_Saved);
			snprintf(s_Saved + u_Len, sizeof(s_Saved) - u_Len, "/config (saved).xml");
			LibGen_ReportData(s_Path, "cannot be read: it is left as it is, and the settings are saved in \"%s\"", s_Saved);
			snprintf(s_Path, sizeof(s_Path), "%s", s_Saved);
			o_Doc.Clear();
			if (stat(s_Path, &o_Stat) == 0 && !o_Doc.LoadFile(s_Path))
				o_Doc.Clear();
		}
	}
	TiXmlElement* p_Config = o_Doc.FirstChildElement("Config");
	if (p_Config == nullptr)
		p_Config = o_Doc.InsertEndChild(TiXmlElement("Config"))->ToElement();
	p_Config->SetAttribute(as_Name, as_Value);
	TiXmlPrinter o_Printer;
	o_Doc.Accept(&o_Printer);
	return LibGen_CFileSystem::SaveWhole(s_Path, o_Printer.CStr(), o_Printer.Size());
}
