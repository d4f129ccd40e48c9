#include "platform/Profile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <unordered_set>

#include "platform/ShiftJis.h"
#include "platform/TextFile.h"

namespace platform {
namespace {

struct Line {
    std::string raw;  // as in the file, without the line feed
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// The line without a carriage return before its line feed.
std::string_view Content(const std::string& raw) {
    std::string_view s(raw);
    if (!s.empty() && s.back() == '\r') s.remove_suffix(1);
    return s;
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Names compare without regard to the case of single-byte letters; the
// trail byte of a double-byte character may be a letter and must match
// exactly.
bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size();) {
        if (IsLeadByte(static_cast<unsigned char>(a[i]))) {
            if (a[i] != b[i]) return false;
            if (i + 1 < a.size() && a[i + 1] != b[i + 1]) return false;
            i += 2;
        } else {
            if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
            ++i;
        }
    }
    return true;
}

// The name with its single-byte letters lower-cased: equal for two names
// exactly when SameName holds.
std::string NameKey(std::string_view name) {
    std::string key(name);
    for (std::size_t i = 0; i < key.size();) {
        if (IsLeadByte(static_cast<unsigned char>(key[i]))) {
            i += 2;
        } else {
            key[i] = LowerAscii(key[i]);
            ++i;
        }
    }
    return key;
}

// A header line "[name]" gives its name; the closing bracket is the first
// "]" that starts a character.
bool ParseHeader(std::string_view content, std::string_view* name) {
    const std::string_view s = Trim(content);
    if (s.empty() || s.front() != '[') return false;
    for (std::size_t i = 1; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c == ']') {
            *name = Trim(s.substr(1, i - 1));
            return true;
        }
        i += IsLeadByte(c) ? 2 : 1;
    }
    return false;
}

// A "key=value" line gives its key and value.
bool ParseEntry(std::string_view content, std::string_view* key, std::string_view* value) {
    const std::size_t eq = content.find('=');  // "=" is never a trail byte
    if (eq == std::string_view::npos) return false;
    const std::string_view k = Trim(content.substr(0, eq));
    if (k.empty()) return false;
    *key = k;
    *value = content.substr(eq + 1);
    return true;
}

bool ReadFile(const std::string& path, std::string* data) {
    data->clear();
    std::FILE* f = OpenRegularFile(path);
    if (!f) return false;
    char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) data->append(buf, n);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

std::vector<Line> SplitLines(const std::string& data) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < data.size()) {
        std::size_t end = data.find('\n', start);
        if (end == std::string::npos) end = data.size();
        lines.push_back({data.substr(start, end - start)});
        start = end + 1;
    }
    return lines;
}

// Index range [first, last) of the section's lines after its header, or
// false when the file has no such section. *end is the index after the
// section's last key line (where a new key goes).
struct SectionSpan {
    std::size_t header = 0;
    std::size_t last = 0;
    std::size_t insertAt = 0;
};

bool FindSection(const std::vector<Line>& lines, std::string_view section, SectionSpan* span) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view name;
        if (!ParseHeader(Content(lines[i].raw), &name) || !SameName(name, section)) continue;
        span->header = i;
        std::size_t j = i + 1;
        span->insertAt = j;
        for (; j < lines.size(); ++j) {
            std::string_view other;
            if (ParseHeader(Content(lines[j].raw), &other)) break;
            if (!Trim(Content(lines[j].raw)).empty()) span->insertAt = j + 1;
        }
        span->last = j;
        return true;
    }
    return false;
}

bool LookUp(const std::vector<Line>& lines, std::string_view section, std::string_view key,
            std::string* value) {
    SectionSpan span;
    if (!FindSection(lines, section, &span)) return false;
    for (std::size_t i = span.header + 1; i < span.last; ++i) {
        std::string_view k, v;
        if (ParseEntry(Content(lines[i].raw), &k, &v) && SameName(k, key)) {
            // A value read back is a C string: it ends at a NUL byte.
            *value = std::string(v.substr(0, v.find('\0')));
            return true;
        }
    }
    return false;
}

bool UsableName(std::string_view name, bool isSection) {
    if (Trim(name).empty() || Trim(name).size() != name.size()) return false;
    for (std::size_t i = 0; i < name.size();) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c == '\n' || c == '\r' || c == '\0' || c == '=') return false;
        if (isSection && c == ']') return false;
        if (IsLeadByte(c)) {
            if (i + 1 >= name.size()) return false;
            const auto t = static_cast<unsigned char>(name[i + 1]);
            if (t == '\n' || t == '\r' || t == '\0') return false;
            i += 2;
        } else {
            ++i;
        }
    }
    // A key starting with "[" would read back as a header.
    return isSection || name.front() != '[';
}

std::string_view OneLine(std::string_view value) {
    const std::size_t cut = value.find_first_of(std::string_view("\r\n\0", 3));
    return value.substr(0, cut);
}

