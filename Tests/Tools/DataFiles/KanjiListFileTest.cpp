// Reads config.xml and the kanji lists of the build's Data folder the way the
// game finds them, and checks they name only what the list loader knows.
#include <gtest/gtest.h>

#include <tinyxml.h>

#include <dirent.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace
{
const std::string kListDir = FUDEMARU_DATA_DIR "/KanjiList/";

// The dictionary fields a filter or sort key may name.
const std::set<std::string> kFields = {"EU", "U", "J", "F", "S", "G", "R", "L", "K", "V", "N", "H",
									   "O", "E", "DC", "DG", "DH", "DJ", "DK", "DO", "DR", "DT", "DB"};

std::vector<uint8_t> ReadBytes(const std::string& as_Path)
{
	std::ifstream in(as_Path, std::ios::binary);
	return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> ListDir()
{
	std::vector<std::string> names;
	if (DIR* dir = opendir(kListDir.c_str()))
	{
		while (dirent* entry = readdir(dir))
			if (entry->d_name[0] != '.')
				names.push_back(entry->d_name);
		closedir(dir);
	}
	std::sort(names.begin(), names.end());
	return names;
}

bool IsInteger(const char* as_Text)
{
	if (as_Text == nullptr || *as_Text == '\0')
		return false;
	for (const char* p = as_Text; *p; ++p)
		if (*p < '0' || *p > '9')
			return false;
	return true;
}

std::set<std::string> Attributes(const TiXmlElement* ap_Element)
{
	std::set<std::string> names;
	for (const TiXmlAttribute* a = ap_Element->FirstAttribute(); a; a = a->Next())
		names.insert(a->Name());
	return names;
}

bool Within(const std::set<std::string>& ao_Names, const std::set<std::string>& ao_Allowed)
{
	return std::includes(ao_Allowed.begin(), ao_Allowed.end(), ao_Names.begin(), ao_Names.end());
}

// Checks one KanjiList element; returns its faults, empty when sound.
std::string CheckList(const TiXmlElement* ap_List)
{
	if (!Within(Attributes(ap_List), {"Max", "Min", "Name", "Name_En", "Name_Fr", "Name_It", "Source"}))
		return "unknown attribute";
	for (const char* range : {"Min", "Max"})
		if (ap_List->Attribute(range) && !IsInteger(ap_List->Attribute(range)))
			return std::string(range) + " is not a number";
	bool sorting = false;
	for (const TiXmlElement* child = ap_List->FirstChildElement(); child; child = child->NextSiblingElement())
	{
		const std::string kind = child->Value();
		const char* index = child->Attribute("Index");
		if (index == nullptr || kFields.count(index) == 0)
			return kind + " names an unknown field";
		if (kind == "Filter")
		{
			if (sorting)
				return "a Filter after a Sort is never read";
			if (!Within(Attributes(child), {"Index", "Max", "Min", "Value"}) || Attributes(child).size() < 2)
				return "a Filter needs Value, Min or Max";
			for (const char* bound : {"Value", "Min", "Max"})
				if (child->Attribute(bound) && !IsInteger(child->Attribute(bound)))
					return std::string("Filter ") + bound + " is not a number";
		}
		else if (kind == "Sort")
		{
			sorting = true;
			const char* order = child->Attribute("Order");
			if (!Within(Attributes(child), {"Index", "Order"}) ||
				(order && std::string(order) != "Asc" && std::string(order) != "Desc"))
				return "a Sort takes Index and Order (Asc or Desc)";
		}
		else
			return "unknown child " + kind;
	}
	return "";
}

TEST(KanjiLists, TextListsAreUtf16KanjiWithBothByteOrders)
{
	bool littleEndian = false, bigEndianCrLf = false;
	for (const std::string& name : ListDir())
	{
		std::vector<uint8_t> data = ReadBytes(kListDir + name);
		if (data.size() < 2 || !((data[0] == 0xFF && data[1] == 0xFE) || (data[0] == 0xFE && data[1] == 0xFF)))
			continue;
		bool little = data[0] == 0xFF;
		ASSERT_EQ(data.size() % 2, 0u) << name;
		unsigned kanji = 0, carriageReturns = 0;
		for (size_t i = 2; i < data.size(); i += 2)
		{
			unsigned unit = little ? data[i] | data[i + 1] << 8 : data[i] << 8 | data[i + 1];
			if (unit == 13)
				++carriageReturns;
			else if (unit != 10)
			{
				EXPECT_TRUE(unit >= 0x4E00 && unit <= 0x9FFF) << name << ": U+" << std::hex << unit;
				++kanji;
			}
		}
		EXPECT_GT(kanji, 0u) << name;
		littleEndian |= little;
		bigEndianCrLf |= !little && carriageReturns > 0;
	}
	EXPECT_TRUE(littleEndian);
	EXPECT_TRUE(bigEndianCrLf);
}

// All list names, text lists first as the game finds them, then XML lists.
std::vector<std::string> ListNames(std::map<std::string, std::string>* ap_Sources)
{
	std::vector<std::string> names;
	for (const std::string& file : ListDir())
	{
		std::vector<uint8_t> data = ReadBytes(kListDir + file);
		if (data.size() >= 2 && ((data[0] == 0xFF && data[1] == 0xFE) || (data[0] == 0xFE && data[1] == 0xFF)))
			names.push_back(file.substr(0, file.rfind('.')));
	}
	for (const std::string& file : ListDir())
	{
		if (file.size() < 4 || file.substr(file.size() - 4) != ".xml")
			continue;
		TiXmlDocument doc;
		if (!doc.LoadFile((kListDir + file).c_str()))
			continue;
		for (const TiXmlElement* list = doc.FirstChildElement("KanjiList"); list; list = list->NextSiblingElement())
			if (const char* name = list->Attribute("Name"))
			{
				names.push_back(name);
				if (ap_Sources && list->Attribute("Source"))
					(*ap_Sources)[name] = list->Attribute("Source");
			}
	}
	return names;
}

TEST(KanjiLists, XmlListsParseAndNameOnlyKnownFieldsAndKeys)
{
	unsigned files = 0;
	for (const std::string& file : ListDir())
	{
		if (file.size() < 4 || file.substr(file.size() - 4) != ".xml")
			continue;
		++files;
		TiXmlDocument doc;
		ASSERT_TRUE(doc.LoadFile((kListDir + file).c_str())) << file << ": " << doc.ErrorDesc() << " at row " << doc.ErrorRow();
		for (const TiXmlElement* element = doc.FirstChildElement(); element; element = element->NextSiblingElement())
		{
			ASSERT_EQ(std::string(element->Value()), "KanjiList") << file;
			const char* name = element->Attribute("Name");
			ASSERT_NE(name, nullptr) << file;
			EXPECT_EQ(CheckList(element), "") << name;
		}
	}
	EXPECT_GT(files, 0u);
}

TEST(KanjiLists, EveryExpectedListExistsOnceAndSourcesResolveWithoutLoops)
{
	std::map<std::string, std::string> sources;
	std::vector<std::string> names = ListNames(&sources);
	EXPECT_LE(names.size(), 64u) << "the chooser shows at most 64 lists";
	std::set<std::string> unique(names.begin(), names.end());
	EXPECT_EQ(unique.size(), names.size()) << "two lists share a name";
	for (const char* expected : {"Grade 1", "Grade 2", "Grade 3", "Grade 4", "Grade 5", "Grade 6", "Secondary school",
								 "Jinmeiyou", "JLPT 4", "JLPT 3", "JLPT 2", "JLPT 1", "Frequency 1-500",
								 "Frequency 501-1000", "Frequency 1001-2500", "All kanji"})
		EXPECT_EQ(unique.count(expected), 1u) << expected;
	EXPECT_FALSE(sources.empty()) << "at least one list builds on another";
	for (const auto& entry : sources)
	{
		std::string current = entry.first;
		for (size_t step = 0; step <= names.size() && sources.count(current); ++step)
		{
			current = sources[current];
			ASSERT_EQ(unique.count(current), 1u) << entry.first << " names a missing source " << current;
			ASSERT_NE(current, entry.first) << entry.first << " leads back to itself";
		}
	}
}

TEST(Config, NamesTheLanguageStartupListAndCardCount)
{
	TiXmlDocument doc;
	ASSERT_TRUE(doc.LoadFile(FUDEMARU_DATA_DIR "/config.xml")) << doc.ErrorDesc();
	const TiXmlElement* config = doc.FirstChildElement("Config");
	ASSERT_NE(config, nullptr);
	EXPECT_STREQ(config->Attribute("Lang"), "En");
	EXPECT_STREQ(config->Attribute("StartupList"), "Grade 1");
	int cards = 0;
	EXPECT_EQ(config->QueryIntAttribute("QuizCardCount", &cards), TIXML_SUCCESS);
	EXPECT_EQ(cards, 10);
	std::vector<std::string> names = ListNames(nullptr);
	EXPECT_NE(std::find(names.begin(), names.end(), "Grade 1"), names.end()) << "the start-up list exists";
}
}
