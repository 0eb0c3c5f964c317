#ifndef PNGWRITER_H
#define PNGWRITER_H

#include <string>
#include <utility>
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
	std::vector<unsigned short> o_TransColour;   // tRNS colour of grey (one value) or RGB (three) pictures
	bool b_Interlace = false;               // Adam7
};

bool WritePng(const std::string& as_Path, const SPngSpec& ao_Spec);
// Small pictures of every colour type in every bit depth it allows, paletted ones with and without
// transparency, grey and RGB ones with a transparent colour too, each plain and interlaced; named
// after what they are ("rgb16-adam7").
std::vector<std::pair<std::string, SPngSpec>> PngVariety();
std::vector<unsigned char> ReadFileBytes(const std::string& as_Path);
bool WriteFileBytes(const std::string& as_Path, const std::vector<unsigned char>& ao_Bytes);

#endif
