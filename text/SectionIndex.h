#pragma once
// The header lines "[n]" of a loaded sectioned file, found by their number:
// for each n, the first line that reads exactly "[n]" (the line a scan from
// the top finds). Built once when a file loads; a lookup makes no string.
#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

class CSectionIndex {
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    void Clear() { m_entries.clear(); }
    // Notes line `index` when it reads "[n]" for a number n, written as the
    // headers are written (no leading zeros or plus sign); lines come in
    // ascending order of index.
    void Add(std::string_view line, std::size_t index);
    // Call after the last Add, before any Find.
    void Finish();
    // The first line that reads "[n]", or npos.
    std::size_t Find(int n) const;

private:
    std::vector<std::pair<int, std::size_t>> m_entries;
};
