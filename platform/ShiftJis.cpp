#include "platform/ShiftJis.h"

#include <cstring>

namespace platform {

std::size_t CharBoundaryPrefix(std::string_view s, std::size_t maxBytes) {
    std::size_t i = 0;
    const std::size_t n = s.size() < maxBytes ? s.size() : maxBytes;
    while (i < n) {
        const std::size_t step = IsLeadByte(static_cast<unsigned char>(s[i])) ? 2 : 1;
        if (i + step > n) break;
        i += step;
    }
    return i;
}

bool IsCharStart(std::string_view s, std::size_t pos) {
    std::size_t i = 0;
    while (i < pos && i < s.size())
        i += IsLeadByte(static_cast<unsigned char>(s[i])) ? 2 : 1;
    return i == pos;
}

void CopyToField(char* field, std::size_t fieldSize, std::string_view src) {
    if (fieldSize == 0) return;
    const std::size_t n = CharBoundaryPrefix(src, fieldSize - 1);
    if (n > 0) std::memcpy(field, src.data(), n);  // an empty view may have no data
    field[n] = '\0';
}

bool IsValidCp932(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c == 0x80 || c == 0xA0 || c >= 0xFD) return false;
        if (IsLeadByte(c)) {
            if (i + 1 >= s.size()) return false;
            const auto t = static_cast<unsigned char>(s[i + 1]);
            if (t < 0x40 || t == 0x7F || t > 0xFC) return false;
            i += 2;
        } else {
            ++i;
        }
    }
    return true;
}

std::string AsciiLower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

}  // namespace platform
