#pragma once
// The profile functions: integers and strings in an INI-style settings file,
// by section and key.
//
// File syntax: "[section]" header lines and "key=value" lines; everything
// else (comments, blank lines, unknown lines, lines before the first header)
// is kept as it is when a key is written. Section and key names compare
// without regard to ASCII case (the bytes of double-byte characters compare
// exactly); blanks and tabs around names are ignored. A value is every byte
// after the first "=" up to the end of its line, without the blanks and tabs
// around it (Shift-JIS bytes otherwise as written). The first occurrence of
// a section or key counts. Only a regular file is read (a pipe or a device in
// its place reads as no file), and at most 1 MiB of it; the lines read are
// kept until the file changes.
//
// Every write rewrites the file at once and atomically: the new contents go
// to a temporary file beside it, which then replaces the file by rename, so
// a failed write leaves the old file whole and readers always see a whole
// file. Writers take turns through an advisory lock on "<file>.lock" beside
// it, held from reading the file to the rename, so no key that another
// process writes at the same time is lost; temporary files that a killed
// writer left behind are removed. A file that cannot be written (made
// read-only, a directory in its place, larger than 1 MiB, a full disk) is
// left as it is: the values are kept in memory for the rest of the run, and
// the first such failure for a file is reported once.
#include <functional>
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

// Receives the one report of a settings file that cannot be written; by
// default it goes to stderr. Returns the previous handler.
using ProfileWarningHandler = std::function<void(const std::string&)>;
ProfileWarningHandler SetProfileWarningHandler(ProfileWarningHandler handler);

// Drops the lines read, the values kept and the reports made (for tests).
void ForgetProfileState();

// Parses the leading decimal number as GetPrivateProfileInt does.
int ParseProfileInt(std::string_view text);

}  // namespace platform
