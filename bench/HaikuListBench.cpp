// The haiku list's work on the largest order ("登録全句", 1017 rows): opening a
// list window (table build, notes load, every cell text) and one column sort.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "tests/support/ScratchDir.h"
#include "app/SettingsStore.h"
#include "haiku/HaikuList.h"
#include "haiku/HaikuOrders.h"
#include "haiku/HaikuSortKeys.h"

namespace {

// A data directory with a kirono.txt of 1017 full sections, made once.
const std::string& BenchDataDir() {
    static const testsupport::ScratchDir scratch("kirokan-hall-bench");  // removed at exit
    static const std::string dir = [] {
        std::string d = scratch.Path();
        std::filesystem::create_directories(d + "/TxtData");
        std::ofstream out(d + "/TxtData/kirono.txt", std::ios::binary);
        static const char* const kReadings[] = {"はるやこし", "としやゆきけん", "こつごもり",
                                                "つきぞしるべ", "こなたへいらせ", "たびのやど"};
        for (int n = 1; n <= 1017; ++n) {
            out << "[" << n << "]\n// 句" << n << "\n1:前書の一行\n2:" << kReadings[n % 6] << n % 97
                << " " << kReadings[(n + 1) % 6] << " " << kReadings[(n + 2) % 6] << "\n3:"
                << (n % 4 == 0 ? "春" : n % 4 == 1 ? "夏" : n % 4 == 2 ? "秋" : "冬") << "\n4:季語"
                << n % 131 << "\n5:出典の書名" << n % 17
                << "\n6:解釈の本文がここに続く。一行は四十四バイトで折り返される。\n"
                   "二行目の解釈。\n\n";
        }
        CSettingsStore::Instance().Init(d, "kirokan");
        return d;
    }();
    return dir;
}

// Opening the window: decode the title, build, load the notes, and make
// every cell text of the nine columns.
void BM_OpenRegisterList(benchmark::State& state) {
    BenchDataDir();
    for (auto _ : state) {
        auto list = std::make_unique<CHaikuList>();
        list->Load(haiku::GetOrderLabel(0));
        std::size_t bytes = 0;
        for (int c = 0; c < CHaikuList::kColumnCount; ++c)
            for (int r = 0; r < list->GetRowCount(); ++r) bytes += list->GetCellText(r, c).size();
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_OpenRegisterList)->Unit(benchmark::kMillisecond);

// One column sort of 1017 rows (keys made and sorted), by the first phrase's
// reading and by the year; each iteration starts from a list in number order.
void BM_SortRegisterList(benchmark::State& state) {
    BenchDataDir();
    auto list = std::make_unique<CHaikuList>();
    list->Load(haiku::GetOrderLabel(0));
    const int column = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        list->Sort(0);
        state.ResumeTiming();
        list->Sort(column);
        benchmark::DoNotOptimize(list->GetSlot(0));
    }
}
BENCHMARK(BM_SortRegisterList)->Arg(1)->Arg(7)->Unit(benchmark::kMillisecond);

}  // namespace
