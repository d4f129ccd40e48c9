#pragma once
// The header lines "[n]" of a loaded sectioned file, found by their number:
// for each n, the first line that reads exactly "[n]" (the line a scan from
// the top finds). Built once when a file loads; a lookup makes no string.
#include <cstddef>
#include <utility>
#include <vector>

class CLineStore;

class CSectionIndex {
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    // Indexes lines 0..count-1 of lines: those that read "[n]" for a number
    // n, written as the headers are written (no leading zeros or plus sign).
    void Build(const CLineStore& lines, std::size_t count);
    // The first line that reads "[n]", or npos.
    std::size_t Find(int n) const;

private:
    std::vector<std::pair<int, std::size_t>> m_entries;
};
