// A language's interface texts, read from a hand-written source and written
// out as the binary string table the game loads.
#ifndef CSTRINGTABLE_H
#define CSTRINGTABLE_H

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class CStringTable
{
public:
	// Ids above this are refused: the table stores one offset per id, so a
	// mistyped id would otherwise bloat the file.
	static const uint32_t ku_IdMax = 999;

	// Reads a source (UTF-8 text, one "id = text" entry per line, '#' starts a
	// comment line; escapes \n and \\). Returns false at the first fault with
	// a message naming the line and the id.
	bool Parse(const std::string& as_Source, std::string& as_Error);

	// The table: N, N little-endian offsets, then the NUL-terminated texts
	// of ids 1..N. Ids without an entry share one empty text.
	std::vector<uint8_t> Serialize() const;

	// The text of an id in ISO-8859-1, empty when absent.
	std::string GetText(uint32_t au32_Id) const;

private:
	bool ParseLine(const std::string& as_Line, std::string& as_Error);
	static bool DecodeText(const std::string& as_Raw, std::string& as_Latin1, std::string& as_Error);
	static bool CheckFormat(const std::string& as_Latin1, std::string& as_Error);

	std::map<uint32_t, std::string> mo_Texts;
};

#endif
