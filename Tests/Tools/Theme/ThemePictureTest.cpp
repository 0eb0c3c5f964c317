// Decodes the theme pictures and checks what the game relies on: sizes,
// opaque backgrounds, frame pieces that join and tile, customary colours.
#include <gtest/gtest.h>

#include <png.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{
const std::string kTheme = FUDEMARU_DATA_DIR "/Themes/Default/";

struct Picture
{
	unsigned width = 0;
	unsigned height = 0;
	std::vector<uint8_t> rgba;

	const uint8_t* At(unsigned x, unsigned y) const { return &rgba[4 * (y * width + x)]; }
};

Picture LoadPath(const std::string& as_Path)
{
	Picture picture;
	png_image image = {};
	image.version = PNG_IMAGE_VERSION;
	if (!png_image_begin_read_from_file(&image, as_Path.c_str()))
		return picture;
	image.format = PNG_FORMAT_RGBA;
	std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
	if (png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr))
	{
		picture.width = image.width;
		picture.height = image.height;
		picture.rgba.swap(pixels);
	}
	png_image_free(&image);
	return picture;
}

Picture Load(const std::string& as_Name)
{
	return LoadPath(kTheme + as_Name);
}

// Largest channel difference between column a of one picture and column b
// of another (rows compared one to one).
int ColumnGap(const Picture& p, unsigned a, const Picture& q, unsigned b)
{
	int gap = 0;
	for (unsigned y = 0; y < p.height && y < q.height; ++y)
		for (int c = 0; c < 4; ++c)
			gap = std::max(gap, std::abs(p.At(a, y)[c] - q.At(b, y)[c]));
	return gap;
}

int RowGap(const Picture& p, unsigned a, const Picture& q, unsigned b)
{
	int gap = 0;
	for (unsigned x = 0; x < p.width && x < q.width; ++x)
		for (int c = 0; c < 4; ++c)
			gap = std::max(gap, std::abs(p.At(x, a)[c] - q.At(x, b)[c]));
	return gap;
}

TEST(ThemeBackgrounds, AreFullScreenAndFullyOpaque)
{
	for (const char* name : {"Background/FondIntro.png", "Background/FondEcran.png"})
	{
		Picture picture = Load(name);
		ASSERT_EQ(picture.width, 480u) << name;
		ASSERT_EQ(picture.height, 272u) << name;
		unsigned seeThrough = 0;
		for (size_t i = 3; i < picture.rgba.size(); i += 4)
			seeThrough += picture.rgba[i] != 255;
		EXPECT_EQ(seeThrough, 0u) << name;
	}
}

TEST(ThemeWindow, PiecesShareTheirFrameSizes)
{
	const char* const names[9] = {"TopLeft", "TopMid", "TopRight", "MidLeft", "MidMid",
								  "MidRight", "BotLeft", "BotMid", "BotRight"};
	Picture piece[9];
	for (int i = 0; i < 9; ++i)
	{
		piece[i] = Load(std::string("Wnd_Main/") + names[i] + ".png");
		ASSERT_GT(piece[i].width, 0u) << names[i];
	}
	// Each row of the frame has one height, each column one width.
	for (int row = 0; row < 3; ++row)
		for (int col = 1; col < 3; ++col)
			EXPECT_EQ(piece[3 * row + col].height, piece[3 * row].height) << names[3 * row + col];
	for (int col = 0; col < 3; ++col)
		for (int row = 1; row < 3; ++row)
			EXPECT_EQ(piece[3 * row + col].width, piece[col].width) << names[3 * row + col];
}

