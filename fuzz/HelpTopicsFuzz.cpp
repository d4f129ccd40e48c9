// libFuzzer target: the help topic store on Topics.txt with included files.
// The input is split at "\n#####\n" into Topics.txt, inc0.txt, inc1.txt, ...
// (so "f:inc0.txt" lines include them); every topic is then looked up and
// the links of every page line are found.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "fuzz/FuzzSupport.h"
#include "platform/MessageBox.h"
#include "text/HelpBrowser.h"
#include "text/HelpTopics.h"

namespace {

const std::filesystem::path& Dir() {
    static const std::filesystem::path dir = [] {
        auto d = std::filesystem::path(fuzzsupport::Scratch().Path()) / "TxtData";
        std::filesystem::create_directories(d);
        platform::SetMessageBoxHandler([](const std::string&, const std::string&) { return platform::kIdOk; });
        platform::SetBeepHandler([] {});
        return d;
    }();
    return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzzsupport::InputScope scope;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string_view separator = "\n#####\n";
    std::size_t start = 0;
    for (int part = 0; part < 6; ++part) {
        const std::size_t end = part == 5 ? input.size() : input.find(separator, start);
        const std::string_view bytes = input.substr(start, end == std::string_view::npos ? input.npos : end - start);
        platform::SetMemoryFile(
            Dir() / (part == 0 ? std::string("Topics.txt") : "inc" + std::to_string(part - 1) + ".txt"),
            std::string(bytes));
        if (end == std::string_view::npos || part == 5) break;
        start = end + separator.size();
    }

    CHelpTopics topics;
    if (topics.LoadTopics((Dir() / "Topics.txt").string()) != 0) return 0;
    if (topics.GetLineCount() > CHelpTopics::kMaxLines || topics.GetTopicCount() > CHelpTopics::kMaxTopics)
        __builtin_trap();
    for (int kind = 1; kind <= 3; ++kind) {
        const auto entries = topics.SearchEntries(kind);
        for (std::size_t i = 1; i < entries.size(); ++i)
            if (CHelpTopics::CompareKeys(entries[i - 1].substr(0, CHelpTopics::kSortKeyBytes),
                                         entries[i].substr(0, CHelpTopics::kSortKeyBytes)) > 0)
                __builtin_trap();
    }
    const int n = topics.GetTopicCount() < 24 ? topics.GetTopicCount() : 24;
    for (int t = 0; t < n; ++t) {
        const std::string name = topics.GetKey(t, 1);
        const HelpPage page = topics.FindTopic(name);
        int lines = 0;
        for (const std::string& line : page.lines) {
            if (++lines > 16) break;
            const auto links = topics.FindLinks(line, name);
            if (links.size() > static_cast<std::size_t>(CHelpTopics::kMaxLinks)) __builtin_trap();
            for (const HelpLink& l : links)
                if (l.start < 0 || l.end > static_cast<int>(line.size()) ||
                    line.compare(static_cast<std::size_t>(l.start), l.text.size(), l.text) != 0 || l.text == name)
                    __builtin_trap();
        }
    }
    // A short walk through the browser: start, a link, back, forward, scroll.
    text::CHelpBrowser browser;
    if (n > 0 && !topics.GetKey(0, 1).empty() &&
        browser.Open((Dir() / "Topics.txt").string(), topics.GetKey(0, 1)) == 0) {
        browser.Start();
        for (const auto& row : browser.RowLinks())
            if (!row.empty()) {
                browser.Click(text::HelpClickTarget::TopicPane, row[0].rect.left, row[0].rect.top);
                break;
            }
        browser.ScrollTopic(text::ScrollCode::LineDown);
        browser.Click(text::HelpClickTarget::BackArrow);
        browser.Click(text::HelpClickTarget::ForwardArrow);
        if (browser.TopicFirst() < 0 || browser.TopicFirst() > browser.TopicScrollMax()) __builtin_trap();
    }
    return 0;
}
