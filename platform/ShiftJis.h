#pragma once
// Byte-level helpers for Shift-JIS (code page 932) text.
// A trail byte may be 0x5C ('\') or an ASCII letter, so code that walks
// Shift-JIS bytes must step over whole characters, never byte by byte.
#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// True for the first byte of a double-byte character (81-9F, E0-FC).
constexpr bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// The length of the longest prefix of s that is at most maxBytes long and
// does not end inside a double-byte character.
std::size_t CharBoundaryPrefix(std::string_view s, std::size_t maxBytes);

// True when byte offset pos of s starts a character (is not a trail byte).
bool IsCharStart(std::string_view s, std::size_t pos);

// Copies src into a fixed field of fieldSize bytes (terminator included),
// cut at a character boundary so that the field stays NUL-terminated.
void CopyToField(char* field, std::size_t fieldSize, std::string_view src);

// True when every character of s is a valid CP932 character.
bool IsValidCp932(std::string_view s);

// ASCII A-Z to a-z, other bytes unchanged.
std::string AsciiLower(std::string_view s);

}  // namespace platform
