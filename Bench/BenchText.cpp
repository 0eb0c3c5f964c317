#include "LibGen_CFileSystem.h"
#include "LibText_CTextBase.h"

#include <benchmark/benchmark.h>

#include <stdio.h>

namespace
{
	const int ki_KanaCells = 69;

	// The fonts of the kana chart and of the kanji card, from the build's Data folder.
	struct SFonts
	{
		SFonts()
		{
			LibGen_CFileSystem::Instance()->SetCurrentDir(FUDEMARU_DATA_PARENT);
			mb_Ok = o_Latin.LoadBdf("./Data/Fonts/xtal-14.bdf") &&
				o_Kanji16.LoadBinFixed("./Data/Fonts/kijis16.fnt", 16, 16, 0, false);
		}
		LibText_CFont o_Latin;
		LibText_CFont o_Kanji16;
		bool mb_Ok;
	};

	SFonts& Fonts()
	{
		static SFonts so_Fonts;
		return so_Fonts;
	}
}

// The kana chart: 69 cells of 28 x 34, each a hiragana over its romaji, laid out and drawn.
static void BM_KanaChart69Cells(benchmark::State& ao_State)
{
	if (!Fonts().mb_Ok)
	{
		ao_State.SkipWithError("fonts missing: build the data first");
		return;
	}
	static LibText_CTextBase so_Cells[ki_KanaCells];
	char as_Texts[ki_KanaCells][8];
	for (int i = 0; i < ki_KanaCells; ++i)
	{
		// Hiragana row 0xA4, cells 0xA2 on; romaji of two letters.
		snprintf(as_Texts[i], sizeof(as_Texts[i]), "%c%c\n%c%c", 0xA4, 0xA2 + i, 'a' + i % 26, 'a' + i % 5);
		so_Cells[i].TxtSetFont(&Fonts().o_Latin, &Fonts().o_Kanji16);
		so_Cells[i].TxtSetTextType(LibText_CTextBase::ke_TxtType_Euc);
		so_Cells[i].TxtSetAlign(LibText_CTextBase::ke_TxtAlign_Center, 255);
		so_Cells[i].TxtSetSize(28, 34);
	}
	for (auto _ : ao_State)
		for (int i = 0; i < ki_KanaCells; ++i)
		{
			so_Cells[i].TxtSetText(as_Texts[i], false);
			benchmark::DoNotOptimize(so_Cells[i].TxtUpdate());
		}
}
BENCHMARK(BM_KanaChart69Cells)->Unit(benchmark::kMicrosecond);

// A kanji card's meaning line: 320 x 42, Latin font, meanings joined with " - " over three lines.
static void BM_MeaningLine320x42(benchmark::State& ao_State)
{
	if (!Fonts().mb_Ok)
	{
		ao_State.SkipWithError("fonts missing: build the data first");
		return;
	}
	const char* const ks_Meanings = "Sino- - China - Chinese characters - Han dynasty - man - fellow - "
		"kanji - Chinese writing - Han people";
	LibText_CTextBase o_Text;
	o_Text.TxtSetFont(&Fonts().o_Latin);
	o_Text.TxtSetSize(320, 42);
	for (auto _ : ao_State)
	{
		o_Text.TxtSetText(ks_Meanings, false);
		benchmark::DoNotOptimize(o_Text.TxtUpdate());
	}
}
BENCHMARK(BM_MeaningLine320x42)->Unit(benchmark::kMicrosecond);
