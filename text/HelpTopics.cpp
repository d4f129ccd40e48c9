#include "text/HelpTopics.h"

#include <algorithm>

#include "platform/MessageBox.h"
#include "platform/ShiftJis.h"
#include "platform/TextFile.h"

namespace {

const char kTopicStart[] = "[*]";
const char kBodyMarker[] = "d:";
const char kIncludeMarker[] = "f:";
// The placeholder of an empty key: FC 4B is the last character of the set,
// so the topics without such a key sort last.
const char kEmptyKey[] = "\xFC\x4B\xFC\x4B";

// Column starts of the contents list with 2 to 5 columns.
constexpr int kColumnStarts[4][5] = {
    {0, 40}, {0, 30, 60}, {0, 20, 40, 60}, {0, 15, 30, 45, 60}};

bool StartsWithNoCase(std::string_view line, std::string_view marker) {
    if (line.size() < marker.size()) return false;
    for (std::size_t i = 0; i < marker.size(); ++i) {
        char c = line[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != marker[i]) return false;
    }
    return true;
}

// An include must name a plain file of TxtData: no path separator (looked
// for at character starts only, as 0x5C can be a trail byte) and no "..".
bool IsPlainFileName(std::string_view name) {
    if (name.find("..") != std::string_view::npos) return false;
    for (std::size_t i = 0; i < name.size();) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c == '/' || c == '\\' || c == '\0') return false;
        i += platform::IsLeadByte(c) ? 2 : 1;
    }
    return true;
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

