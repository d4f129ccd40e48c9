#pragma once
// The recent-document list: the 4 most recently opened document paths,
// newest first, kept in section "Recent File List" (File1..File4) of the
// settings file. Nothing but the documents' open path adds to it.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CSettingsStore;

class CRecentFileList {
public:
    static constexpr std::size_t kSize = 4;
    static constexpr const char* kSection = "Recent File List";

    // Moves path to the front (an equal entry is not kept twice); the
    // oldest entry drops off beyond kSize. Empty paths are ignored.
    void Add(std::string_view path);

    const std::vector<std::string>& Entries() const { return m_entries; }

    // Reads File1..File4 (empty values are skipped).
    void ReadList(CSettingsStore& store);
    // Writes File1..File4; keys without an entry are written empty.
    void WriteList(CSettingsStore& store) const;

private:
    std::vector<std::string> m_entries;
};
