#include "CToolFile.h"

#include <cstdio>

bool CToolFile::Read(const std::string& as_Path, size_t au_MaxSize, std::vector<unsigned char>& ao_Bytes)
{
	ao_Bytes.clear();
	FILE* lp_File = std::fopen(as_Path.c_str(), "rb");
	if (lp_File == nullptr)
	{
		std::fprintf(stderr, "cannot open %s\n", as_Path.c_str());
		return false;
	}
	bool lb_Ok = std::fseek(lp_File, 0, SEEK_END) == 0;
	long ll_Size = lb_Ok ? std::ftell(lp_File) : -1;
	lb_Ok = ll_Size >= 0 && static_cast<unsigned long>(ll_Size) <= au_MaxSize && std::fseek(lp_File, 0, SEEK_SET) == 0;
	if (lb_Ok)
	{
		ao_Bytes.resize(static_cast<size_t>(ll_Size));
		lb_Ok = std::fread(ao_Bytes.data(), 1, ao_Bytes.size(), lp_File) == ao_Bytes.size();
	}
	std::fclose(lp_File);
	if (!lb_Ok)
	{
		std::fprintf(stderr, "cannot read %s (missing, larger than %zu bytes or short)\n", as_Path.c_str(), au_MaxSize);
		ao_Bytes.clear();
	}
	return lb_Ok;
}

bool CToolFile::Write(const std::string& as_Path, const std::vector<unsigned char>& ao_Bytes)
{
	const std::string ls_Temp = as_Path + ".part";
	FILE* lp_File = std::fopen(ls_Temp.c_str(), "wb");
	bool lb_Ok = lp_File != nullptr;
	if (lb_Ok)
	{
		lb_Ok = std::fwrite(ao_Bytes.data(), 1, ao_Bytes.size(), lp_File) == ao_Bytes.size();
		lb_Ok = (std::fclose(lp_File) == 0) && lb_Ok;
	}
	lb_Ok = lb_Ok && std::rename(ls_Temp.c_str(), as_Path.c_str()) == 0;
	if (!lb_Ok)
	{
		std::fprintf(stderr, "cannot write %s\n", as_Path.c_str());
		std::remove(ls_Temp.c_str());
	}
	return lb_Ok;
}
