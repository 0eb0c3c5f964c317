#ifndef CTOOLFILE_H
#define CTOOLFILE_H

#include <cstddef>
#include <string>
#include <vector>

// Whole-file reading and writing for the data builders.
class CToolFile
{
public:
	// Reads a file of at most au_MaxSize bytes; false (with a message on stderr) when it cannot be
	// opened, is larger, or reads short.
	static bool Read(const std::string& as_Path, size_t au_MaxSize, std::vector<unsigned char>& ao_Bytes);
	// Writes beside the target, then renames, so an interrupted build never leaves a partial file
	// that looks up to date.
	static bool Write(const std::string& as_Path, const std::vector<unsigned char>& ao_Bytes);
};

#endif
