#include "app/SearchHistory.h"

#include <algorithm>

namespace {

// Byte order of the Shift-JIS text (bytes compared as unsigned).
bool ByteLess(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); });
}

}  // namespace

int CSearchHistory::Find(std::string_view text) const {
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i] == text) return static_cast<int>(i);
    return -1;
}

int CSearchHistory::Take(std::string_view text) {
    if (text.empty() || Find(text) >= 0) return -1;
    const auto pos = std::upper_bound(m_entries.begin(), m_entries.end(), text,
                                      [](std::string_view t, const std::string& e) { return ByteLess(t, e); });
    const auto inserted = m_entries.insert(pos, std::string(text));
    return static_cast<int>(inserted - m_entries.begin());
}

std::vector<std::string> CSearchHistory::EntriesToSave() const {
    const std::size_t n = std::min(m_entries.size(), kMaxSaved);
    return std::vector<std::string>(m_entries.begin(), m_entries.begin() + n);
}

void CSearchHistory::Load(const std::vector<std::string>& entries) {
    m_entries.clear();
    for (const std::string& e : entries) Take(e);
}
