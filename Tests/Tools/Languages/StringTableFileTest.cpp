// Reads the compiled string tables back by their file format, and checks
// that the compiler refuses what the Latin font cannot draw.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{
std::vector<uint8_t> ReadBytes(const std::string& as_Path)
{
	std::ifstream in(as_Path, std::ios::binary);
	return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t U32At(const std::vector<uint8_t>& ao_Data, size_t au_Pos)
{
	return ao_Data[au_Pos] | ao_Data[au_Pos + 1] << 8 | ao_Data[au_Pos + 2] << 16 | uint32_t(ao_Data[au_Pos + 3]) << 24;
}

// The texts of a table, index = id (0 is the empty text), or a failure
// message when the file breaks the format.
struct Table
{
	std::vector<std::string> texts;
	std::string fault;
};

Table ReadTable(const std::vector<uint8_t>& ao_Data)
{
	Table table;
	table.texts.push_back("");
	if (ao_Data.size() < 4)
		return table.fault = "shorter than its count", table;
	uint32_t count = U32At(ao_Data, 0);
	size_t header = 4 + 4 * size_t(count);
	if (header > ao_Data.size())
		return table.fault = "offsets run past the end", table;
	for (uint32_t id = 1; id <= count; ++id)
	{
		uint32_t offset = U32At(ao_Data, 4 * id);
		if (offset < header || offset >= ao_Data.size())
			return table.fault = "offset of id " + std::to_string(id) + " outside the texts", table;
		size_t end = offset;
		while (end < ao_Data.size() && ao_Data[end] != 0)
			++end;
		if (end == ao_Data.size())
			return table.fault = "id " + std::to_string(id) + " has no NUL before the end", table;
		table.texts.emplace_back(ao_Data.begin() + offset, ao_Data.begin() + end);
	}
	return table;
}

std::vector<uint32_t> RequiredIds()
{
	std::vector<uint32_t> ids = {3, 4, 5, 6, 7, 8, 9, 10, 12, 16, 41, 42, 43, 44, 48};
	for (uint32_t id = 18; id <= 40; ++id)
		ids.push_back(id);
	for (uint32_t id = 50; id <= 71; ++id)
		ids.push_back(id);
	return ids;
}

int CountOf(const std::string& as_Text, const std::string& as_Part)
{
	int count = 0;
	for (size_t pos = as_Text.find(as_Part); pos != std::string::npos; pos = as_Text.find(as_Part, pos + 1))
		++count;
	return count;
}

std::string TablePath(int ai_Language)
{
	char name[64];
	snprintf(name, sizeof(name), "/Languages/Language%02i.bin", ai_Language);
	return FUDEMARU_DATA_DIR + std::string(name);
}

class LanguageFile : public ::testing::TestWithParam<int>
{
};

TEST_P(LanguageFile, IsAWellFormedTableWithEveryTextTheGameUses)
{
	Table table = ReadTable(ReadBytes(TablePath(GetParam())));
	ASSERT_EQ(table.fault, "");
	ASSERT_GE(table.texts.size(), 72u);
	for (uint32_t id : RequiredIds())
		EXPECT_FALSE(table.texts[id].empty()) << "id " << id;
}

TEST_P(LanguageFile, FormatsCarryTheirNumbersAndNothingElse)
{
	Table table = ReadTable(ReadBytes(TablePath(GetParam())));
	ASSERT_EQ(table.fault, "");
	ASSERT_GE(table.texts.size(), 72u);
	EXPECT_EQ(CountOf(table.texts[52], "%i"), 3) << table.texts[52];
	EXPECT_EQ(CountOf(table.texts[62], "%i"), 2) << table.texts[62];
	for (size_t id = 0; id < table.texts.size(); ++id)
		EXPECT_EQ(CountOf(table.texts[id], "%"), CountOf(table.texts[id], "%i")) << "id " << id;
}

TEST_P(LanguageFile, DetailLabelsAreFiveLinesAndEveryByteIsPrintableLatin1)
{
	Table table = ReadTable(ReadBytes(TablePath(GetParam())));
	ASSERT_EQ(table.fault, "");
	ASSERT_GE(table.texts.size(), 72u);
	const std::string& labels = table.texts[41];
	EXPECT_EQ(CountOf(labels, "\n"), 4);
	EXPECT_EQ(CountOf(labels, "\n\n"), 0);
	EXPECT_NE(labels.back(), '\n');
	for (size_t id = 0; id < table.texts.size(); ++id)
		for (unsigned char c : table.texts[id])
			EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F) || c >= 0xA0) << "id " << id << " byte " << int(c);
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, LanguageFile, ::testing::Values(0, 1, 2));

