#include <stdio.h>
#include "LibGen_CFileSystem.h"
#include "LibText_Utils.h"

bool LibText_ReadFile(const char* as_Path, u32 au32_SizeMax, u8*& ap_Data, u32& au32_Size)
{
	ap_Data = nullptr;
	au32_Size = 0;
	FILE* p_File = LibGen_CFileSystem::Instance()->OpenFile(as_Path, "rb");
	if (p_File == nullptr)
		return false;

	bool b_Ok = fseek(p_File, 0, SEEK_END) == 0;
	const long l_Size = b_Ok ? ftell(p_File) : -1;
	b_Ok = l_Size >= 0 && (unsigned long)l_Size <= au32_SizeMax && fseek(p_File, 0, SEEK_SET) == 0;
	if (b_Ok)
	{
		ap_Data = new u8[l_Size + 1];
		// A short read means the file changed or failed under us: nothing half-read is kept.
		b_Ok = fread(ap_Data, 1, l_Size, p_File) == (size_t)l_Size;
		if (b_Ok)
		{
			ap_Data[l_Size] = 0;
			au32_Size = (u32)l_Size;
		}
		else
		{
			delete[] ap_Data;
			ap_Data = nullptr;
		}
	}
	fclose(p_File);
	return b_Ok;
}

u8 LibText_ReverseBits(u8 au8_Byte)
{
	au8_Byte = (u8)((au8_Byte & 0xF0) >> 4 | (au8_Byte & 0x0F) << 4);
	au8_Byte = (u8)((au8_Byte & 0xCC) >> 2 | (au8_Byte & 0x33) << 2);
	return (u8)((au8_Byte & 0xAA) >> 1 | (au8_Byte & 0x55) << 1);
}
