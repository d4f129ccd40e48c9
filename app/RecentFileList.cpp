#include "app/RecentFileList.h"

#include <algorithm>

#include "app/SettingsStore.h"

namespace {

std::string KeyName(std::size_t i) { return "File" + std::to_string(i + 1); }

}  // namespace

void CRecentFileList::Add(std::string_view path) {
    if (path.empty()) return;
    const auto same = std::find(m_entries.begin(), m_entries.end(), path);
    if (same != m_entries.end()) m_entries.erase(same);
    m_entries.insert(m_entries.begin(), std::string(path));
    if (m_entries.size() > kSize) m_entries.resize(kSize);
}

void CRecentFileList::ReadList(CSettingsStore& store) {
    m_entries.clear();
    for (std::size_t i = 0; i < kSize; ++i) {
        std::string value = store.GetProfileString(kSection, KeyName(i));
        if (!value.empty() && std::find(m_entries.begin(), m_entries.end(), value) == m_entries.end())
            m_entries.push_back(std::move(value));
    }
}

void CRecentFileList::WriteList(CSettingsStore& store) const {
    for (std::size_t i = 0; i < kSize; ++i)
        store.WriteProfileString(kSection, KeyName(i), i < m_entries.size() ? m_entries[i] : std::string());
}
