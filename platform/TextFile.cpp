#include "platform/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <unordered_map>

#include "platform/ShiftJis.h"

namespace platform {

CTextFile::~CTextFile() { Close(); }

namespace {

std::unordered_map<std::string, std::string>& MemoryFiles() {
    static std::unordered_map<std::string, std::string> files;
    return files;
}

}  // namespace

void SetMemoryFile(const std::string& path, std::string bytes) { MemoryFiles()[path] = std::move(bytes); }

void RemoveMemoryFile(const std::string& path) { MemoryFiles().erase(path); }

std::FILE* OpenRegularFile(const std::string& path) {
    if (auto& files = MemoryFiles(); !files.empty()) {
        if (const auto it = files.find(path); it != files.end()) {
            std::string& bytes = it->second;
            return bytes.empty() ? std::fopen("/dev/null", "rb") : fmemopen(bytes.data(), bytes.size(), "rb");
        }
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

bool CTextFile::Open(const std::string& path) {
    Close();
    std::FILE* f = OpenRegularFile(path);
    if (!f) return false;
    m_file = f;
    m_pushedCount = 0;
    return true;
}

void CTextFile::Close() {
    if (m_file) std::fclose(m_file);
    m_file = nullptr;
    m_pushedCount = 0;
}

int CTextFile::Next() {
    if (m_pushedCount > 0) return m_pushed[--m_pushedCount];
    return m_file ? std::getc(m_file) : EOF;
}

bool CTextFile::ReadLine(std::string* line) {
    return ReadPiece(line, static_cast<std::size_t>(-1));
}

bool CTextFile::ReadPiece(std::string* piece, std::size_t maxBytes) {
    piece->clear();
    if (!m_file) return false;
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
            continue;
        }
        if (piece->size() + 1 > maxBytes) {
            Unread(c);
            return true;
        }
        piece->push_back(static_cast<char>(c));
    }
    return true;
}

}  // namespace platform
