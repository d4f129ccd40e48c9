// The help browser on a full topic file: 1000 topics in 10000 lines (the
// generated contents list included), opened on "目次"; and one page of 15
// rows with its links found against the 1000 first keys.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/ScratchDir.h"
#include "platform/MessageBox.h"
#include "text/HelpBrowser.h"

namespace {

std::string Key(int i) { return "話題" + std::to_string(i) + "番"; }

const std::string& TopicsPath() {
    static const testsupport::ScratchDir benchDir("kirokan-help-bench");  // removed at exit
    static const std::string path = [] {
        const std::filesystem::path dir = benchDir.Path();
        std::ofstream out(dir / "Topics.txt", std::ios::binary);
        out << "// help topics for the benchmark\r\n[*]\r\nk1:目次\r\nl3:\r\n";
        // 3 lines of the contents topic, 5 per other topic, 336 of the
        // generated contents (999 keys in 333 rows, "[*]", "d:" and the row
        // end after a full last row): the rest of 10000 goes to the bodies.
        int bodyLines = 10000 - 3 - 5 * 999 - 336;
        for (int t = 1; t < 1000; ++t) {
            out << "[*]\r\nk1:" << Key(t) << "\r\nk2:second " << t << "\r\nk3:third " << t << "\r\nd:" << Key(t)
                << "の本文。" << Key((t * 7) % 999 + 1) << "を参照。\r\n";
            // Bodies of 1 to 9 lines, each naming three other topics.
            for (int l = 0; l < (t % 9) + 1 && bodyLines > 0; ++l, --bodyLines)
                out << "\t" << Key((t * 13 + l) % 999 + 1) << "と" << Key((t * 31 + l) % 999 + 1) << "、そして"
                    << Key((t + l * 17) % 999 + 1) << "について。\r\n";
        }
        return (dir / "Topics.txt").string();
    }();
    return path;
}

void BM_OpenHelpOnContents(benchmark::State& state) {
    platform::SetBeepHandler([] {});
    const std::string& path = TopicsPath();
    for (auto _ : state) {
        text::CHelpBrowser browser;
        if (browser.Open(path, "目次") != 0) state.SkipWithError("topics did not load");
        browser.Start();
        benchmark::DoNotOptimize(browser.CurrentPage().lines.size());
        state.counters["lines"] = browser.Topics().GetLineCount();
        state.counters["topics"] = browser.Topics().GetTopicCount();
    }
}
BENCHMARK(BM_OpenHelpOnContents)->Unit(benchmark::kMillisecond);

void BM_PageOfFifteenRowsWithLinks(benchmark::State& state) {
    platform::SetBeepHandler([] {});
    text::CHelpBrowser browser;
    if (browser.Open(TopicsPath(), "目次") != 0) state.SkipWithError("topics did not load");
    browser.Start();  // the contents: 15 full rows, three links each
    int links = 0;
    for (auto _ : state) {
        browser.LayoutRows();
        links = 0;
        for (const auto& row : browser.RowLinks()) links += static_cast<int>(row.size());
        benchmark::DoNotOptimize(links);
    }
    state.counters["links"] = links;
}
BENCHMARK(BM_PageOfFifteenRowsWithLinks)->Unit(benchmark::kMicrosecond);

}  // namespace