// Writes data to a temporary file in the directory of path and renames it
// over path.
bool ReplaceFile(const std::string& path, const std::string& data) {
    std::string tmp = path + ".XXXXXX";
    const int fd = mkstemp(tmp.data());
    if (fd < 0) return false;
    bool ok = true;
    struct stat st {};
    if (stat(path.c_str(), &st) == 0)
        ok = fchmod(fd, st.st_mode & 07777) == 0;
    else
        ok = fchmod(fd, 0644) == 0;
    std::size_t done = 0;
    while (ok && done < data.size()) {
        const ssize_t n = write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false;
        } else {
            done += static_cast<std::size_t>(n);
        }
    }
    if (ok) ok = fsync(fd) == 0;
    if (close(fd) != 0) ok = false;
    if (ok) ok = std::rename(tmp.c_str(), path.c_str()) == 0;
    if (!ok) unlink(tmp.c_str());
    return ok;
}

}  // namespace

int ParseProfileInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        v = v * 10 + (text[i] - '0');
        if (v > static_cast<long long>(INT_MAX) + 1) v = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) v = -v;
    if (v > INT_MAX) v = INT_MAX;
    if (v < INT_MIN) v = INT_MIN;
    return static_cast<int>(v);
}

std::string GetPrivateProfileString(const std::string& path, std::string_view section,
                                    std::string_view key, std::string_view def) {
    std::string data;
    if (!ReadFile(path, &data)) return std::string(def);
    std::string value;
    if (!LookUp(SplitLines(data), section, key, &value)) return std::string(def);
    return value;
}

int GetPrivateProfileInt(const std::string& path, std::string_view section, std::string_view key,
                         int def) {
    std::string data;
    if (!ReadFile(path, &data)) return def;
    std::string value;
    if (!LookUp(SplitLines(data), section, key, &value) || value.empty()) return def;
    return ParseProfileInt(value);
}

std::vector<ProfileEntry> GetPrivateProfileSection(const std::string& path,
                                                   std::string_view section) {
    std::vector<ProfileEntry> entries;
    std::string data;
    if (!ReadFile(path, &data)) return entries;
    const std::vector<Line> lines = SplitLines(data);
    SectionSpan span;
    if (!FindSection(lines, section, &span)) return entries;
    std::unordered_set<std::string> seen;
    for (std::size_t i = span.header + 1; i < span.last; ++i) {
        std::string_view k, v;
        if (!ParseEntry(Content(lines[i].raw), &k, &v)) continue;
        if (seen.insert(NameKey(k)).second)
            entries.emplace_back(std::string(k), std::string(v.substr(0, v.find('\0'))));
    }
    return entries;
}

bool WritePrivateProfileEntries(const std::string& path, std::string_view section,
                                const std::vector<ProfileEntry>& entries) {
    if (!UsableName(section, true)) return false;
    for (const auto& e : entries)
        if (!UsableName(e.first, false)) return false;
    if (entries.empty()) return true;

    std::string data;
    struct stat st {};
    if (stat(path.c_str(), &st) == 0) {
        // An existing file that cannot be read is not overwritten.
        if (!ReadFile(path, &data)) return false;
    }
    std::vector<Line> lines = SplitLines(data);
    // Keep the file's line end style for the lines written.
    const bool crlf = !lines.empty() && !lines.front().raw.empty() && lines.front().raw.back() == '\r';
    const std::string eol = crlf ? "\r" : "";

    for (const auto& [key, value] : entries) {
        const std::string line = key + "=" + std::string(OneLine(value)) + eol;
        SectionSpan span;
        if (!FindSection(lines, section, &span)) {
            if (!lines.empty() && !Trim(Content(lines.back().raw)).empty())
                lines.push_back({eol});
            lines.push_back({"[" + std::string(section) + "]" + eol});
            lines.push_back({line});
            continue;
        }
        bool replaced = false;
        for (std::size_t i = span.header + 1; i < span.last && !replaced; ++i) {
            std::string_view k, v;
            if (ParseEntry(Content(lines[i].raw), &k, &v) && SameName(k, key)) {
                lines[i].raw = line;
                replaced = true;
            }
        }
        if (!replaced) lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(span.insertAt), {line});
    }

    std::string out;
    for (const auto& l : lines) {
        out += l.raw;
        out += '\n';
    }
    return ReplaceFile(path, out);
}

bool WritePrivateProfileString(const std::string& path, std::string_view section,
                               std::string_view key, std::string_view value) {
    return WritePrivateProfileEntries(path, section, {{std::string(key), std::string(value)}});
}

bool WritePrivateProfileInt(const std::string& path, std::string_view section,
                            std::string_view key, int value) {
    return WritePrivateProfileString(path, section, key, std::to_string(value));
}

}  // namespace platform
