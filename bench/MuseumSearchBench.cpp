// The museum-wide search on the shipped museum: building the index (all
// haiku and their notes, the thirteen text works, the help topics), the
// first build of a run (which also makes ICU's transliterator) and queries
// of several kinds. The museum is the build tree's museum directory beside
// this program, or the one KIROKAN_MUSEUM_DIR names.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "app/SettingsStore.h"
#include "platform/MessageBox.h"
#include "text/MuseumSearch.h"

namespace {

bool UseShippedMuseum() {
    static const bool ok = [] {
        std::string dir;
        if (const char* env = std::getenv("KIROKAN_MUSEUM_DIR"))
            dir = env;
        else {
            const std::string exe = CSettingsStore::ExecutablePath();
            dir = exe.substr(0, exe.rfind('/') + 1) + "museum";
        }
        platform::SetMessageBoxHandler([](const std::string&, const std::string&) { return platform::kIdOk; });
        // The settings are read only: nothing is written to the museum.
        CSettingsStore::Instance().Init(dir, "kirokan-bench");
        return true;
    }();
    return ok;
}

void CheckIndex(benchmark::State& state, const text::CMuseumSearch& search) {
    if (!search.MissingFiles().empty()) state.SkipWithError(("missing: " + search.MissingFiles().front()).c_str());
    state.counters["entries"] = search.EntryCount();
    state.counters["haiku"] = search.HaikuCount();
}

// The first build of the process, as at the window's first opening (run on
// its own: a repetition after the first is no longer the first build).
void BM_MuseumSearchFirstBuild(benchmark::State& state) {
    UseShippedMuseum();
    for (auto _ : state) {
        text::CMuseumSearch search;
        search.Build();
        CheckIndex(state, search);
    }
}
BENCHMARK(BM_MuseumSearchFirstBuild)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_MuseumSearchBuild(benchmark::State& state) {
    UseShippedMuseum();
    for (auto _ : state) {
        text::CMuseumSearch search;
        search.Build();
        CheckIndex(state, search);
    }
}
BENCHMARK(BM_MuseumSearchBuild)->Unit(benchmark::kMillisecond);

// Queries: a very common character (every group full), a kanji word, a
// reading in hiragana and in half-width katakana, full-width Latin, and a
// word found nowhere.
const char* const kQueries[] = {"の", "古池", "ふるいけ", "ﾌﾙｲｹ", "ＴＸＴＤＡＴＡ", "該当なし語句"};

void BM_MuseumSearchQuery(benchmark::State& state) {
    UseShippedMuseum();
    static text::CMuseumSearch search;
    static const bool built = (search.Build(), true);
    (void)built;
    text::SearchQuery query;
    query.text = kQueries[state.range(0)];
    int total = 0;
    for (auto _ : state) {
        const text::SearchResults results = search.Query(query);
        total = results.total;
        benchmark::DoNotOptimize(results.groups.data());
    }
    state.counters["matches"] = total;
}
BENCHMARK(BM_MuseumSearchQuery)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

// A filtered query: spring haiku of 1689-1691 only.
void BM_MuseumSearchFilteredQuery(benchmark::State& state) {
    UseShippedMuseum();
    static text::CMuseumSearch search;
    static const bool built = (search.Build(), true);
    (void)built;
    text::SearchQuery query;
    query.text = "の";
    query.seasons = 1u;
    query.yearFrom = 1689;
    query.yearTo = 1691;
    int total = 0;
    for (auto _ : state) {
        total = search.Query(query).total;
        benchmark::DoNotOptimize(total);
    }
    state.counters["matches"] = total;
}
BENCHMARK(BM_MuseumSearchFilteredQuery)->Unit(benchmark::kMicrosecond);

}  // namespace
