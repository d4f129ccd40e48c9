// Filling one year of the old/new calendar list: every day converted on its
// own through ToWestern and GetDayCycle, as the calendar window does.
#include <benchmark/benchmark.h>

#include <memory>

#include "calendar/CalendarYearRows.h"

namespace {

void BM_FillCalendarYear(benchmark::State& state) {
    const int year = static_cast<int>(state.range(0));
    auto rows = std::make_unique<CCalendarYearRows>();
    for (auto _ : state) {
        benchmark::DoNotOptimize(rows->Fill(year));
        benchmark::ClobberMemory();
    }
    state.counters["rows"] = rows->GetRowCount();
}
// 1644: 355 rows; 1694: 384 rows (the longest year the window shows).
BENCHMARK(BM_FillCalendarYear)->Arg(1644)->Arg(1694)->Unit(benchmark::kMillisecond);

}  // namespace
