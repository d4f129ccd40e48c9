#include "app/WindowPlacement.h"

#include <charconv>
#include <cstdio>

std::string FormatWindowPos(const WindowPlacement& p) {
    char buf[160];
    std::snprintf(buf, sizeof buf, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", p.flags, p.showCmd, p.minX,
                  p.minY, p.maxX, p.maxY, p.left, p.top, p.right, p.bottom);
    return buf;
}

namespace {

// One field: the digits (with a minus sign for a signed field) up to the next
// comma or the end; no blanks, no plus sign, nothing else, within range.
template <typename T>
bool TakeField(std::string_view* rest, bool last, T* value) {
    const std::size_t comma = rest->find(',');
    if (last ? comma != std::string_view::npos : comma == std::string_view::npos) return false;
    const std::string_view field = rest->substr(0, comma);
    if (field.empty()) return false;
    const char* end = field.data() + field.size();
    const auto [ptr, ec] = std::from_chars(field.data(), end, *value);
    if (ec != std::errc() || ptr != end) return false;
    rest->remove_prefix(last ? rest->size() : comma + 1);
    return true;
}

}  // namespace

bool ParseWindowPos(std::string_view text, WindowPlacement* out) {
    WindowPlacement p;
    std::string_view rest = text;
    int* const ints[] = {&p.minX, &p.minY, &p.maxX, &p.maxY, &p.left, &p.top, &p.right, &p.bottom};
    if (!TakeField(&rest, false, &p.flags) || !TakeField(&rest, false, &p.showCmd)) return false;
    for (int i = 0; i < 8; ++i)
        if (!TakeField(&rest, i == 7, ints[i])) return false;
    *out = p;
    return true;
}
