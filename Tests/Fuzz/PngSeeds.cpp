// Writes the PNG harness's seeds into a folder: a small picture of every colour type, bit depth,
// transparency and interlacing (Tests/LibGraphic/PngWriter), written with libpng.
#include "PngWriter.h"

#include <cstdio>

int main(int argc, char** argv)
{
	if (argc != 2)
	{
		fprintf(stderr, "usage: png-seeds FOLDER\n");
		return 2;
	}
	for (const std::pair<std::string, SPngSpec>& oEntry : PngVariety())
		if (!WritePng(std::string(argv[1]) + "/" + oEntry.first + ".png", oEntry.second))
		{
			fprintf(stderr, "png-seeds: cannot write %s\n", oEntry.first.c_str());
			return 1;
		}
	return 0;
}
