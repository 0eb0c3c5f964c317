// Kanji data on the real build data: loading the dictionary, the stroke database and the lists,
// and building stroke paths as the detail window does.
#include <benchmark/benchmark.h>
#include <vector>
#include "LibGen_CFileSystem.h"
#include "LibKanji_CDictionary.h"
#include "LibKanji_CKanjiList.h"
#include "LibKanji_CStroke.h"

namespace
{
	bool UseData(benchmark::State& ao_State)
	{
		LibGen_CFileSystem::Instance()->SetCurrentDir(FUDEMARU_DATA_PARENT);
		if (LibKanji_CDictionary::Instance()->IsLoaded() || LibKanji_CDictionary::Instance()->Load("./Data/kanjidic"))
			return true;
		ao_State.SkipWithError("no built kanjidic");
		return false;
	}

	void BM_LoadDictionary(benchmark::State& ao_State)
	{
		if (!UseData(ao_State))
			return;
		for (auto _ : ao_State)
			benchmark::DoNotOptimize(LibKanji_CDictionary::Instance()->Load("./Data/kanjidic"));
	}
	BENCHMARK(BM_LoadDictionary)->Unit(benchmark::kMillisecond);

	void BM_LoadStrokeDatabase(benchmark::State& ao_State)
	{
		if (!UseData(ao_State))
			return;
		LibKanji_CStroke* p_Stroke = LibKanji_CStroke::Instance();
		for (auto _ : ao_State)
		{
			p_Stroke->Unload();
			benchmark::DoNotOptimize(p_Stroke->Load("./Data/FudemaruStroke.db"));
		}
	}
	BENCHMARK(BM_LoadStrokeDatabase)->Unit(benchmark::kMillisecond);

	void BM_ScanListFolder(benchmark::State& ao_State)
	{
		if (!UseData(ao_State))
			return;
		for (auto _ : ao_State)
			LibKanji_CKanjiList::Instance()->Load_Lists("./Data/KanjiList/");
	}
	BENCHMARK(BM_ScanListFolder)->Unit(benchmark::kMillisecond);

	void BM_LoadEveryList(benchmark::State& ao_State)
	{
		if (!UseData(ao_State))
			return;
		LibKanji_CKanjiList* p_Lists = LibKanji_CKanjiList::Instance();
		p_Lists->Load_Lists("./Data/KanjiList/");
		for (auto _ : ao_State)
			for (u8 i = 0; i < p_Lists->GetListCount(); ++i)
				benchmark::DoNotOptimize(p_Lists->Load_KanjiList(i));
	}
	BENCHMARK(BM_LoadEveryList)->Unit(benchmark::kMillisecond);

	// The 500 most frequent kanji at the detail window's 96 x 96, step 5.
	void BM_GetStrokes500(benchmark::State& ao_State)
	{
		if (!UseData(ao_State))
			return;
		LibKanji_CStroke* p_Stroke = LibKanji_CStroke::Instance();
		if (!p_Stroke->IsLoaded() && !p_Stroke->Load("./Data/FudemaruStroke.db"))
		{
			ao_State.SkipWithError("no built stroke database");
			return;
		}
		std::vector<u16> o_Codes;
		for (u16 f = 1; f <= 500; ++f)
		{
			const SKanjiData* p_Kanji = LibKanji_CDictionary::Instance()->GetKanjiFromInfo(SKanjiData::ke_Info_F, f, 0);
			if (p_Kanji != nullptr)
				o_Codes.push_back(p_Kanji->mu16_Info[SKanjiData::ke_Info_EU]);
		}
		std::vector<LibGen_CPath> o_Paths;
		for (auto _ : ao_State)
			for (u16 u16_Code : o_Codes)
				benchmark::DoNotOptimize(p_Stroke->GetStrokes(u16_Code, CVector2d<unsigned short>(96, 96), 5, o_Paths));
		ao_State.counters["kanji"] = (double)o_Codes.size();
	}
	BENCHMARK(BM_GetStrokes500)->Unit(benchmark::kMillisecond);
}
