#include "platform/Profile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <iostream>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <unordered_set>

#include "platform/ShiftJis.h"
#include "platform/TextFile.h"

namespace platform {
namespace {

// What a settings file may hold: far more than the program ever writes, a
// bound against a hostile file.
constexpr std::size_t kMaxProfileBytes = 1 << 20;

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

// Appends the name with its single-byte letters lower-cased: equal for two
// names exactly when SameName holds.
void AppendNameKey(std::string* out, std::string_view name) {
    const std::size_t at = out->size();
    out->append(name);
    char* const key = out->data() + at;
    for (std::size_t i = 0; i < name.size();) {
        if (IsLeadByte(static_cast<unsigned char>(key[i]))) {
            i += 2;
        } else {
            key[i] = LowerAscii(key[i]);
            ++i;
        }
    }
}

std::string NameKey(std::string_view name) {
    std::string key;
    key.reserve(name.size());
    AppendNameKey(&key, name);
    return key;
}

// The index's key of a value: NameKey(section) "\n" NameKey(key).
std::string ValueKey(std::string_view section, std::string_view key) {
    std::string k;
    k.reserve(section.size() + 1 + key.size());
    AppendNameKey(&k, section);
    k.push_back('\n');
    AppendNameKey(&k, key);
    return k;
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
    *value = Trim(content.substr(eq + 1));  // a trail byte is never a blank or a tab
    return true;
}

// Reads at most kMaxProfileBytes; *whole tells whether that was all of it.
bool ReadFile(const std::string& path, std::string* data, bool* whole) {
    data->clear();
    *whole = true;
    if (const MemoryFile* memory = FindMemoryFile(path)) {
        data->assign(*memory->bytes, 0, kMaxProfileBytes);
        *whole = memory->bytes->size() <= kMaxProfileBytes;
        return true;
    }
    std::FILE* f = OpenRegularFile(path);
    if (!f) return false;
    char buf[65536];
    std::size_t n;
    while (data->size() < kMaxProfileBytes && (n = std::fread(buf, 1, sizeof buf, f)) > 0)
        data->append(buf, n);
    if (data->size() > kMaxProfileBytes) data->resize(kMaxProfileBytes);
    if (data->size() == kMaxProfileBytes) *whole = std::fgetc(f) == EOF;
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

std::vector<Line> SplitLines(const std::string& data) {
    std::vector<Line> lines;
    lines.reserve(static_cast<std::size_t>(std::count(data.begin(), data.end(), '\n')) + 1);
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

// What the readers look up, found once per reading of a file: the first
// section of each name (a later one of the same name is never read) and the
// first value of each key in it.
struct FileIndex {
    std::unordered_map<std::string, std::size_t> headers;  // NameKey -> header line
    std::vector<std::size_t> headerLines;                   // every header line, in order
    std::unordered_map<std::string, std::string> values;    // NameKey(section) "\n" NameKey(key)
};

FileIndex IndexLines(const std::vector<Line>& lines) {
    FileIndex index;
    bool firstOfName = false;
    std::string_view section;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view content = Content(lines[i].raw);
        std::string_view name;
        if (ParseHeader(content, &name)) {
            index.headerLines.push_back(i);
            section = name;
            firstOfName = index.headers.emplace(NameKey(name), i).second;
            continue;
        }
        std::string_view k, v;
        if (firstOfName && ParseEntry(content, &k, &v))
            // A value read back is a C string: it ends at a NUL byte.
            index.values.emplace(ValueKey(section, k), std::string(v.substr(0, v.find('\0'))));
    }
    return index;
}

// FindSection through the index.
bool FindIndexedSection(const std::vector<Line>& lines, const FileIndex& index, std::string_view section,
                        SectionSpan* span) {
    const auto it = index.headers.find(NameKey(section));
    if (it == index.headers.end()) return false;
    span->header = it->second;
    const auto next = std::upper_bound(index.headerLines.begin(), index.headerLines.end(), it->second);
    span->last = next == index.headerLines.end() ? lines.size() : *next;
    span->insertAt = span->header + 1;
    for (std::size_t j = span->last; j > span->header + 1; --j)
        if (!Trim(Content(lines[j - 1].raw)).empty()) {
            span->insertAt = j;
            break;
        }
    return true;
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

namespace {

// The lines of a file as last read, kept while the file is unchanged (the
// same inode, size and times), so that reading many keys reads the file once.
struct FileStamp {
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    long long mtime = 0;
    long long ctime = 0;
    bool operator==(const FileStamp&) const = default;
};

struct FileLines {
    FileStamp stamp;
    long long readAt = 0;   // when the file was read (ns, the file times' clock)
    bool readable = false;  // a regular file, read without error
    bool whole = false;     // and read to its end within the bound
    std::shared_ptr<const std::vector<Line>> lines = std::make_shared<std::vector<Line>>();
    std::shared_ptr<const FileIndex> index = std::make_shared<FileIndex>();
};

// A value that could not be written: kept for the rest of the run.
struct KeptValue {
    std::string section, key, value;
};

struct ProfileState {
    std::mutex mutex;
    std::map<std::string, FileLines> files;
    std::map<std::string, std::vector<KeptValue>> kept;
    std::set<std::string> warned;
    std::set<std::string> swept;  // files whose stale temporaries are gone
    ProfileWarningHandler handler;
};

long long Now() {
    timespec t {};
    clock_gettime(CLOCK_REALTIME, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// File times tick coarsely (some milliseconds): a file changed again within
// the tick of the last read could keep its stamp. Lines read while the file
// was that young are not trusted, as a version-control index does with its
// "racily clean" entries.
constexpr long long kTimeTick = 50LL * 1000 * 1000;

ProfileState& State() {
    static ProfileState state;
    return state;
}

bool Stamp(const std::string& path, FileStamp* stamp, struct stat* st) {
    if (const MemoryFile* memory = FindMemoryFile(path)) {
        // A memory file changes only through SetMemoryFile: its generation
        // dates it exactly, so its lines are always trusted.
        *stamp = FileStamp{};
        stamp->size = static_cast<off_t>(memory->bytes->size());
        stamp->mtime = stamp->ctime = -static_cast<long long>(memory->generation);
        return true;
    }
    if (stat(path.c_str(), st) != 0) return false;
    stamp->dev = st->st_dev;
    stamp->ino = st->st_ino;
    stamp->size = st->st_size;
    stamp->mtime = static_cast<long long>(st->st_mtim.tv_sec) * 1000000000LL + st->st_mtim.tv_nsec;
    stamp->ctime = static_cast<long long>(st->st_ctim.tv_sec) * 1000000000LL + st->st_ctim.tv_nsec;
    return true;
}

// The file's lines as they are now (the caller holds the state's mutex).
const FileLines& Load(ProfileState& state, const std::string& path) {
    FileLines& cached = state.files[path];
    FileStamp stamp;
    struct stat st {};
    if (!Stamp(path, &stamp, &st)) {
        cached = FileLines{};
        return cached;
    }
    if (cached.readable && cached.stamp == stamp && cached.stamp.mtime + kTimeTick < cached.readAt) return cached;
    FileLines fresh;
    fresh.stamp = stamp;
    fresh.readAt = Now();
    std::string data;
    fresh.readable = ReadFile(path, &data, &fresh.whole);
    if (fresh.readable) {
        auto lines = std::make_shared<std::vector<Line>>(SplitLines(data));
        fresh.index = std::make_shared<FileIndex>(IndexLines(*lines));
        fresh.lines = std::move(lines);
    }
    cached = std::move(fresh);
    return cached;
}

bool FindKept(const ProfileState& state, const std::string& path, std::string_view section,
              std::string_view key, std::string* value) {
    const auto it = state.kept.find(path);
    if (it == state.kept.end()) return false;
    for (auto k = it->second.rbegin(); k != it->second.rend(); ++k)
        if (SameName(k->section, section) && SameName(k->key, key)) {
            *value = k->value;
            return true;
        }
    return false;
}

void Warn(ProfileState& state, const std::string& path, const std::string& why) {
    if (!state.warned.insert(path).second) return;
    const std::string message = "kirokan: the settings file " + path + " " + why +
                                "; changes are kept for this run only";
    if (state.handler)
        state.handler(message);
    else
        std::cerr << message << std::endl;
}

// Writers of one settings file, in this process or another, take turns: an
// advisory lock on a file beside it is held from reading the file to
// renaming the new one over it.
class WriterLock {
public:
    explicit WriterLock(const std::string& path)
        : m_fd(open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0644)) {
        if (m_fd >= 0)
            while (flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~WriterLock() {
        if (m_fd >= 0) close(m_fd);  // closing releases the lock
    }
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;

private:
    int m_fd;
};

// A writer killed between making its temporary file and the rename leaves
// "<name>.XXXXXX" behind; under the lock no other writer has one open.
void RemoveStaleTemporaries(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    const std::string prefix = (slash == std::string::npos ? path : path.substr(slash + 1)) + ".";
    DIR* d = opendir(dir.c_str());
    if (!d) return;
    while (const dirent* e = readdir(d)) {
        const std::string_view name = e->d_name;
        if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0) continue;
        bool ours = true;
        for (char c : name.substr(prefix.size()))
            ours = ours && ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'));
        if (ours) unlink((dir + "/" + std::string(name)).c_str());
    }
    closedir(d);
}

}  // namespace

ProfileWarningHandler SetProfileWarningHandler(ProfileWarningHandler handler) {
    ProfileState& state = State();
    std::lock_guard lock(state.mutex);
    ProfileWarningHandler previous = std::move(state.handler);
    state.handler = std::move(handler);
    return previous;
}

void ForgetProfileState() {
    ProfileState& state = State();
    std::lock_guard lock(state.mutex);
    state.files.clear();
    state.kept.clear();
    state.warned.clear();
    state.swept.clear();
}

std::string GetPrivateProfileString(const std::string& path, std::string_view section,
                                    std::string_view key, std::string_view def) {
    ProfileState& state = State();
    std::lock_guard lock(state.mutex);
    std::string value;
    if (FindKept(state, path, section, key, &value)) return value;
    const FileLines& file = Load(state, path);
    if (!file.readable) return std::string(def);
    const auto it = file.index->values.find(ValueKey(section, key));
    return it == file.index->values.end() ? std::string(def) : it->second;
}

int GetPrivateProfileInt(const std::string& path, std::string_view section, std::string_view key,
                         int def) {
    const std::string value = GetPrivateProfileString(path, section, key);
    return value.empty() ? def : ParseProfileInt(value);
}

std::vector<ProfileEntry> GetPrivateProfileSection(const std::string& path,
                                                   std::string_view section) {
    ProfileState& state = State();
    std::lock_guard lock(state.mutex);
    std::vector<ProfileEntry> entries;
    const FileLines& file = Load(state, path);
    SectionSpan span;
    if (file.readable && FindIndexedSection(*file.lines, *file.index, section, &span)) {
        const std::vector<Line>& lines = *file.lines;
        std::unordered_set<std::string> seen;
        for (std::size_t i = span.header + 1; i < span.last; ++i) {
            std::string_view k, v;
            if (!ParseEntry(Content(lines[i].raw), &k, &v)) continue;
            if (seen.insert(NameKey(k)).second)
                entries.emplace_back(std::string(k), std::string(v.substr(0, v.find('\0'))));
        }
    }
    if (const auto it = state.kept.find(path); it != state.kept.end())
        for (const KeptValue& k : it->second) {
            if (!SameName(k.section, section)) continue;
            bool replaced = false;
            for (auto& e : entries)
                if (SameName(e.first, k.key)) {
                    e.second = k.value;
                    replaced = true;
                }
            if (!replaced) entries.emplace_back(k.key, k.value);
        }
    return entries;
}

bool WritePrivateProfileEntries(const std::string& path, std::string_view section,
                                const std::vector<ProfileEntry>& entries) {
    if (!UsableName(section, true)) return false;
    for (const auto& e : entries)
        if (!UsableName(e.first, false)) return false;
    if (entries.empty()) return true;

    ProfileState& state = State();
    std::lock_guard lock(state.mutex);
    auto keep = [&](const char* why) {
        auto& kept = state.kept[path];
        for (const auto& [key, value] : entries)
            kept.push_back({std::string(section), key, std::string(OneLine(value))});
        Warn(state, path, why);
        return false;
    };

    // A memory file (the fuzz targets' seam) is read and replaced in memory.
    const bool inMemory = FindMemoryFile(path) != nullptr;
    std::optional<WriterLock> writers;
    if (!inMemory) writers.emplace(path);
    if (!inMemory && state.swept.insert(path).second) RemoveStaleTemporaries(path);
    std::vector<Line> lines;
    struct stat st {};
    if (inMemory) {
        lines = *Load(state, path).lines;
    } else if (lstat(path.c_str(), &st) == 0) {
        struct stat target {};
        if (stat(path.c_str(), &target) != 0 || !S_ISREG(target.st_mode)) return keep("is not a regular file");
        // A file its owner made read-only stays as it is, even for root.
        if ((target.st_mode & 0222) == 0 || access(path.c_str(), W_OK) != 0) return keep("is read-only");
        // An existing file that cannot be read whole is not overwritten.
        const FileLines& file = Load(state, path);
        if (!file.readable) return keep("cannot be read");
        if (!file.whole) return keep("is too large");
        lines = *file.lines;
    }
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
    if (inMemory)
        SetMemoryFile(path, std::move(out));
    else if (!ReplaceFile(path, out))
        return keep("cannot be written");
    // What the file now holds needs no keeping.
    if (const auto it = state.kept.find(path); it != state.kept.end())
        std::erase_if(it->second, [&](const KeptValue& k) {
            if (!SameName(k.section, section)) return false;
            for (const auto& e : entries)
                if (SameName(e.first, k.key)) return true;
            return false;
        });
    return true;
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
