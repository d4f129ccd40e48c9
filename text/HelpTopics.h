#pragma once
// The help topic store: Topics.txt of TxtData with its included files, the
// topics with up to three keys and a body, the keys sorted per kind, the
// generated contents list, lookup by name and the links of a body line.
//
// File: "//" lines are dropped; "f:name" lines of the main file include
// further TxtData files (at most 20); "[*]" starts a topic; "k1:" .. "k3:"
// are its keys, "d:" starts its body, "l1:" .. "l5:" mark the contents topic
// with 1 to 5 columns (markers in either case). Tabs stop every 4 columns.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/MessageReporter.h"

struct HelpTopic {
    int number = 0;
    std::string key1;
    std::string key2;
    std::string key3;
    int bodyLine = -1;  // index of its "d:" line in the line store, -1 for none
};

struct HelpPage {
    int number = -1;
    std::string key1;
    std::string key2;
    std::string key3;
    int bodyLine = -1;
    std::vector<std::string> lines;  // lines[0] is the rest of the "d:" line

    const std::string& Key(int kind) const { return kind == 1 ? key1 : kind == 2 ? key2 : key3; }
};

struct HelpLink {
    std::string text;
    int start = 0;  // byte offsets in the line, end exclusive
    int end = 0;
};

class CHelpTopics {
public:
    static constexpr int kMaxLines = 10000;
    static constexpr int kMaxTopics = 1000;
    static constexpr int kMaxIncludes = 20;
    static constexpr std::size_t kMaxIncludeName = 127;
    static constexpr int kMaxLinks = 10;
    static constexpr std::size_t kSortKeyBytes = 25;
    static constexpr int kTabStop = 4;

    // Reads the file at path and its includes (from the same directory),
    // expands tabs, parses the topics, sorts the keys and generates the
    // contents list. 0, or -1 after the unreadable message.
    int LoadTopics(const std::string& path);

    // The first topic whose key 1, 2 or 3 equals name; when there is none
    // the previous result stays. A topic without a body beeps and has no lines.
    const HelpPage& FindTopic(std::string_view name);
    const HelpPage& LastPage() const { return m_page; }

    // The links of one page line: matches of the topics' first keys, longest
    // wins, never the current name; at most 10.
    std::vector<HelpLink> FindLinks(std::string_view line, std::string_view currentName) const;

    int GetLineCount() const { return static_cast<int>(m_lines.size()); }
    const std::string& GetLine(int i) const { return m_lines[static_cast<std::size_t>(i)]; }
    int GetTopicCount() const { return static_cast<int>(m_topics.size()); }
    const HelpTopic& GetTopic(int i) const { return m_topics[static_cast<std::size_t>(i)]; }
    const std::string& GetKey(int topic, int kind) const;

    // Non-empty keys of a kind (1..3) and the topic numbers in key order.
    int GetKeyCount(int kind) const { return m_keyCount[Kind(kind)]; }
    const std::vector<int>& GetOrder(int kind) const { return m_order[Kind(kind)]; }
    // The entries of the search list of a kind: key k of order_k[i], i < m_k.
    std::vector<std::string> SearchEntries(int kind) const;

    // The comparison of the sort: bytes with ASCII letters folded to lower case.
    static int CompareKeys(std::string_view a, std::string_view b);

private:
    static int Kind(int kind) { return kind < 1 ? 0 : kind > 3 ? 2 : kind - 1; }
    void ReadFile(const std::string& path, bool main, std::vector<std::string>& includes);
    void ExpandTabs();
    void ParseTopics();
    void SortKeys(int kind);
    void MakeContents();

    CMessageReporter m_reporter;
    std::vector<std::string> m_lines;
    std::vector<HelpTopic> m_topics;
    std::array<int, 5> m_listTopic{};  // last topic marked l1..l5, -1 for none
    std::array<int, 3> m_keyCount{};
    std::array<std::vector<int>, 3> m_order;
    HelpPage m_page;
};
