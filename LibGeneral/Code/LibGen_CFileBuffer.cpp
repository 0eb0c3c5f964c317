#include <errno.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include "LibGen_CFileBuffer.h"
#include "LibGen_CFileSystem.h"
#include "LibGen_Utils.h"

bool LibGen_CFileBuffer::Load(const char* as_Path, u32 au32_SizeMax)
{
	Free();
	FILE* p_File = LibGen_CFileSystem::Instance()->OpenFile(as_Path, "rb");
	if (p_File == nullptr)
	{
		LibGen_ReportData(as_Path, "cannot be opened (%s)", strerror(errno));
		return false;
	}
	bool b_Ok = false;
	// A folder opens too, and tells no size that means anything.
	struct stat o_Stat;
	const bool b_Regular = fstat(fileno(p_File), &o_Stat) == 0 && S_ISREG(o_Stat.st_mode);
	const long l_Size = b_Regular && fseek(p_File, 0, SEEK_END) == 0 ? ftell(p_File) : -1;
	if (!b_Regular)
		LibGen_ReportData(as_Path, "is no file but a folder or a device");
	else if (l_Size >= 0 && (unsigned long)l_Size > au32_SizeMax)
		LibGen_ReportData(as_Path, "is %ld bytes long, more than the %u a file of its kind may be", l_Size, au32_SizeMax);
	else
	{
		if (l_Size >= 0 && fseek(p_File, 0, SEEK_SET) == 0)
		{
			mp_Data = new u8[l_Size + 1];
			mu32_Size = (u32)l_Size;
			// A short read means the file changed or failed under us: nothing half-read is kept.
			b_Ok = fread(mp_Data, 1, mu32_Size, p_File) == mu32_Size;
			mp_Data[mu32_Size] = 0;
		}
		if (!b_Ok)
			LibGen_ReportData(as_Path, "cannot be read in full");
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