TEST(ThemeWindow, EdgesTileWithoutSeamsAndJoinTheCorners)
{
	Picture topLeft = Load("Wnd_Main/TopLeft.png"), top = Load("Wnd_Main/TopMid.png");
	Picture topRight = Load("Wnd_Main/TopRight.png"), left = Load("Wnd_Main/MidLeft.png");
	Picture centre = Load("Wnd_Main/MidMid.png"), right = Load("Wnd_Main/MidRight.png");
	Picture bottom = Load("Wnd_Main/BotMid.png"), botLeft = Load("Wnd_Main/BotLeft.png");
	ASSERT_GT(top.width * left.width * centre.width * bottom.width * right.width, 0u);
	const int tolerance = 8;
	// Repeated along their length: the last line meets the first.
	EXPECT_LE(ColumnGap(top, top.width - 1, top, 0), tolerance);
	EXPECT_LE(ColumnGap(bottom, bottom.width - 1, bottom, 0), tolerance);
	EXPECT_LE(RowGap(left, left.height - 1, left, 0), tolerance);
	EXPECT_LE(RowGap(right, right.height - 1, right, 0), tolerance);
	EXPECT_LE(ColumnGap(centre, centre.width - 1, centre, 0), tolerance);
	EXPECT_LE(RowGap(centre, centre.height - 1, centre, 0), tolerance);
	// Neighbouring pieces continue each other.
	EXPECT_LE(ColumnGap(topLeft, topLeft.width - 1, top, 0), tolerance);
	EXPECT_LE(ColumnGap(top, top.width - 1, topRight, 0), tolerance);
	EXPECT_LE(RowGap(topLeft, topLeft.height - 1, left, 0), tolerance);
	EXPECT_LE(RowGap(left, left.height - 1, botLeft, 0), tolerance);
}

TEST(ThemeWindow, OuterCornersAreSeeThroughAndTheClientAreaIsOpaque)
{
	Picture topLeft = Load("Wnd_Main/TopLeft.png"), botRight = Load("Wnd_Main/BotRight.png");
	Picture centre = Load("Wnd_Main/MidMid.png");
	ASSERT_GT(topLeft.width * botRight.width * centre.width, 0u);
	EXPECT_EQ(topLeft.At(0, 0)[3], 0);
	EXPECT_EQ(botRight.At(botRight.width - 1, botRight.height - 1)[3], 0);
	for (size_t i = 3; i < centre.rgba.size(); i += 4)
		ASSERT_EQ(centre.rgba[i], 255);
}

TEST(ThemeIcons, ButtonsAndMenuIconsHaveTheirSizes)
{
	for (const char* name : {"Cross", "Triangle", "Circle", "Square", "Up", "Down", "Left", "Right", "UpDown", "LeftRight"})
	{
		Picture picture = Load(std::string("Tooltips/Pc/") + name + ".png");
		EXPECT_TRUE(picture.width >= 20 && picture.width <= 28 && picture.height == picture.width) << name;
		if (picture.width)
		{
			EXPECT_EQ(picture.At(0, 0)[3], 0) << name << " is round, its corner see-through";
		}
	}
	for (const char* name : {"Main_Empty", "Main_Quit", "Main_FromRomanji", "Main_ToRomanji"})
	{
		Picture picture = Load(std::string("Icon_Menu/") + name + ".png");
		EXPECT_TRUE(picture.width >= 36 && picture.width <= 44 && picture.height == picture.width) << name;
	}
}

// Counts the opaque pixels whose colour passes the test.
template <class Test>
unsigned Count(const Picture& picture, Test test)
{
	unsigned count = 0;
	for (size_t i = 0; i < picture.rgba.size(); i += 4)
	{
		const uint8_t* p = &picture.rgba[i];
		count += p[3] > 200 && test(p[0], p[1], p[2]);
	}
	return count;
}

