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

// A whole year of the calendar list: every day through ToWestern and GetDayCycle.
static void BM_FillYear1694(benchmark::State& state) {
    const auto table = std::make_unique<COldCalendarTable>();
    for (auto _ : state) {
        const int count = table->GetLeapPosition(1694) ? 13 : 12;
        for (int p = 1; p <= count; ++p) {
            const int days = table->GetMonthDays(1694, p);
            for (int d = 1; d <= days; ++d) {
                benchmark::DoNotOptimize(table->ToWestern(1694, p, d));
                benchmark::DoNotOptimize(table->GetDayCycle(1694, p, d));
            }
        }
    }
}
BENCHMARK(BM_FillYear1694)->Unit(benchmark::kMicrosecond);
