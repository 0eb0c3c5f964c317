// Compares regions of screenshots for the scenario and window tests. Reads the replay's PNG
// shots and the XWD screen dumps of Xvfb. Exit 0 when the check holds, 1 when it fails, 2 on
// a bad command line or an unreadable picture.
//   differ A B X Y W H            some pixel of the region differs between A and B
//   same   A B X Y W H            every pixel of the region is the same in A and B
//   more   A B X Y W H RGB...     B has more pixels near one of the colours than A
//   none   A X Y W H RGB...       no pixel of the region is near one of the colours
//   like   A AX AY B BX BY W H P  the region at (AX, AY) of A and at (BX, BY) of B differ in at most
//                                 P percent of their pixels (a channel off by more than the tolerance)
//   crop   A X Y W H OUT.png      saves the region of A as a PNG picture
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{
	struct SPicture
	{
		unsigned int u_Width = 0;
		unsigned int u_Height = 0;
		std::vector<unsigned char> o_Rgb;   // three bytes a pixel, top row first
	};

	struct SRegion
	{
		unsigned int u_X, u_Y, u_W, u_H;
	};

	// Each channel within this distance counts as the same colour: edges are smoothed.
	const int ki_Tolerance = 40;

	bool ReadFile(const char* as_Path, std::vector<unsigned char>& ao_Bytes)
	{
		FILE* pFile = fopen(as_Path, "rb");
		if (pFile == nullptr)
			return false;
		unsigned char au8_Block[65536];
		size_t uRead;
		while ((uRead = fread(au8_Block, 1, sizeof(au8_Block), pFile)) > 0)
			ao_Bytes.insert(ao_Bytes.end(), au8_Block, au8_Block + uRead);
		// A read that stops on an error would otherwise pass a cut picture on as whole.
		const bool bOk = ferror(pFile) == 0;
		fclose(pFile);
		return bOk;
	}

	bool ReadPng(const std::vector<unsigned char>& ao_Bytes, SPicture& ao_Pic)
	{
		png_image oImage;
		memset(&oImage, 0, sizeof(oImage));
		oImage.version = PNG_IMAGE_VERSION;
		if (!png_image_begin_read_from_memory(&oImage, ao_Bytes.data(), ao_Bytes.size()))
			return false;
		oImage.format = PNG_FORMAT_RGB;
		ao_Pic.u_Width = oImage.width;
		ao_Pic.u_Height = oImage.height;
		ao_Pic.o_Rgb.resize(PNG_IMAGE_SIZE(oImage));
		return png_image_finish_read(&oImage, nullptr, ao_Pic.o_Rgb.data(), 0, nullptr) != 0;
	}

	unsigned int BigEndian(const unsigned char* ap_Bytes)
	{
		return (unsigned int)ap_Bytes[0] << 24 | (unsigned int)ap_Bytes[1] << 16 | (unsigned int)ap_Bytes[2] << 8 | ap_Bytes[3];
	}

	// An XWD dump of a 24-bit screen: 32-bit pixels, blue in the first byte.
	bool ReadXwd(const std::vector<unsigned char>& ao_Bytes, SPicture& ao_Pic)
	{
		const size_t kuHeaderFields = 25;
		if (ao_Bytes.size() < kuHeaderFields * 4)
			return false;
		unsigned int au_Field[kuHeaderFields];
		for (size_t i = 0; i < kuHeaderFields; ++i)
			au_Field[i] = BigEndian(&ao_Bytes[i * 4]);
		const unsigned int uHeader = au_Field[0], uWidth = au_Field[4], uHeight = au_Field[5];
		const unsigned int uByteOrder = au_Field[7], uBits = au_Field[11], uLine = au_Field[12], uColors = au_Field[19];
		if (au_Field[1] != 7 || uBits != 32 || uByteOrder != 0 || uWidth == 0 || uLine < uWidth * 4)
			return false;
		const unsigned long long uStart = uHeader + 12ull * uColors;
		if (uStart + (unsigned long long)uLine * uHeight > ao_Bytes.size())
			return false;
		ao_Pic.u_Width = uWidth;
		ao_Pic.u_Height = uHeight;
		ao_Pic.o_Rgb.resize((size_t)uWidth * uHeight * 3);
		for (unsigned int y = 0; y < uHeight; ++y)
		{
			const unsigned char* pRow = &ao_Bytes[uStart + (size_t)y * uLine];
			for (unsigned int x = 0; x < uWidth; ++x)
				for (int c = 0; c < 3; ++c)
					ao_Pic.o_Rgb[((size_t)y * uWidth + x) * 3 + c] = pRow[x * 4 + 2 - c];
		}
		return true;
	}

	bool ReadPicture(const char* as_Path, SPicture& ao_Pic)
	{
		std::vector<unsigned char> oBytes;
		if (!ReadFile(as_Path, oBytes))
			return false;
		const bool bPng = oBytes.size() >= 8 && png_sig_cmp(oBytes.data(), 0, 8) == 0;
		return bPng ? ReadPng(oBytes, ao_Pic) : ReadXwd(oBytes, ao_Pic);
	}

	bool Inside(const SPicture& ao_Pic, const SRegion& ao_Region)
	{
		return ao_Region.u_W > 0 && ao_Region.u_H > 0 &&
			(unsigned long long)ao_Region.u_X + ao_Region.u_W <= ao_Pic.u_Width &&
			(unsigned long long)ao_Region.u_Y + ao_Region.u_H <= ao_Pic.u_Height;
	}

	const unsigned char* Pixel(const SPicture& ao_Pic, unsigned int au_X, unsigned int au_Y)
	{
		return &ao_Pic.o_Rgb[((size_t)au_Y * ao_Pic.u_Width + au_X) * 3];
	}

	unsigned int DifferentPixels(const SPicture& ao_A, const SPicture& ao_B, const SRegion& ao_Region)
	{
		unsigned int uCount = 0;
		for (unsigned int y = ao_Region.u_Y; y < ao_Region.u_Y + ao_Region.u_H; ++y)
			for (unsigned int x = ao_Region.u_X; x < ao_Region.u_X + ao_Region.u_W; ++x)
				uCount += memcmp(Pixel(ao_A, x, y), Pixel(ao_B, x, y), 3) != 0;
		return uCount;
	}

	unsigned int NearPixels(const SPicture& ao_Pic, const SRegion& ao_Region, const std::vector<unsigned int>& ao_Colors)
	{
		unsigned int uCount = 0;
		for (unsigned int y = ao_Region.u_Y; y < ao_Region.u_Y + ao_Region.u_H; ++y)
			for (unsigned int x = ao_Region.u_X; x < ao_Region.u_X + ao_Region.u_W; ++x)
			{
				const unsigned char* pRgb = Pixel(ao_Pic, x, y);
				for (unsigned int uColor : ao_Colors)
				{
					const int iDr = abs(pRgb[0] - (int)(uColor >> 16 & 0xFF));
					const int iDg = abs(pRgb[1] - (int)(uColor >> 8 & 0xFF));
					const int iDb = abs(pRgb[2] - (int)(uColor & 0xFF));
					if (iDr <= ki_Tolerance && iDg <= ki_Tolerance && iDb <= ki_Tolerance)
					{
						++uCount;
						break;
					}
				}
			}
		return uCount;
	}

	bool ParseNumbers(char** as_Args, int ai_Count, unsigned int* ap_Out, int ai_Base)
	{
		for (int i = 0; i < ai_Count; ++i)
		{
			char* sEnd = nullptr;
			const unsigned long uValue = strtoul(as_Args[i], &sEnd, ai_Base);
			if (sEnd == as_Args[i] || *sEnd != '\0' || uValue > 0xFFFFFFFFul)
				return false;
			ap_Out[i] = (unsigned int)uValue;
		}
		return true;
	}

	// Prints what it counted and tells whether the check holds.
	bool Holds(const std::string& as_Command, const SPicture* ap_Pic, const SRegion& ao_Region,
	           const std::vector<unsigned int>& ao_Colors)
	{
		if (as_Command == "none")
		{
			const unsigned int uCount = NearPixels(ap_Pic[0], ao_Region, ao_Colors);
			printf("none: %u pixels near the colours\n", uCount);
			return uCount == 0;
		}
		if (as_Command == "more")
		{
			const unsigned int uCountA = NearPixels(ap_Pic[0], ao_Region, ao_Colors);
			const unsigned int uCountB = NearPixels(ap_Pic[1], ao_Region, ao_Colors);
			printf("more: %u pixels near the colours, then %u\n", uCountA, uCountB);
			return uCountB > uCountA;
		}
		const unsigned int uDiffer = DifferentPixels(ap_Pic[0], ap_Pic[1], ao_Region);
		printf("%s: %u pixels differ\n", as_Command.c_str(), uDiffer);
		return as_Command == "differ" ? uDiffer > 0 : uDiffer == 0;
	}

	int Usage()
	{
		fprintf(stderr, "usage: scenario-pixels differ|same A B X Y W H | more A B X Y W H RGB... | none A X Y W H RGB...\n"
		                "       | like A AX AY B BX BY W H PERCENT | crop A X Y W H OUT.png\n");
		return 2;
	}

	bool ReadAll(char** as_Paths, int ai_Count, SPicture* ap_Pic)
	{
		for (int i = 0; i < ai_Count; ++i)
		{
			if (!ReadPicture(as_Paths[i], ap_Pic[i]))
			{
				fprintf(stderr, "scenario-pixels: cannot read %s\n", as_Paths[i]);
				return false;
			}
		}
		return true;
	}

	// The same view drawn by two programs, wherever each window lies on its screen.
	int Like(char** as_Args)
	{
		SPicture aoPic[2];
		unsigned int au_A[2], au_B[2], au_Size[2], u_Percent;
		if (!ParseNumbers(as_Args + 1, 2, au_A, 10) || !ParseNumbers(as_Args + 4, 2, au_B, 10) ||
				!ParseNumbers(as_Args + 6, 2, au_Size, 10) || !ParseNumbers(as_Args + 8, 1, &u_Percent, 10))
			return Usage();
		char* asPaths[2] = {as_Args[0], as_Args[3]};
		if (!ReadAll(asPaths, 2, aoPic))
			return 2;
		const SRegion oRegionA = {au_A[0], au_A[1], au_Size[0], au_Size[1]};
		const SRegion oRegionB = {au_B[0], au_B[1], au_Size[0], au_Size[1]};
		if (!Inside(aoPic[0], oRegionA) || !Inside(aoPic[1], oRegionB))
		{
			fprintf(stderr, "scenario-pixels: a region lies outside its picture\n");
			return 2;
		}
		unsigned int uDiffer = 0;
		for (unsigned int y = 0; y < au_Size[1]; ++y)
			for (unsigned int x = 0; x < au_Size[0]; ++x)
			{
				const unsigned char* pA = Pixel(aoPic[0], au_A[0] + x, au_A[1] + y);
				const unsigned char* pB = Pixel(aoPic[1], au_B[0] + x, au_B[1] + y);
				for (int c = 0; c < 3; ++c)
					if (abs(pA[c] - pB[c]) > ki_Tolerance)
					{
						++uDiffer;
						break;
					}
			}
		const unsigned long long uTotal = (unsigned long long)au_Size[0] * au_Size[1];
		printf("like: %u of %llu pixels differ\n", uDiffer, uTotal);
		return uDiffer * 100ull <= uTotal * u_Percent ? 0 : 1;
	}

	int Crop(char** as_Args)
	{
		SPicture oPic;
		unsigned int au_Region[4];
		if (!ParseNumbers(as_Args + 1, 4, au_Region, 10))
			return Usage();
		if (!ReadAll(as_Args, 1, &oPic))
			return 2;
		const SRegion oRegion = {au_Region[0], au_Region[1], au_Region[2], au_Region[3]};
		if (!Inside(oPic, oRegion))
		{
			fprintf(stderr, "scenario-pixels: the region lies outside %s\n", as_Args[0]);
			return 2;
		}
		png_image oImage;
		memset(&oImage, 0, sizeof(oImage));
		oImage.version = PNG_IMAGE_VERSION;
		oImage.width = oRegion.u_W;
		oImage.height = oRegion.u_H;
		oImage.format = PNG_FORMAT_RGB;
		const unsigned char* pFirst = Pixel(oPic, oRegion.u_X, oRegion.u_Y);
		const int iStride = (int)oPic.u_Width * 3;
		if (!png_image_write_to_file(&oImage, as_Args[5], 0, pFirst, iStride, nullptr))
		{
			fprintf(stderr, "scenario-pixels: cannot write %s\n", as_Args[5]);
			return 2;
		}
		return 0;
	}
}