int CHelpTopics::CompareKeys(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

const std::string& CHelpTopics::GetKey(int topic, int kind) const {
    const HelpTopic& t = GetTopic(topic);
    return kind == 1 ? t.key1 : kind == 2 ? t.key2 : t.key3;
}

void CHelpTopics::ReadFile(const std::string& path, bool main, std::vector<std::string>& includes) {
    platform::CTextFile reader;
    if (!reader.Open(path)) {
        m_reporter.ReportUnreadable(path);
        return;
    }
    m_reporter.ReportUnconvertible(path, reader.UnconvertibleLine());
    std::string line;
    while (static_cast<int>(m_lines.size()) < kMaxLines && reader.ReadLine(&line)) {
        if (line.starts_with("//")) continue;
        if (main && StartsWithNoCase(line, kIncludeMarker)) {
            std::string_view name = std::string_view(line).substr(2);
            name = name.substr(0, platform::CharBoundaryPrefix(name, kMaxIncludeName));
            if (!name.empty() && static_cast<int>(includes.size()) < kMaxIncludes)
                includes.emplace_back(name);
            continue;
        }
        m_lines.push_back(line);
    }
}

void CHelpTopics::ExpandTabs() {
    for (std::string& line : m_lines) {
        if (line.find('\t') == std::string::npos) continue;
        std::string out;
        for (char c : line) {
            if (c == '\t')
                out.append(kTabStop - out.size() % kTabStop, ' ');
            else
                out.push_back(c);
        }
        line = std::move(out);
    }
}

void CHelpTopics::ParseTopics() {
    const int count = static_cast<int>(m_lines.size());
    int i = 0;
    while (i < count && static_cast<int>(m_topics.size()) < kMaxTopics) {
        if (m_lines[i] != kTopicStart) {
            ++i;
            continue;
        }
        HelpTopic topic;
        topic.number = static_cast<int>(m_topics.size());
        bool inBody = false;
        for (++i; i < count && m_lines[i] != kTopicStart; ++i) {
            if (inBody) continue;  // marker lines of the body are body text
            const std::string& line = m_lines[i];
            if (StartsWithNoCase(line, "k1:"))
                topic.key1 = line.substr(3);
            else if (StartsWithNoCase(line, "k2:"))
                topic.key2 = line.substr(3);
            else if (StartsWithNoCase(line, "k3:"))
                topic.key3 = line.substr(3);
            else if (StartsWithNoCase(line, kBodyMarker)) {
                topic.bodyLine = i;
                inBody = true;
            } else {
                for (int k = 0; k < 5; ++k) {
                    const char mark[] = {'l', static_cast<char>('1' + k), ':', '\0'};
                    if (StartsWithNoCase(line, mark)) m_listTopic[k] = topic.number;
                }
            }
        }
        m_topics.push_back(std::move(topic));
    }
}

void CHelpTopics::SortKeys(int kind) {
    const int n = GetTopicCount();
    std::vector<std::string> keys(static_cast<std::size_t>(n));
    int nonEmpty = 0;
    for (int t = 0; t < n; ++t) {
        const std::string& key = GetKey(t, kind);
        if (key.empty()) {
            keys[t] = kEmptyKey;
        } else {
            keys[t] = key.substr(0, kSortKeyBytes);
            ++nonEmpty;
        }
    }
    std::vector<int>& order = m_order[Kind(kind)];
    order.resize(static_cast<std::size_t>(n));
    for (int t = 0; t < n; ++t) order[t] = t;
    m_keyCount[Kind(kind)] = nonEmpty;

    // The placeholder sorts after every key, also after one whose bytes lie
    // beyond the character set.
    auto compare = [&](int a, int b) {
        const bool emptyA = GetKey(a, kind).empty(), emptyB = GetKey(b, kind).empty();
        if (emptyA || emptyB) return emptyA == emptyB ? 0 : emptyA ? 1 : -1;
        return CompareKeys(keys[a], keys[b]);
    };
    // Quicksort: the middle element as pivot; the smaller side by recursion,
    // the larger by iteration, so the depth stays logarithmic.
    auto sort = [&](auto&& self, int low, int high) -> void {
        while (low < high) {
            const int pivot = order[(low + high) / 2];
            int i = low, j = high;
            do {
                while (compare(order[i], pivot) < 0) ++i;
                while (compare(order[j], pivot) > 0) --j;
                if (i <= j) {
                    std::swap(order[i], order[j]);
                    ++i;
                    --j;
                }
            } while (i <= j);
            if (j - low < high - i) {
                self(self, low, j);
                low = i;
            } else {
                self(self, i, high);
                high = j;
            }
        }
    };
    if (n > 1) sort(sort, 0, n - 1);
}

void CHelpTopics::MakeContents() {
    int list = -1, columns = 0;
    for (int k = 0; k < 5 && list < 0; ++k)
        if (m_listTopic[k] >= 0) {
            list = m_listTopic[k];
            columns = k + 1;
        }
    if (list < 0 || GetLineCount() + 2 > kMaxLines) return;
    m_topics[list].bodyLine = GetLineCount();
    m_lines.emplace_back(kTopicStart);
    m_lines.emplace_back(kBodyMarker);

    const std::string ownKey = m_topics[list].key1;
    auto push = [this](std::string row) {
        if (GetLineCount() < kMaxLines) m_lines.push_back(std::move(row));
    };
    std::string row;
    int column = 0;
    const int m1 = GetKeyCount(1);
    for (int i = 0; i < m1; ++i) {
        const std::string& key = m_topics[m_order[0][i]].key1;
        if (key.empty() || key == ownKey) continue;
        if (columns == 1) {
            push(key);
            continue;
        }
        row += key;
        if (column < columns - 1) {
            const std::size_t next = static_cast<std::size_t>(kColumnStarts[columns - 2][column + 1]);
            if (row.size() < next) row.append(next - row.size(), ' ');
            ++column;
        } else {
            push(std::move(row));
            row.clear();
            column = 0;
        }
    }
    if (columns > 1) push(std::move(row));
}

int CHelpTopics::LoadTopics(const std::string& path) {
    m_lines.clear();
    m_topics.clear();
    m_listTopic.fill(-1);
    m_keyCount.fill(0);
    for (auto& o : m_order) o.clear();
    m_page = HelpPage();

    platform::CTextFile probe;
    if (!probe.Open(path)) return m_reporter.ReportUnreadable(path);
    probe.Close();

    std::vector<std::string> includes;
    ReadFile(path, true, includes);
    const std::string dir = DirectoryOf(path);
    for (const std::string& name : includes) {
        if (static_cast<int>(m_lines.size()) >= kMaxLines) break;
        if (!IsPlainFileName(name)) {
            m_reporter.ReportUnreadable(dir + name);
            continue;
        }
        ReadFile(dir + name, false, includes);
    }
    ExpandTabs();
    ParseTopics();
    for (int kind = 1; kind <= 3; ++kind) SortKeys(kind);
    MakeContents();
    return 0;
}

const HelpPage& CHelpTopics::FindTopic(std::string_view name) {
    const HelpTopic* found = nullptr;
    for (const HelpTopic& t : m_topics)
        if (t.key1 == name || t.key2 == name || t.key3 == name) {
            found = &t;
            break;
        }
    if (!found) return m_page;
    m_page = HelpPage();
    m_page.number = found->number;
    m_page.key1 = found->key1;
    m_page.key2 = found->key2;
    m_page.key3 = found->key3;
    m_page.bodyLine = found->bodyLine;
    if (found->bodyLine < 0) {
        platform::Beep();
        return m_page;
    }
    const int count = GetLineCount();
    int line = found->bodyLine;
    // The body starts at the first lowercase "d:" line of the topic.
    for (; line < count; ++line) {
        if (m_lines[line].starts_with(kBodyMarker)) break;
        if (line > found->bodyLine && m_lines[line] == kTopicStart) return m_page;
    }
    if (line >= count) return m_page;
    m_page.lines.push_back(m_lines[line].substr(2));
    for (++line; line < count && m_lines[line] != kTopicStart; ++line)
        m_page.lines.push_back(m_lines[line]);
    return m_page;
}

std::vector<HelpLink> CHelpTopics::FindLinks(std::string_view line, std::string_view currentName) const {
    std::vector<char> isStart(line.size() + 1, 0);
    for (std::size_t i = 0; i < line.size();) {
        isStart[i] = 1;
        i += platform::IsLeadByte(static_cast<unsigned char>(line[i])) ? 2 : 1;
    }
    std::vector<HelpLink> found;
    const std::vector<int>& order = m_order[0];
    for (int i = GetKeyCount(1) - 1; i >= 0 && static_cast<int>(found.size()) < kMaxLinks; --i) {
        const std::string& key = m_topics[order[i]].key1;
        if (key.empty()) continue;
        std::size_t pos = 0;
        while (static_cast<int>(found.size()) < kMaxLinks &&
               (pos = line.find(key, pos)) != std::string_view::npos) {
            if (!isStart[pos]) {
                ++pos;
                continue;
            }
            found.push_back({key, static_cast<int>(pos), static_cast<int>(pos + key.size())});
            pos += key.size();
        }
    }
    auto inside = [](const HelpLink& a, const HelpLink& b) {  // a lies within b
        const int la = a.end - a.start, lb = b.end - b.start;
        return (a.start == b.start && la < lb) || (a.end == b.end && la < lb) ||
               (a.start > b.start && a.end < b.end);
    };
    std::vector<HelpLink> links;
    for (const HelpLink& a : found) {
        if (a.text == currentName) continue;
        if (std::none_of(found.begin(), found.end(), [&](const HelpLink& b) { return inside(a, b); }))
            links.push_back(a);
    }
    return links;
}

std::vector<std::string> CHelpTopics::SearchEntries(int kind) const {
    std::vector<std::string> entries;
    const std::vector<int>& order = GetOrder(kind);
    for (int i = 0; i < GetKeyCount(kind) && i < static_cast<int>(order.size()); ++i)
        entries.push_back(GetKey(order[i], kind));
    return entries;
}
