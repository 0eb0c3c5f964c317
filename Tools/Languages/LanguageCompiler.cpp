// fudemaru-language SOURCE.txt OUTPUT.bin: compiles one language's texts.
#include "CToolFile.h"
#include "CStringTable.h"

#include <cstdio>
#include <string>
#include <vector>

namespace
{
// A hand-written source is a few kilobytes; anything this large is a wrong argument.
const size_t ku_MaxSourceSize = 1u << 20;
}

int main(int argc, char** argv)
{
	if (argc != 3)
	{
		fprintf(stderr, "usage: %s SOURCE.txt OUTPUT.bin\n", argv[0]);
		return 2;
	}
	std::vector<unsigned char> bytes;
	if (!CToolFile::Read(argv[1], ku_MaxSourceSize, bytes))
		return 1;
	CStringTable table;
	std::string error;
	if (!table.Parse(std::string(bytes.begin(), bytes.end()), error))
	{
		fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
		return 1;
	}
	if (!CToolFile::Write(argv[2], table.Serialize()))
		return 1;
	return 0;
}
