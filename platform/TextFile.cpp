#include "platform/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <unordered_map>

#include "platform/Codec.h"
#include "platform/ShiftJis.h"

namespace platform {

CTextFile::~CTextFile() { Close(); }

namespace {

std::unordered_map<std::string, MemoryFile>& MemoryFiles() {
    static std::unordered_map<std::string, MemoryFile> files;
    return files;
}

}  // namespace

void SetMemoryFile(const std::string& path, std::string bytes) {
    static unsigned long long generation = 0;
    MemoryFiles()[path] = MemoryFile{std::make_shared<const std::string>(std::move(bytes)), ++generation};
}

void RemoveMemoryFile(const std::string& path) { MemoryFiles().erase(path); }

void RemoveAllMemoryFiles() {
    // Swapped out, so that the table's buckets are freed as well.
    std::unordered_map<std::string, MemoryFile>().swap(MemoryFiles());
}

const MemoryFile* FindMemoryFile(const std::string& path) {
    auto& files = MemoryFiles();
    if (files.empty()) return nullptr;
    const auto it = files.find(path);
    return it == files.end() ? nullptr : &it->second;
}

std::FILE* OpenRegularFile(const std::string& path) {
    if (const MemoryFile* memory = FindMemoryFile(path)) {
        const std::string& bytes = *memory->bytes;
        // Opened for reading only: fmemopen never writes to the bytes.
        return bytes.empty() ? std::fopen("/dev/null", "rb")
                             : fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb");
    }
    // Opened without blocking: a named pipe in place of the file would
    // otherwise wait for a writer in open(2) before the check below.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return nullptr;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return nullptr;
    }
    const int flags = fcntl(fd, F_GETFL);
    if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        close(fd);
        return nullptr;
    }
    std::FILE* f = fdopen(fd, "rb");
    if (!f) close(fd);
    return f;
}

