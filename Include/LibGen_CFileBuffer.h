#ifndef LIBGEN_CFILEBUFFER_H
#define LIBGEN_CFILEBUFFER_H

#include "LibGen_DataTypes.h"

// A data file read whole, with one read, below the file system's current directory. A zero byte
// follows the data so that text parsers stop at the end.
class LibGen_CFileBuffer
{
public:
	enum : u32 { ku_Size_Max = 64 * 1024 * 1024 };  // bigger files are refused as corrupt

	LibGen_CFileBuffer() : mp_Data(nullptr), mu32_Size(0) {}
	~LibGen_CFileBuffer() { Free(); }
	LibGen_CFileBuffer(const LibGen_CFileBuffer&) = delete;
	LibGen_CFileBuffer& operator=(const LibGen_CFileBuffer&) = delete;

	// False when the file cannot be opened, is larger than the limit or cannot be read in full;
	// the problem is then reported on its line (LibGen_ReportData).
	bool Load(const char* as_Path, u32 au32_SizeMax = ku_Size_Max);
	void Free();
	// Hands the block over to the caller, who frees it with delete[]; the buffer is empty afterwards.
	u8* Release();

	u8* GetData() { return mp_Data; }
	const u8* GetData() const { return mp_Data; }
	u32 GetSize() const { return mu32_Size; }

private:
	u8* mp_Data;
	u32 mu32_Size;
};

#endif
