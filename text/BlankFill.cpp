#include "text/BlankFill.h"

#include <algorithm>

#include "platform/ShiftJis.h"

namespace text {

std::vector<std::string> SplitRows(std::string_view text, int width) {
    std::vector<std::string> rows;
    if (width < 2) width = 2;  // a row must hold one double-byte character
    const std::size_t w = static_cast<std::size_t>(width);
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t n = platform::CharBoundaryPrefix(text.substr(pos), w);
        if (n == 0) n = text.size() - pos;  // a lone lead byte at the end
        // A row stops at the next multiple of the width when a character
        // starts there: that may be where the next source line begins.
        const std::size_t boundary = (pos / w + 1) * w;
        if (boundary < pos + n && platform::IsCharStart(text, boundary)) n = boundary - pos;
        std::string_view row = text.substr(pos, n);
        pos += n;
        // Blank fill left over before the next multiple belongs to this row.
        if (pos % w != 0) {
            const std::size_t next = std::min(text.size(), (pos / w + 1) * w);
            if (text.substr(pos, next - pos).find_first_not_of(' ') == std::string_view::npos)
                pos = next;
        }
        const std::size_t last = row.find_last_not_of(' ');
        rows.emplace_back(last == std::string_view::npos ? std::string_view() : row.substr(0, last + 1));
    }
    return rows;
}

}  // namespace text
