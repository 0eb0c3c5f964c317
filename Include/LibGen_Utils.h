#ifndef LIBGEN_UTILS_H
#define LIBGEN_UTILS_H

#include <stddef.h>
#include <stdio.h>
#include "LibGen_DataTypes.h"

// The value of one hexadecimal digit of either case, or -1 when ac is not one.
int  LibGen_HexDigit(unsigned char ac);
u32  HexValue(const char* as_Text, unsigned char au8_DigitMax);
u32  HexValue(const unsigned char* as_Text, unsigned char au8_DigitMax);
bool IsSameString(const char* as_Text1, const char* as_Text2, bool ab_IgnoreCase);
// A copy of at most au_MaxLen bytes of as_Text, always terminated; the caller frees it with delete[].
char* LibGen_StrDup(const char* as_Text, size_t au_MaxLen = SIZE_MAX);
// The JIS X 0208 position, from 0, of the EUC-JP bytes au8_High and au8_Low: (row - 1) * 94 + (cell - 1),
// each byte being 0xA0 + its row or cell. Bytes outside 0xA1..0xFE give a position outside the table.
inline int LibGen_EucToJisIndex(u8 au8_High, u8 au8_Low)
{
	return au8_High * 94 + au8_Low - (0xA1 * 94 + 0xA1);
}

// Whether the elements of XML text nest at most au32_DepthMax deep. TinyXML parses one level per
// call frame, so a hostile file must be measured before it is handed over. Comments, CDATA and
// declarations are skipped; quoted attribute values may hold '>'.
bool XmlDepthWithin(const char* as_Text, u32 au32_DepthMax);

// The program's only diagnostic channel: formatted into 512 bytes (longer texts are cut), then
// written by the platform's side: standard output, or the debugger's output on Windows.
void DebugOutput(const char* as_Format, ...) __attribute__((format(printf, 1, 2)));
void LibGen_DebugWrite(const char* as_Text);

// A data file that failed to load, or loaded only in part: one line on standard error,
// "Fudemaru: FILE: WHAT", the file named without its leading "./". Every loader reports through
// here and nothing else writes there, so a run on sound data prints nothing.
void LibGen_ReportData(const char* as_File, const char* as_Format, ...) __attribute__((format(printf, 2, 3)));
// The same for a file that an XML parser refused: the row and column it gives (when it knows
// them, from 1) and its own words.
void LibGen_ReportXmlError(const char* as_File, int ai_Row, int ai_Column, const char* as_Error);
// The number of problems LibGen_ReportData has been given since the program started.
u32 LibGen_GetReportCount();
// Where the lines go, standard error unless set; null only counts them (the fuzzers, which try
// millions of broken files).
void LibGen_SetReportStream(FILE* ap_Stream);
// Called with each problem's "FILE: WHAT" as well, even when the stream is null: the game keeps
// the lines for the player who sees no terminal. Null, the default, calls nothing.
typedef void (*LibGen_ReportHook)(const char* as_Line);
void LibGen_SetReportHook(LibGen_ReportHook ap_Hook);

// Writes the three-line assertion report, then fails like the standard assert.
[[noreturn]] void LibGen_AssertFail(const char* as_Cond, int ai_Line, const char* as_File, const char* as_Function);

#define LIBGEN_ASSERT(cond) \
	do { if (!(cond)) LibGen_AssertFail(#cond, __LINE__, __FILE__, __PRETTY_FUNCTION__); } while (0)

#endif
