#include "text/SectionLines.h"

#include "platform/ShiftJis.h"

namespace text {

bool IsHeaderLine(std::string_view line) {
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return false;
    return platform::IsCharStart(line, line.size() - 1);
}

std::string FormatHeader(int n) { return "[" + std::to_string(n) + "]"; }

void AppendFilled(std::string* text, std::string_view line, int width) {
    text->append(line);
    if (width < 1) return;
    const std::size_t w = static_cast<std::size_t>(width);
    const std::size_t rest = line.size() % w;
    if (rest != 0) text->append(w - rest, ' ');
}

}  // namespace text
