#include "text/BlankFill.h"

#include "platform/ShiftJis.h"

namespace text {

std::vector<std::string> SplitRows(std::string_view text, int width) {
    std::vector<std::string> rows;
    if (width < 2) width = 2;  // a row must hold one double-byte character
    const std::size_t w = static_cast<std::size_t>(width);
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t len = platform::CharBoundaryPrefix(text.substr(pos), w);
        if (len == 0) len = text.size() - pos;  // a lone lead byte at the end
        std::string_view row = text.substr(pos, len);
        pos += len;
        // Blanks left of the fill up to the next multiple of the width.
        const std::size_t next = (pos + w - 1) / w * w;
        if (next > pos && next <= text.size() &&
            text.substr(pos, next - pos).find_first_not_of(' ') == std::string_view::npos)
            pos = next;
        const std::size_t end = row.find_last_not_of(' ');
        rows.emplace_back(end == std::string_view::npos ? std::string_view() : row.substr(0, end + 1));
    }
    return rows;
}

}  // namespace text
