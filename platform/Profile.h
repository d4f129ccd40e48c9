#pragma once
// The profile functions: integers and strings in an INI-style settings file,
// by section and key.
//
// File syntax: "[section]" header lines and "key=value" lines; everything
// else (comments, blank lines, unknown lines, lines before the first header)
// is kept as it is when a key is written. Section and key names compare
// without regard to ASCII case (the bytes of double-byte characters compare
// exactly); blanks and tabs around names are ignored. A value is every byte
// after the first "=" up to the end of its line, kept exactly as written
// (Shift-JIS bytes, blanks included). The first occurrence of a section or
// key counts.
//
// Every write rewrites the file at once and atomically: the new contents go
// to a temporary file beside it, which then replaces the file by rename, so
// a failed write leaves the old file whole.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

using ProfileEntry = std::pair<std::string, std::string>;  // key, value

// The value, or def when the file, the section or the key is missing.
std::string GetPrivateProfileString(const std::string& path, std::string_view section,
                                    std::string_view key, std::string_view def = {});

// The leading decimal number of the value (blanks, an optional sign, then
// digits; "12abc" reads 12, text that is no number reads 0; a number out of
// the int range is clamped to it); def when the key is missing or empty.
int GetPrivateProfileInt(const std::string& path, std::string_view section,
                         std::string_view key, int def);

// Every key of a section in file order (first occurrence of each key).
std::vector<ProfileEntry> GetPrivateProfileSection(const std::string& path,
                                                   std::string_view section);

// Writes key=value in the section (created at the end of the file when
// missing); a value is cut before its first line break or NUL. False when
// the names are unusable (empty, holding "=", "]" or a line break) or the
// file could not be written; the old file is then unchanged.
bool WritePrivateProfileString(const std::string& path, std::string_view section,
                               std::string_view key, std::string_view value);
bool WritePrivateProfileInt(const std::string& path, std::string_view section,
                            std::string_view key, int value);
// Several keys of one section in one rewrite of the file.
bool WritePrivateProfileEntries(const std::string& path, std::string_view section,
                                const std::vector<ProfileEntry>& entries);

// Parses the leading decimal number as GetPrivateProfileInt does.
int ParseProfileInt(std::string_view text);

}  // namespace platform