int main(int argc, char** argv)
{
	if (argc < 2)
		return Usage();
	const std::string sCommand = argv[1];
	if (sCommand == "like")
		return argc == 11 ? Like(argv + 2) : Usage();
	if (sCommand == "crop")
		return argc == 8 ? Crop(argv + 2) : Usage();
	const int iPictures = sCommand == "none" ? 1 : 2;
	const bool bColors = sCommand == "more" || sCommand == "none";
	const int iFixed = 2 + iPictures + 4;
	if ((sCommand != "differ" && sCommand != "same" && !bColors) || argc < iFixed + (bColors ? 1 : 0) ||
			(!bColors && argc != iFixed))
		return Usage();

	SPicture aoPic[2];
	if (!ReadAll(argv + 2, iPictures, aoPic))
		return 2;
	unsigned int au_Region[4];
	std::vector<unsigned int> oColors(argc - iFixed);
	if (!ParseNumbers(argv + 2 + iPictures, 4, au_Region, 10) || !ParseNumbers(argv + iFixed, argc - iFixed, oColors.data(), 16))
		return Usage();
	const SRegion oRegion = {au_Region[0], au_Region[1], au_Region[2], au_Region[3]};
	for (int i = 0; i < iPictures; ++i)
	{
		if (!Inside(aoPic[i], oRegion) || aoPic[i].u_Width != aoPic[0].u_Width || aoPic[i].u_Height != aoPic[0].u_Height)
		{
			fprintf(stderr, "scenario-pixels: the region lies outside %s, or the pictures differ in size\n", argv[2 + i]);
			return 2;
		}
	}

	return Holds(sCommand, aoPic, oRegion, oColors) ? 0 : 1;
}
