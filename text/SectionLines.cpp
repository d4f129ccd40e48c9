#include "text/SectionLines.h"

#include <charconv>
#include <system_error>

#include "platform/ShiftJis.h"

namespace text {

bool IsHeaderLine(std::string_view line) {
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return false;
    return platform::IsCharStart(line, line.size() - 1);
}

namespace {

// "[%d]" of n into buf (room for 13 bytes); its length.
std::size_t WriteHeader(char* buf, int n) {
    buf[0] = '[';
    char* end = std::to_chars(buf + 1, buf + 12, n).ptr;
    *end++ = ']';
    return static_cast<std::size_t>(end - buf);
}

}  // namespace

std::string FormatHeader(int n) {
    char buf[13];
    return std::string(buf, WriteHeader(buf, n));
}

bool ParseHeader(std::string_view line, int* n) {
    if (line.size() < 3 || line.size() > 13 || line.front() != '[' || line.back() != ']') return false;
    int value = 0;
    const char* last = line.data() + line.size() - 1;
    const auto [ptr, ec] = std::from_chars(line.data() + 1, last, value);
    if (ec != std::errc() || ptr != last) return false;
    // Only the form FormatHeader writes: "[07]" and "[-0]" are no header of 7 or 0.
    char buf[13];
    if (std::string_view(buf, WriteHeader(buf, value)) != line) return false;
    *n = value;
    return true;
}

void AppendFilled(std::string* text, std::string_view line, int width) {
    text->append(line);
    if (width < 1) return;
    const std::size_t w = static_cast<std::size_t>(width);
    const std::size_t rest = line.size() % w;
    if (rest != 0) text->append(w - rest, ' ');
}

}  // namespace text
