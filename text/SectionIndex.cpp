#include "text/SectionIndex.h"

#include <algorithm>

#include "text/LineStore.h"
#include "text/SectionLines.h"

namespace {

// Could read "[n]": the lines worth parsing.
bool MayBeHeader(std::string_view line) { return line.size() >= 3 && line[0] == '['; }

}  // namespace

void CSectionIndex::Build(const CLineStore& lines, std::size_t count) {
    m_entries.clear();
    std::size_t candidates = 0;
    for (std::size_t i = 0; i < count; ++i) candidates += MayBeHeader(lines[i]) ? 1 : 0;
    m_entries.reserve(candidates);
    for (std::size_t i = 0; i < count; ++i) {
        int n = 0;
        if (MayBeHeader(lines[i]) && text::ParseHeader(lines[i], &n)) m_entries.emplace_back(n, i);
    }
    // Ordered by number, then by line: the first line of a number comes first.
    std::sort(m_entries.begin(), m_entries.end());
}

std::size_t CSectionIndex::Find(int n) const {
    const auto it = std::lower_bound(m_entries.begin(), m_entries.end(), std::pair<int, std::size_t>(n, 0));
    return it != m_entries.end() && it->first == n ? it->second : npos;
}
