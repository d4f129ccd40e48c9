#include "app/WindowPlacement.h"

#include <algorithm>

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

namespace {

long long DistanceSquared(const WindowPlacement& p, const ScreenArea& s) {
    // From the rectangle's centre to the nearest point of the screen.
    const long long cx = (static_cast<long long>(p.left) + p.right) / 2;
    const long long cy = (static_cast<long long>(p.top) + p.bottom) / 2;
    const long long dx = cx < s.left ? s.left - cx : cx > s.right ? cx - s.right : 0;
    const long long dy = cy < s.top ? s.top - cy : cy > s.bottom ? cy - s.bottom : 0;
    return dx * dx + dy * dy;
}

}  // namespace

WindowPlacement BringOntoScreen(WindowPlacement p, const std::vector<ScreenArea>& screens) {
    if (screens.empty()) return p;
    const long long width = std::max(1LL, static_cast<long long>(p.right) - p.left);
    const long long height = std::max(1LL, static_cast<long long>(p.bottom) - p.top);
    for (const ScreenArea& s : screens) {
        const long long w = std::min<long long>(p.right, s.right) - std::max<long long>(p.left, s.left);
        const long long h = std::min<long long>(p.bottom, s.bottom) - std::max<long long>(p.top, s.top);
        if (w >= std::min(100LL, width) && h >= std::min(50LL, height)) return p;
    }
    const ScreenArea* nearest = &screens.front();
    for (const ScreenArea& s : screens)
        if (DistanceSquared(p, s) < DistanceSquared(p, *nearest)) nearest = &s;
    const ScreenArea& s = *nearest;
    const int w = static_cast<int>(std::min<long long>(width, std::max(1, s.right - s.left)));
    const int h = static_cast<int>(std::min<long long>(height, std::max(1, s.bottom - s.top)));
    const int left = std::clamp(p.left, s.left, s.right - w);
    const int top = std::clamp(p.top, s.top, s.bottom - h);
    p.left = left;
    p.top = top;
    p.right = left + w;
    p.bottom = top + h;
    return p;
}
