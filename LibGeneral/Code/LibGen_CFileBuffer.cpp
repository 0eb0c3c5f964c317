#include <stdio.h>
#include "LibGen_CFileBuffer.h"
#include "LibGen_CFileSystem.h"

bool LibGen_CFileBuffer::Load(const char* as_Path, u32 au32_SizeMax)
{
	Free();
	FILE* p_File = LibGen_CFileSystem::Instance()->OpenFile(as_Path, "rb");
	if (p_File == nullptr)
		return false;
	bool b_Ok = false;
	if (fseek(p_File, 0, SEEK_END) == 0)
	{
		const long l_Size = ftell(p_File);
		if (l_Size >= 0 && (unsigned long)l_Size <= au32_SizeMax && fseek(p_File, 0, SEEK_SET) == 0)
		{
			mp_Data = new u8[l_Size + 1];
			mu32_Size = (u32)l_Size;
			// A short read means the file changed or failed under us: nothing half-read is kept.
			b_Ok = fread(mp_Data, 1, mu32_Size, p_File) == mu32_Size;
			mp_Data[mu32_Size] = 0;
		}
	}
	fclose(p_File);
	if (!b_Ok)
		Free();
	return b_Ok;
}

void LibGen_CFileBuffer::Free()
{
	delete[] mp_Data;
	mp_Data = nullptr;
	mu32_Size = 0;
}

u8* LibGen_CFileBuffer::Release()
{
	u8* p_Data = mp_Data;
	mp_Data = nullptr;
	mu32_Size = 0;
	return p_Data;
}