namespace {

constexpr std::size_t kUtf8Probe = 16u << 20;  // a larger file is read as Shift-JIS

// -1 when bytes are not UTF-8, 0 when they are ASCII only, 1 when they are
// UTF-8 with non-ASCII characters. With cutEndAllowed, a character cut off
// by the end of bytes (the end of a block read so far) does not count.
int ScanUtf8(std::string_view bytes, bool cutEndAllowed) {
    bool nonAscii = false;
    for (std::size_t i = 0; i < bytes.size();) {
        // Eight ASCII bytes at a time.
        if (i + 8 <= bytes.size()) {
            std::uint64_t eight;
            std::memcpy(&eight, bytes.data() + i, 8);
            if ((eight & 0x8080808080808080u) == 0) {
                i += 8;
                continue;
            }
        }
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        nonAscii = true;
        std::size_t len = 0;
        unsigned int min = 0;
        if ((c & 0xE0) == 0xC0) len = 2, min = 0x80;
        else if ((c & 0xF0) == 0xE0) len = 3, min = 0x800;
        else if ((c & 0xF8) == 0xF0) len = 4, min = 0x10000;
        else return -1;
        if (i + len > bytes.size()) {
            if (!cutEndAllowed) return -1;
            for (std::size_t k = i + 1; k < bytes.size(); ++k)
                if ((static_cast<unsigned char>(bytes[k]) & 0xC0) != 0x80) return -1;
            break;
        }
        unsigned int cp = c & (0xFF >> (len + 1));
        for (std::size_t k = 1; k < len; ++k) {
            const auto t = static_cast<unsigned char>(bytes[i + k]);
            if ((t & 0xC0) != 0x80) return -1;
            cp = (cp << 6) | (t & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return -1;
        i += len;
    }
    return nonAscii ? 1 : 0;
}

constexpr std::size_t kBlock = 16384;  // bytes read from a file at once

// Reads the file's start into *bytes: the whole file while it may be UTF-8
// (up to the probe's bound), else only its first reading, since a Shift-JIS
// file is told by its first double-byte character, which is no UTF-8. True
// when the file is UTF-8 holding non-ASCII bytes; otherwise the reading goes
// on from where this one stopped, after the bytes read here.
bool ReadStart(std::FILE* f, std::string* bytes) {
    std::size_t n;
    bool first = true;
    do {
        const std::size_t had = bytes->size();
        bytes->resize(had + kBlock * 4);
        n = std::fread(bytes->data() + had, 1, kBlock * 4, f);
        bytes->resize(had + n);
        if (bytes->size() > kUtf8Probe) break;
        if (first && ScanUtf8(*bytes, true) < 0) break;
        first = false;
    } while (n > 0);
    return bytes->size() <= kUtf8Probe && !std::ferror(f) && ScanUtf8(*bytes, false) == 1;
}

// What a byte can be in a line: a single-byte character, the lead byte of a
// double-byte one, or what ends the line or cuts it (LF, CR, NUL).
enum class ByteKind : unsigned char { Single, Lead, End };
constexpr std::array<ByteKind, 256> kByteKind = [] {
    std::array<ByteKind, 256> t{};
    for (int b = 0; b < 256; ++b)
        t[static_cast<std::size_t>(b)] = b == '\n' || b == '\r' || b == '\0'       ? ByteKind::End
                                         : IsLeadByte(static_cast<unsigned char>(b)) ? ByteKind::Lead
                                                                                      : ByteKind::Single;
    return t;
}();

}  // namespace

bool IsUtf8Text(std::string_view bytes) { return ScanUtf8(bytes, false) == 1; }

void CTextFile::OpenUtf8(std::string_view bytes) {
    // Line by line, so that a character without a Shift-JIS form is found
    // on its line.
    std::size_t start = 0;
    for (int line = 1; start < bytes.size(); ++line) {
        std::size_t end = bytes.find('\n', start);
        end = end == std::string_view::npos ? bytes.size() : end + 1;
        const std::string_view piece = bytes.substr(start, end - start);
        const std::string sjis = Utf8ToCp932(piece);
        if (!m_unconvertibleLine && Cp932ToUtf8(sjis) != piece) m_unconvertibleLine = line;
        m_text += sjis;
        start = end;
    }
    m_buf = m_text;
    m_open = true;
}

bool CTextFile::Open(const std::string& path) {
    Close();
    if (const MemoryFile* memory = FindMemoryFile(path)) {
        const std::string& bytes = *memory->bytes;
        if (bytes.size() <= kUtf8Probe && ScanUtf8(bytes, false) == 1) {
            OpenUtf8(bytes);
        } else {
            // Read where it lies, held for as long as this file is open.
            m_shared = memory->bytes;
            m_buf = *m_shared;
            m_open = true;
        }
        return true;
    }
    std::FILE* f = OpenRegularFile(path);
    if (!f) return false;
    std::string start;
    if (ReadStart(f, &start)) {
        std::fclose(f);
        OpenUtf8(start);
        return true;
    }
    // Read as Shift-JIS: the start already read is the first block.
    std::clearerr(f);
    m_file = f;
    struct stat st {};
    m_fileSize = fstat(fileno(f), &st) == 0 ? static_cast<std::size_t>(st.st_size) : 0;
    m_text = std::move(start);
    m_buf = m_text;
    m_filled = m_text.size();
    m_open = true;
    return true;
}

std::size_t CTextFile::SizeHint() const {
    const std::size_t ahead = m_buf.size() - m_pos;
    return m_file && m_fileSize > m_filled ? m_fileSize - m_filled + ahead : ahead;
}

void CTextFile::Close() {
    if (m_file) std::fclose(m_file);
    m_file = nullptr;
    m_open = false;
    m_buf = {};
    m_text.clear();
    m_shared.reset();
    m_pos = 0;
    m_fileSize = m_filled = 0;
    m_unconvertibleLine = 0;
    m_pushedCount = 0;
}

bool CTextFile::Fill() {
    if (!m_file) return false;
    m_text.resize(kBlock);
    const std::size_t n = std::fread(m_text.data(), 1, kBlock, m_file);
    m_text.resize(n);
    m_buf = m_text;
    m_pos = 0;
    m_filled += n;
    return n > 0;
}

// A line whose end is already in memory and that is shorter than a piece is
// taken at once: nothing in it can cut the piece, so it is the line's bytes
// without the carriage return before its end, up to a NUL.
bool CTextFile::TakeShortLine(std::string_view* piece, std::size_t maxBytes) {
    if (m_pushedCount != 0 || m_pos >= m_buf.size()) return false;
    const char* const start = m_buf.data() + m_pos;
    const std::size_t rest = m_buf.size() - m_pos;
    const void* const lf = std::memchr(start, '\n', rest);
    if (!lf && m_file) return false;  // the line may go on in the next block
    const std::size_t length = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - start) : rest;
    if (length >= maxBytes) return false;
    std::size_t kept = length;
    if (kept > 0 && start[kept - 1] == '\r') --kept;
    if (const void* nul = std::memchr(start, '\0', kept)) kept = static_cast<std::size_t>(static_cast<const char*>(nul) - start);
    *piece = std::string_view(start, kept);
    m_pos += lf ? length + 1 : length;
    return true;
}

bool CTextFile::ReadLine(std::string_view* line, std::string* scratch) {
    scratch->clear();
    if (!m_open) return false;
    if (TakeShortLine(line, static_cast<std::size_t>(-1))) return true;
    if (!ReadBytewise(scratch, static_cast<std::size_t>(-1))) return false;
    *line = *scratch;
    return true;
}

bool CTextFile::ReadLine(std::string* line) {
    return ReadPiece(line, static_cast<std::size_t>(-1));
}

bool CTextFile::ReadPiece(std::string* piece, std::size_t maxBytes) {
    piece->clear();
    if (!m_open) return false;
    if (std::string_view line; TakeShortLine(&line, maxBytes)) {
        piece->assign(line);
        return true;
    }
    return ReadBytewise(piece, maxBytes);
}

// ReadPiece for what TakeShortLine leaves: byte by byte, with runs of whole
// characters taken at once. piece is empty.
bool CTextFile::ReadBytewise(std::string* piece, std::size_t maxBytes) {
    int c = Next();
    if (c == EOF) return false;
    bool cut = false;  // a NUL was met: the rest of the line is dropped
    for (;; c = Next()) {
        if (c == EOF) break;
        if (c == '\n') break;
        if (c == '\r') {
            const int d = Next();
            if (d == '\n' || d == EOF) break;
            Unread(d);
        }
        if (c == '\0') cut = true;
        if (cut) continue;
        const auto byte = static_cast<unsigned char>(c);
        if (IsLeadByte(byte)) {
            // Keep the two bytes of a character in one piece.
            if (piece->size() + 2 > maxBytes) {
                if (piece->empty() && maxBytes > 0) {
                    piece->push_back(static_cast<char>(c));  // a piece of one byte cannot hold it
                    return true;
                }
                Unread(c);
                return true;
            }
            piece->push_back(static_cast<char>(c));
            const int t = Next();
            if (t == EOF || t == '\n' || t == '\r' || t == '\0') {
                Unread(t);  // a lone lead byte at the end of the line stays as it is
                continue;
            }
            piece->push_back(static_cast<char>(t));
            AppendRun(piece, maxBytes);
            continue;
        }
        if (piece->size() + 1 > maxBytes) {
            Unread(c);
            return true;
        }
        piece->push_back(static_cast<char>(c));
        AppendRun(piece, maxBytes);
    }
    return true;
}

// Takes the whole characters that follow in the block, as many as fit, at
// once; what needs a closer look (a line end, a NUL, a character cut by the
// block's or the piece's end, a lead byte before a line end) is left to the
// byte-by-byte reading.
void CTextFile::AppendRun(std::string* piece, std::size_t maxBytes) {
    if (m_pushedCount != 0) return;
    const char* const from = m_buf.data() + m_pos;
    const char* const to = from + std::min(maxBytes - piece->size(), m_buf.size() - m_pos);
    const char* p = from;
    while (p != to) {
        const ByteKind kind = kByteKind[static_cast<unsigned char>(*p)];
        if (kind == ByteKind::Single) {
            ++p;
            continue;
        }
        if (kind == ByteKind::End || to - p < 2 || kByteKind[static_cast<unsigned char>(p[1])] == ByteKind::End)
            break;
        p += 2;
    }
    piece->append(from, static_cast<std::size_t>(p - from));
    m_pos += static_cast<std::size_t>(p - from);
}

}  // namespace platform
