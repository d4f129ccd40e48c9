#include <benchmark/benchmark.h>

#include <memory>
#include <new>

#include "calendar/OldCalendarTable.h"

// Every holder builds its own table, including the calendar menu command's
// temporary one: building must stay cheap.
static void BM_OldCalendarTableConstruction(benchmark::State& state) {
    // Constructed in place in static storage, so that only the construction
    // itself is measured.
    alignas(COldCalendarTable) static unsigned char storage[sizeof(COldCalendarTable)];
    for (auto _ : state) {
        auto* table = new (storage) COldCalendarTable();
        benchmark::DoNotOptimize(table);
        benchmark::ClobberMemory();
        table->~COldCalendarTable();
    }
}
BENCHMARK(BM_OldCalendarTableConstruction)->Unit(benchmark::kMicrosecond);

// The last day of the table walks every year before it: the slowest conversion.
static void BM_ToWesternLastDay(benchmark::State& state) {
    const auto table = std::make_unique<COldCalendarTable>();
    for (auto _ : state) {
        int year = 2051;
        benchmark::DoNotOptimize(year);
        const WesternDate w = table->ToWestern(year, 12, 30);
        benchmark::DoNotOptimize(w);
    }
}
BENCHMARK(BM_ToWesternLastDay)->Unit(benchmark::kMicrosecond);
