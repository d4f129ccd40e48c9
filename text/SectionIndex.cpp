#include "text/SectionIndex.h"

#include <algorithm>
#include <charconv>

#include "text/SectionLines.h"

void CSectionIndex::Add(std::string_view line, std::size_t index) {
    int n = 0;
    if (text::ParseHeader(line, &n)) m_entries.emplace_back(n, index);
}

void CSectionIndex::Finish() {
    // Ordered by number, then by line: the first line of a number comes first.
    std::sort(m_entries.begin(), m_entries.end());
}

std::size_t CSectionIndex::Find(int n) const {
    const auto it = std::lower_bound(m_entries.begin(), m_entries.end(), std::pair<int, std::size_t>(n, 0));
    return it != m_entries.end() && it->first == n ? it->second : npos;
}