TEST(ThemeIcons, FaceButtonsWearTheirCustomaryColours)
{
	auto blue = [](int r, int g, int b) { return b > r + 80 && b > g + 40; };
	auto red = [](int r, int g, int b) { return r > g + 100 && r > b + 100; };
	auto green = [](int r, int g, int b) { return g > r + 80 && g > b + 40; };
	auto pink = [](int r, int g, int b) { return r > g + 80 && b > g + 60 && r > b; };
	Picture cross = Load("Tooltips/Pc/Cross.png"), circle = Load("Tooltips/Pc/Circle.png");
	Picture triangle = Load("Tooltips/Pc/Triangle.png"), square = Load("Tooltips/Pc/Square.png");
	EXPECT_GT(Count(cross, blue), 20u);
	EXPECT_GT(Count(circle, red), 20u);
	EXPECT_GT(Count(triangle, green), 20u);
	EXPECT_GT(Count(square, pink), 20u);
	EXPECT_EQ(Count(cross, red) + Count(cross, green), 0u);
	EXPECT_EQ(Count(circle, blue) + Count(circle, green), 0u);
}

// Light pixels (the arrow heads) in the first and last three lines of their
// extent, lines being rows (vertical) or columns.
std::pair<unsigned, unsigned> LightEnds(const Picture& picture, bool ab_Vertical)
{
	std::vector<unsigned> lines(ab_Vertical ? picture.height : picture.width, 0);
	for (unsigned y = 0; y < picture.height; ++y)
		for (unsigned x = 0; x < picture.width; ++x)
		{
			const uint8_t* p = picture.At(x, y);
			if (p[3] > 200 && p[0] + p[1] + p[2] > 3 * 180)
				++lines[ab_Vertical ? y : x];
		}
	std::vector<unsigned> lit;
	for (unsigned count : lines)
		if (count > 0)
			lit.push_back(count);
	std::pair<unsigned, unsigned> ends(0, 0);
	for (size_t i = 0; i < lit.size() && i < 3; ++i)
	{
		ends.first += lit[i];
		ends.second += lit[lit.size() - 1 - i];
	}
	return ends;
}

TEST(ThemeIcons, ArrowsPointTheirWay)
{
	// An arrow head is narrow at its tip and wide at its base.
	auto up = LightEnds(Load("Tooltips/Pc/Up.png"), true);
	auto down = LightEnds(Load("Tooltips/Pc/Down.png"), true);
	auto left = LightEnds(Load("Tooltips/Pc/Left.png"), false);
	auto right = LightEnds(Load("Tooltips/Pc/Right.png"), false);
	EXPECT_LT(up.first, up.second);
	EXPECT_GT(down.first, down.second);
	EXPECT_LT(left.first, left.second);
	EXPECT_GT(right.first, right.second);
	// The pairs point both ways: narrow at both ends.
	auto upDown = LightEnds(Load("Tooltips/Pc/UpDown.png"), true);
	auto leftRight = LightEnds(Load("Tooltips/Pc/LeftRight.png"), false);
	auto upDownSide = LightEnds(Load("Tooltips/Pc/UpDown.png"), false);
	EXPECT_GT(upDown.first + upDown.second, 0u);
	EXPECT_LT(upDown.first + upDown.second, upDownSide.first + upDownSide.second);
	EXPECT_GT(leftRight.first + leftRight.second, 0u);
}
}

TEST(ThemeIcons, DesktopIconIsARoundedPaperSquareInEverySize)
{
	for (const unsigned u_Size : {16u, 24u, 32u, 48u, 64u, 128u, 256u})
	{
		const std::string s_Size = std::to_string(u_Size);
		const Picture o_Icon = LoadPath(std::string(FUDEMARU_ICON_DIR "/") + s_Size + "x" + s_Size + "/apps/fudemaru.png");
		ASSERT_EQ(u_Size, o_Icon.width);
		ASSERT_EQ(u_Size, o_Icon.height);
		EXPECT_EQ(0, o_Icon.At(0, 0)[3]) << s_Size << ": see-through outside the rounded corner";
		EXPECT_EQ(255, o_Icon.At(u_Size / 2, u_Size * 20 / 256)[3]) << s_Size << ": opaque paper inside";
		EXPECT_EQ(255, o_Icon.At(u_Size * 20 / 256, u_Size / 2)[3]) << s_Size;
	}
}
