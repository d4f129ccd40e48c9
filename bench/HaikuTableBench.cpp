#include <benchmark/benchmark.h>

#include <memory>

#include "haiku/HaikuTable.h"

// The card window rebuilds its table each time it shows a haiku.
static void BM_HaikuTableBuild(benchmark::State& state) {
    const int order = static_cast<int>(state.range(0));
    auto table = std::make_unique<CHaikuTable>();
    for (auto _ : state) {
        table->Build(order);
        benchmark::DoNotOptimize(table->GetRegNo(0));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_HaikuTableBuild)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);
