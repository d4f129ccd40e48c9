#include "text/LineReader.h"

#include <sys/stat.h>

#include "platform/ShiftJis.h"

namespace text {

CLineReader::~CLineReader() { Close(); }

bool CLineReader::Open(const std::string& path) {
    Close();
    struct stat st {};
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    m_file = std::fopen(path.c_str(), "rb");
    return m_file != nullptr;
}

void CLineReader::Close() {
    if (m_file) std::fclose(m_file);
    m_file = nullptr;
}

void CLineReader::Rewind() {
    if (m_file) std::rewind(m_file);
}

bool CLineReader::Read(std::string& out, std::size_t maxBytes) {
    out.clear();
    if (!m_file) return false;
    int c = std::fgetc(m_file);
    if (c == EOF) return false;
    for (; c != EOF; c = std::fgetc(m_file)) {
        if (c == '\n') return true;
        if (c == '\r') {
            const int next = std::fgetc(m_file);
            if (next == '\n' || next == EOF) return true;
            std::ungetc(next, m_file);
        }
        out.push_back(static_cast<char>(c));
        if (maxBytes != 0 && out.size() >= maxBytes) {
            // Do not end a piece inside a double-byte character.
            const std::size_t keep = platform::CharBoundaryPrefix(out, maxBytes);
            if (keep < out.size() && keep > 0) {
                std::ungetc(static_cast<unsigned char>(out.back()), m_file);
                out.pop_back();
            }
            return true;
        }
    }
    return true;
}

}  // namespace text
