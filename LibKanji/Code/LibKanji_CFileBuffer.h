#ifndef LIBKANJI_CFILEBUFFER_H
#define LIBKANJI_CFILEBUFFER_H

#include "LibGen_DataTypes.h"

// A data file read whole, with one read, below the file system's current directory. A zero byte
// follows the data so that text parsers stop at the end.
class LibKanji_CFileBuffer
{
public:
	enum { ku_Size_Max = 64 * 1024 * 1024 };  // bigger files are refused as corrupt

	LibKanji_CFileBuffer() : mp_Data(nullptr), mu32_Size(0) {}
	~LibKanji_CFileBuffer() { Free(); }
	LibKanji_CFileBuffer(const LibKanji_CFileBuffer&) = delete;
	LibKanji_CFileBuffer& operator=(const LibKanji_CFileBuffer&) = delete;

	// False when the file cannot be opened, is too big or cannot be read in full.
	bool Load(const char* as_Path);
	void Free();

	const u8* GetData() const { return mp_Data; }
	u32 GetSize() const { return mu32_Size; }

private:
	u8* mp_Data;
	u32 mu32_Size;
};

#endif
