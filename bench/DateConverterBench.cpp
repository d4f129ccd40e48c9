#include <benchmark/benchmark.h>

#include <memory>

#include "calendar/DateConverter.h"
#include "calendar/EraTable.h"
#include "calendar/OldCalendarDays.h"

// The window builds its converter when it opens: the old-calendar days, the
// eras read from ICU and merged with the northern court's.
static void BM_DateConverterConstruction(benchmark::State& state) {
    for (auto _ : state) {
        CDateConverter converter;
        benchmark::DoNotOptimize(converter.GetEraItems().data());
    }
}
BENCHMARK(BM_DateConverterConstruction)->Unit(benchmark::kMillisecond);

static void BM_IcuEras(benchmark::State& state) {
    for (auto _ : state) {
        auto eras = CEraTable::LoadIcuEras();
        benchmark::DoNotOptimize(eras.data());
    }
}
BENCHMARK(BM_IcuEras)->Unit(benchmark::kMillisecond);

// One conversion as a button press makes it, at the far end of the table
// (the day's sexagenary name walks the years before it).
static void BM_ConvertOldLastDay(benchmark::State& state) {
    CDateConverter converter;
    const CDateConverter::OldFields fields{"令和 2019", "33", "12", false, "30"};
    for (auto _ : state) {
        const bool ok = converter.ConvertOld(fields);
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_ConvertOldLastDay)->Unit(benchmark::kMicrosecond);

static void BM_ConvertWesternInTheTwoCourts(benchmark::State& state) {
    CDateConverter converter;
    const CDateConverter::WesternFields fields{"1350", "5", "10", false};
    for (auto _ : state) {
        const bool ok = converter.ConvertWestern(fields);
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_ConvertWesternInTheTwoCourts)->Unit(benchmark::kMicrosecond);
