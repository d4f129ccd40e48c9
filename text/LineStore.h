#pragma once
// The lines of a file read whole, kept in one buffer: a file of many short
// lines costs two growing blocks of memory, not one block a line.
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CLineStore {
public:
    void Clear() {
        m_bytes.clear();
        m_spans.clear();
    }
    // Room for the lines of text (at most maxLines of them), so that
    // reading them makes no block grow.
    void ReserveFor(std::string_view text, std::size_t maxLines) {
        m_bytes.reserve(text.size());
        m_spans.reserve(std::min(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1, maxLines));
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
    struct Span {
        std::size_t offset;
        std::size_t length;
    };
    std::string m_bytes;
    std::vector<Span> m_spans;
};
