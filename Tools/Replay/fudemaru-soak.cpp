// Writes a replay script that soaks the game, on standard output:
//   fudemaru-soak random SEED FRAMES   random buttons from a seed, about FRAMES frames
//   fudemaru-soak tour ROUNDS          every mode entered and left, ROUNDS times
#include "CSoakScript.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
	// A whole decimal number of at most 9 digits.
	bool ParseCount(const char* as_Text, u32& au32_Value)
	{
		char* sEnd = nullptr;
		const unsigned long ulValue = strtoul(as_Text, &sEnd, 10);
		if (as_Text[0] < '0' || as_Text[0] > '9' || *sEnd != '\0' || ulValue > 999999999ul)
			return false;
		au32_Value = static_cast<u32>(ulValue);
		return true;
	}
}

int main(int argc, char** argv)
{
	const std::string sMode = argc > 1 ? argv[1] : "";
	u32 u32_First = 0;
	u32 u32_Second = 0;
	CSoakScript oScript;
	std::string sText;
	if (sMode == "random" && argc == 4 && ParseCount(argv[2], u32_First) && ParseCount(argv[3], u32_Second))
		sText = oScript.Random(u32_First, u32_Second);
	else if (sMode == "tour" && argc == 3 && ParseCount(argv[2], u32_First))
		sText = oScript.Tour(u32_First);
	else
	{
		fprintf(stderr, "usage: fudemaru-soak random SEED FRAMES | tour ROUNDS\n");
		return 2;
	}
	fputs(sText.c_str(), stdout);
	return 0;
}