TEST(LanguageFiles, FrenchAndItalianAreTranslatedWithTheirAccents)
{
	Table english = ReadTable(ReadBytes(TablePath(0)));
	Table french = ReadTable(ReadBytes(TablePath(1)));
	Table italian = ReadTable(ReadBytes(TablePath(2)));
	ASSERT_GE(english.texts.size(), 72u);
	ASSERT_GE(french.texts.size(), 72u);
	ASSERT_GE(italian.texts.size(), 72u);
	EXPECT_NE(french.texts[5], english.texts[5]);
	EXPECT_NE(italian.texts[5], english.texts[5]);
	EXPECT_NE(french.texts[6], italian.texts[6]);
	// "Précédent" and "Réponses trouvées": é is 0xE9 in ISO-8859-1.
	EXPECT_NE(french.texts[63].find('\xE9'), std::string::npos);
	EXPECT_NE(french.texts[66].find('\xE9'), std::string::npos);
}

// Runs the compiler on a source and returns its exit status and messages.
struct CompileRun
{
	int status;
	std::string output;
	std::vector<uint8_t> table;
};

CompileRun Compile(const std::string& as_Source)
{
	// Named after the running test: ctest runs tests side by side.
	const std::string base = ::testing::TempDir() + "/language-" +
							 ::testing::UnitTest::GetInstance()->current_test_info()->name();
	const std::string source = base + ".txt";
	const std::string table = base + ".bin";
	std::remove(table.c_str());
	std::ofstream(source, std::ios::binary) << as_Source;
	CompileRun run;
	std::string command = std::string("\"") + LANGUAGE_COMPILER + "\" \"" + source + "\" \"" + table + "\" 2>&1";
	FILE* pipe = popen(command.c_str(), "r");
	char buffer[256];
	while (pipe && fgets(buffer, sizeof(buffer), pipe))
		run.output += buffer;
	run.status = pipe ? pclose(pipe) : -1;
	run.table = ReadBytes(table);
	return run;
}

TEST(LanguageCompiler, ConvertsUtf8AndEscapesToLatin1)
{
	CompileRun run = Compile("# comment\n2 = Caf\xC3\xA9\\nsuite \\\\ fin\r\n\n4 =   spaced out  \n");
	ASSERT_EQ(run.status, 0) << run.output;
	Table table = ReadTable(run.table);
	ASSERT_EQ(table.fault, "");
	ASSERT_EQ(table.texts.size(), 5u);
	EXPECT_EQ(table.texts[1], "");
	EXPECT_EQ(table.texts[2], "Caf\xE9\nsuite \\ fin");
	EXPECT_EQ(table.texts[3], "");
	EXPECT_EQ(table.texts[4], "spaced out");
}

TEST(LanguageCompiler, RefusesTextsTheLatinFontCannotDrawNamingTheId)
{
	// U+3042 (hiragana a) and U+20AC (euro sign) lie outside ISO-8859-1.
	for (const char* text : {"\xE3\x81\x82", "5 \xE2\x82\xAC"})
	{
		CompileRun run = Compile(std::string("3 = fine\n7 = ") + text + "\n");
		EXPECT_NE(run.status, 0);
		EXPECT_NE(run.output.find("id 7"), std::string::npos) << run.output;
		EXPECT_NE(run.output.find("ISO-8859-1"), std::string::npos) << run.output;
		EXPECT_TRUE(run.table.empty()) << "no table may be left behind";
	}
}

TEST(LanguageCompiler, RefusesBrokenSources)
{
	const char* const sources[] = {
		"52 = %i of %s\n",      // a conversion that would read a missing argument
		"3 = one\n3 = two\n",   // an id given twice
		"0 = nothing\n",        // id 0 is always the empty text
		"3 = bad \\t escape\n", // unknown escape
		"3 = \xC3\n",           // cut UTF-8 sequence
		"3 = \xC0\xA9\n",       // overlong UTF-8
		"three = words\n",      // not an id
	};
	for (const char* source : sources)
	{
		CompileRun run = Compile(source);
		EXPECT_NE(run.status, 0) << source;
		EXPECT_NE(run.output.find("line "), std::string::npos) << run.output;
	}
}

TEST(LanguageCompiler, RefusesASourceTooLargeToBeHandWritten)
{
	// One comment line over the megabyte a source may weigh.
	CompileRun run = Compile("#" + std::string(1u << 20, '-') + "\n3 = fine\n");
	EXPECT_NE(run.status, 0);
	EXPECT_NE(run.output.find("larger than"), std::string::npos) << run.output;
	EXPECT_TRUE(run.table.empty()) << "no table may be left behind";
}
}
