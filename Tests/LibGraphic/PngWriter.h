#ifndef PNGWRITER_H
#define PNGWRITER_H

#include <string>
#include <vector>

// Small PNG files for the loader tests, written with libpng.
struct SPngSpec
{
	unsigned int u_Width = 1;
	unsigned int u_Height = 1;
	int i_ColorType = 6;   // PNG_COLOR_TYPE_RGB_ALPHA
	int i_BitDepth = 8;
	std::vector<unsigned char> o_Rows;      // packed rows as the file holds them
	std::vector<unsigned char> o_Palette;   // r, g, b triplets for paletted pictures
	std::vector<unsigned char> o_Trans;     // tRNS alphas for paletted pictures
};

bool WritePng(const std::string& as_Path, const SPngSpec& ao_Spec);
std::vector<unsigned char> ReadFileBytes(const std::string& as_Path);
bool WriteFileBytes(const std::string& as_Path, const std::vector<unsigned char>& ao_Bytes);

#endif
