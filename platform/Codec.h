#pragma once
// Conversion between the program's Shift-JIS (code page 932) bytes and UTF-8,
// through glibc iconv ("CP932"). Nothing is dropped silently: a byte sequence
// that is not CP932 becomes U+FFFD, a character that CP932 cannot hold becomes
// the full-width question mark "？" (81 48).
#include <string>
#include <string_view>

namespace platform {

std::string Cp932ToUtf8(std::string_view cp932);
std::string Utf8ToCp932(std::string_view utf8);

// A file system path as the program shows it: path bytes are the file
// system's (UTF-8), the program's texts Shift-JIS. A path that is not valid
// UTF-8 is shown byte for byte.
std::string PathForDisplay(std::string_view path);

}  // namespace platform
