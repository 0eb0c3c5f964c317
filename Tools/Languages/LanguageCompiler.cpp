// fudemaru-language SOURCE.txt OUTPUT.bin: compiles one language's texts.
#include "StringTable.h"

#include <cstdio>
#include <string>
#include <vector>

namespace
{
bool ReadFile(const char* as_Path, std::string& as_Content)
{
	FILE* file = fopen(as_Path, "rb");
	if (file == nullptr)
		return false;
	char buffer[4096];
	size_t got;
	while ((got = fread(buffer, 1, sizeof(buffer), file)) > 0)
		as_Content.append(buffer, got);
	bool ok = ferror(file) == 0;
	fclose(file);
	return ok;
}

// Written beside the target and renamed, so a failed run never leaves a
// partial table that the build would take as up to date.
bool WriteFile(const std::string& as_Path, const std::vector<uint8_t>& ao_Data)
{
	std::string temp = as_Path + ".tmp";
	FILE* file = fopen(temp.c_str(), "wb");
	if (file == nullptr)
		return false;
	bool ok = fwrite(ao_Data.data(), 1, ao_Data.size(), file) == ao_Data.size();
	ok = (fclose(file) == 0) && ok;
	if (ok)
		ok = rename(temp.c_str(), as_Path.c_str()) == 0;
	if (!ok)
		remove(temp.c_str());
	return ok;
}
}

int main(int argc, char** argv)
{
	if (argc != 3)
	{
		fprintf(stderr, "usage: %s SOURCE.txt OUTPUT.bin\n", argv[0]);
		return 2;
	}
	std::string source;
	if (!ReadFile(argv[1], source))
	{
		fprintf(stderr, "%s: cannot read\n", argv[1]);
		return 1;
	}
	StringTable table;
	std::string error;
	if (!table.Parse(source, error))
	{
		fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
		return 1;
	}
	if (!WriteFile(argv[2], table.Serialize()))
	{
		fprintf(stderr, "%s: cannot write\n", argv[2]);
		return 1;
	}
	return 0;
}
