#pragma once
// The lines of a file read whole, kept in one buffer: a file of many short
// lines costs two blocks of memory, sized once, not one block a line.
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/TextFile.h"

class CLineStore {
public:
    void Clear() {
        m_bytes.clear();
        m_spans.clear();
    }
    // Room for the lines of a file about to be read (at most maxLines of
    // them), so that reading them seldom grows a block: its bytes, and its
    // lines as counted in what is already in memory, else guessed.
    void ReserveFor(const platform::CTextFile& file, std::size_t maxLines) {
        constexpr std::size_t kMaxBytes = 8u << 20;  // of a huge file, few lines may be read
        const std::size_t bytes = std::min(file.SizeHint(), kMaxBytes);
        const std::string_view ahead = file.Ahead();
        std::size_t lines = static_cast<std::size_t>(std::count(ahead.begin(), ahead.end(), '\n')) + 1;
        if (ahead.size() < bytes) lines = bytes / kGuessedLineBytes + 1;
        m_bytes.reserve(bytes);
        m_spans.reserve(std::min(lines, maxLines));
    }
    void Add(std::string_view line) {
        m_spans.push_back({m_bytes.size(), line.size()});
        m_bytes.append(line);
    }
    std::size_t Count() const { return m_spans.size(); }
    // Valid until the next Add or Clear.
    std::string_view operator[](std::size_t i) const {
        const Span& span = m_spans[i];
        return std::string_view(m_bytes.data() + span.offset, span.length);
    }

private:
    static constexpr std::size_t kGuessedLineBytes = 64;
    struct Span {
        std::size_t offset;
        std::size_t length;
    };
    std::string m_bytes;
    std::vector<Span> m_spans;
};
