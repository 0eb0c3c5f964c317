#include "CStringTable.h"

#include <cstdio>

namespace
{
std::string Trim(const std::string& as_Text)
{
	const char* const ws = " \t";
	size_t first = as_Text.find_first_not_of(ws);
	if (first == std::string::npos)
		return std::string();
	size_t last = as_Text.find_last_not_of(ws);
	return as_Text.substr(first, last - first + 1);
}

void PutU32(std::vector<uint8_t>& ao_Out, size_t au_Pos, uint32_t au32_Value)
{
	for (int i = 0; i < 4; ++i)
		ao_Out[au_Pos + i] = static_cast<uint8_t>(au32_Value >> (8 * i));
}
}

bool CStringTable::Parse(const std::string& as_Source, std::string& as_Error)
{
	mo_Texts.clear();
	size_t start = 0;
	unsigned lineNo = 0;
	while (start < as_Source.size())
	{
		size_t end = as_Source.find('\n', start);
		if (end == std::string::npos)
			end = as_Source.size();
		std::string line = as_Source.substr(start, end - start);
		start = end + 1;
		++lineNo;
		if (!line.empty() && line.back() == '\r')
			line.pop_back();
		std::string error;
		if (!ParseLine(line, error))
		{
			char prefix[32];
			snprintf(prefix, sizeof(prefix), "line %u: ", lineNo);
			as_Error = prefix + error;
			return false;
		}
	}
	return true;
}

bool CStringTable::ParseLine(const std::string& as_Line, std::string& as_Error)
{
	std::string line = Trim(as_Line);
	if (line.empty() || line[0] == '#')
		return true;

	size_t eq = line.find('=');
	std::string idText = Trim(line.substr(0, eq == std::string::npos ? line.size() : eq));
	if (eq == std::string::npos || idText.empty() ||
		idText.find_first_not_of("0123456789") != std::string::npos || idText.size() > 4)
	{
		as_Error = "expected \"id = text\"";
		return false;
	}
	uint32_t id = static_cast<uint32_t>(std::stoul(idText));
	char idName[32];
	snprintf(idName, sizeof(idName), "id %u: ", id);
	if (id == 0 || id > ku_IdMax)
	{
		as_Error = std::string(idName) + "ids run from 1 to 999 (0 is always the empty text)";
		return false;
	}
	if (mo_Texts.count(id))
	{
		as_Error = std::string(idName) + "given twice";
		return false;
	}
	std::string latin1;
	std::string error;
	if (!DecodeText(Trim(line.substr(eq + 1)), latin1, error) || !CheckFormat(latin1, error))
	{
		as_Error = idName + error;
		return false;
	}
	mo_Texts[id] = latin1;
	return true;
}

// The texts are drawn with a Latin-1 bitmap font: anything outside
// ISO-8859-1, and the C1 controls that font has no glyph for, is refused.
bool CStringTable::DecodeText(const std::string& as_Raw, std::string& as_Latin1, std::string& as_Error)
{
	as_Latin1.clear();
	for (size_t i = 0; i < as_Raw.size();)
	{
		unsigned char c = static_cast<unsigned char>(as_Raw[i]);
		if (c == '\\')
		{
			char next = i + 1 < as_Raw.size() ? as_Raw[i + 1] : '\0';
			if (next == 'n')
				as_Latin1 += '\n';
			else if (next == '\\')
				as_Latin1 += '\\';
			else
			{
				as_Error = "unknown escape (only \\n and \\\\ exist)";
				return false;
			}
			i += 2;
			continue;
		}
		unsigned length = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
		uint32_t code = length == 1 ? c : length == 2 ? (c & 0x1F) : length == 3 ? (c & 0x0F) : (c & 0x07);
		bool valid = length != 0 && i + length <= as_Raw.size();
		for (unsigned k = 1; valid && k < length; ++k)
		{
			unsigned char cont = static_cast<unsigned char>(as_Raw[i + k]);
			valid = (cont & 0xC0) == 0x80;
			code = (code << 6) | (cont & 0x3F);
		}
		if (!valid || (length == 2 && code < 0x80))
		{
			as_Error = "the text is not valid UTF-8";
			return false;
		}
		if (code > 0xFF || code < 0x20 || (code >= 0x7F && code < 0xA0))
		{
			char message[96];
			snprintf(message, sizeof(message), "character U+%04X is not a printable ISO-8859-1 character", code);
			as_Error = message;
			return false;
		}
		as_Latin1 += static_cast<char>(code);
		i += length;
	}
	return true;
}

// Some texts are printf formats filled with ints; any other conversion
// would read arguments that are not there, so only %i and %% are allowed.
bool CStringTable::CheckFormat(const std::string& as_Latin1, std::string& as_Error)
{
	for (size_t i = 0; i < as_Latin1.size(); ++i)
	{
		if (as_Latin1[i] != '%')
			continue;
		char next = i + 1 < as_Latin1.size() ? as_Latin1[i + 1] : '\0';
		if (next != 'i' && next != '%')
		{
			as_Error = "'%' may only be followed by 'i' or '%'";
			return false;
		}
		++i;
	}
	return true;
}

std::vector<uint8_t> CStringTable::Serialize() const
{
	uint32_t count = mo_Texts.empty() ? 0 : mo_Texts.rbegin()->first;
	std::vector<uint8_t> out(4 + 4 * static_cast<size_t>(count), 0);
	PutU32(out, 0, count);
	size_t emptyOffset = 0;
	for (uint32_t id = 1; id <= count; ++id)
	{
		auto it = mo_Texts.find(id);
		if (it == mo_Texts.end() && emptyOffset != 0)
		{
			PutU32(out, 4 * id, static_cast<uint32_t>(emptyOffset));
			continue;
		}
		PutU32(out, 4 * id, static_cast<uint32_t>(out.size()));
		if (it == mo_Texts.end())
			emptyOffset = out.size();
		else
			out.insert(out.end(), it->second.begin(), it->second.end());
		out.push_back(0);
	}
	return out;
}

std::string CStringTable::GetText(uint32_t au32_Id) const
{
	auto it = mo_Texts.find(au32_Id);
	return it == mo_Texts.end() ? std::string() : it->second;
}
