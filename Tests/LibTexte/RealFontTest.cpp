#include <stdio.h>
#include <string>
#include <vector>
#include <gtest/gtest.h>
#include "LibGen_CFileSystem.h"
#include "LibText_CTextBase.h"

// The game's own fonts from the build's Data folder, drawn through the text layout.
namespace {

typedef LibText_CTextBase TB;

// 漢 in EUC-JP; its JIS position index is (20 - 1) * 94 + (34 - 1) - 1 = 1818.
const char* const ks_Kan = "\xB4\xC1";
const u32 ku_KanIndex = 1818;

class RealFontTest : public ::testing::Test
{
protected:
	static void SetUpTestSuite()
	{
		LibGen_CFileSystem::Instance()->SetCurrentDir(FUDEMARU_DATA_PARENT);
		so_Latin.LoadBdf("./Data/Fonts/xtal-14.bdf");
	}
	void SetUp() override
	{
		LibGen_CFileSystem::Instance()->SetCurrentDir(FUDEMARU_DATA_PARENT);
		ASSERT_TRUE(so_Latin.IsLoaded()) << "build the data first (target FudemaruData)";
	}

	// Reads one glyph straight from the file and decodes it by the file's own bit order.
	static std::vector<u8> RawGlyph(const char* as_Path, int ai_Size, bool ab_LeftInBit7)
	{
		const int i_Bytes = (ai_Size + 7) / 8 * ai_Size;
		std::vector<u8> o_File(i_Bytes), o_Pixels(ai_Size * ai_Size);
		FILE* p_File = fopen((std::string(FUDEMARU_DATA_PARENT) + "/" + as_Path).c_str(), "rb");
		EXPECT_NE(nullptr, p_File);
		if (p_File == nullptr)
			return o_Pixels;
		EXPECT_EQ(0, fseek(p_File, (long)ku_KanIndex * i_Bytes, SEEK_SET));
		EXPECT_EQ((size_t)i_Bytes, fread(o_File.data(), 1, i_Bytes, p_File));
		fclose(p_File);
		for (int y = 0; y < ai_Size; ++y)
			for (int x = 0; x < ai_Size; ++x)
			{
				const u8 u8_Byte = o_File[y * ((ai_Size + 7) / 8) + x / 8];
				o_Pixels[y * ai_Size + x] = (u8_Byte >> (ab_LeftInBit7 ? 7 - x % 8 : x % 8)) & 1;
			}
		return o_Pixels;
	}

	static void Draw(TB& ao_Text, const char* as_Text)
	{
		ao_Text.TxtSetText(as_Text, false);
		ao_Text.TxtUpdate();
	}

	// First and last rows holding ink, and the ink runs of a row.
	static int InkRow(const TB& ao_Text, bool ab_First)
	{
		const int W = ao_Text.TxtGetWidth(), H = ao_Text.TxtGetHeight();
		for (int i = 0; i < H; ++i)
		{
			const int y = ab_First ? i : H - 1 - i;
			for (int x = 0; x < W; ++x)
				if (ao_Text.TxtGetPixels()[y * W + x])
					return y;
		}
		return -1;
	}
	static std::vector<int> Runs(const TB& ao_Text, int y)
	{
		std::vector<int> o_Runs;
		const u8* p_Row = ao_Text.TxtGetPixels() + y * ao_Text.TxtGetWidth();
		for (int x = 0; x < ao_Text.TxtGetWidth(); ++x)
		{
			if (p_Row[x] && (x == 0 || !p_Row[x - 1]))
				o_Runs.push_back(0);
			if (p_Row[x])
				++o_Runs.back();
		}
		return o_Runs;
	}

	void CheckKan(const char* as_Path, int ai_Size, bool ab_BitSwap)
	{
		LibText_CFont o_Kanji;
		ASSERT_TRUE(o_Kanji.LoadBinFixed(as_Path, ai_Size, ai_Size, 0, ab_BitSwap));
		EXPECT_EQ(94u * 94u - 1, o_Kanji.GetCodeLast());
		TB o_Text;
		o_Text.TxtSetFont(&so_Latin, &o_Kanji);
		o_Text.TxtSetTextType(TB::ke_TxtType_Euc);
		o_Text.TxtSetSize(ai_Size, ai_Size);
		Draw(o_Text, ks_Kan);

		const std::vector<u8> o_Raw = RawGlyph(as_Path + 2, ai_Size, ab_BitSwap);
		int i_Ink = 0, i_Left = 0, i_Mismatch = 0;
		for (int i = 0; i < ai_Size * ai_Size; ++i)
		{
			i_Ink += o_Raw[i];
			i_Left += (i % ai_Size < ai_Size / 3) ? o_Raw[i] : 0;
			i_Mismatch += o_Raw[i] != o_Text.TxtGetPixels()[i];
		}
		EXPECT_EQ(0, i_Mismatch);
		// A dense character with the water radical on its left.
		EXPECT_GT(i_Ink, ai_Size * ai_Size / 8);
		EXPECT_LT(i_Ink, ai_Size * ai_Size * 2 / 3);
		EXPECT_GT(i_Left, 0);
		EXPECT_GT(i_Ink - i_Left, i_Left);
	}

	static LibText_CFont so_Latin;
};

LibText_CFont RealFontTest::so_Latin;

TEST_F(RealFontTest, KanIn16PixelFont)
{
	CheckKan("./Data/Fonts/kijis16.fnt", 16, false);
}

TEST_F(RealFontTest, KanIn48PixelFontIsBitSwapped)
{
	CheckKan("./Data/Fonts/jis48.fnt", 48, true);
}

TEST_F(RealFontTest, LatinCapitalAAndEAcute)
{
	EXPECT_EQ(32u, so_Latin.GetCodeFirst());
	EXPECT_EQ(255u, so_Latin.GetCodeLast());
	TB o_A, o_E, o_EAcute;
	for (TB* p : { &o_A, &o_E, &o_EAcute })
		p->TxtSetFont(&so_Latin);
	Draw(o_A, "A");
	Draw(o_E, "e");
	Draw(o_EAcute, "\xE9");
	EXPECT_EQ(so_Latin.GetHeight(), o_A.TxtGetHeight());
	EXPECT_GT(o_A.TxtGetWidth(), 5);

	// A: a narrow apex on top, two legs at the bottom, standing on the baseline like e.
	const int i_ATop = InkRow(o_A, true), i_ABottom = InkRow(o_A, false);
	ASSERT_GE(i_ATop, 0);
	EXPECT_GE(i_ABottom - i_ATop, 8);
	EXPECT_EQ(1u, Runs(o_A, i_ATop).size());
	EXPECT_LE(Runs(o_A, i_ATop)[0], 3);
	EXPECT_EQ(2u, Runs(o_A, i_ABottom).size());
	EXPECT_EQ(InkRow(o_E, false), i_ABottom);

	// é is e with an accent above it: same bottom, ink higher up, and the e body unchanged.
	const int i_ETop = InkRow(o_E, true);
	ASSERT_GE(i_ETop, 0);
	EXPECT_EQ(InkRow(o_E, false), InkRow(o_EAcute, false));
	EXPECT_LT(InkRow(o_EAcute, true), i_ETop - 1);
	const int W = o_E.TxtGetWidth();
	ASSERT_EQ(W, o_EAcute.TxtGetWidth());
	for (int y = i_ETop; y < o_E.TxtGetHeight(); ++y)
		for (int x = 0; x < W; ++x)
			EXPECT_EQ(o_E.TxtGetPixels()[y * W + x], o_EAcute.TxtGetPixels()[y * W + x]) << x << "," << y;
}

}
