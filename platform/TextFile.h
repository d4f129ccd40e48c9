#pragma once
// Reading a data file as text lines, the way the program's readers see them:
// the line feed ends a line and is not part of it, a carriage return right
// before a line feed (or at the end of the file) is dropped, a lone carriage
// return stays a byte of its line, and a line ends at its first NUL byte
// (the rest of that line is read and discarded). The last line needs no line
// feed; an empty file has no lines. Only regular files open: a directory, a
// device or a pipe in place of the file counts as unreadable.
#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

// Opens path for reading in binary mode; nullptr when it cannot be opened or
// is no regular file (a directory, a device, a pipe).
std::FILE* OpenRegularFile(const std::string& path);

// True for text that is valid UTF-8 and holds at least one non-ASCII
// character: such a data file was written in UTF-8, not Shift-JIS.
bool IsUtf8Text(std::string_view bytes);

// A seam for the fuzz targets: the bytes given here are what opening that
// path reads, without the file system, until they are taken away again.
// Nothing else of the program sets it.
void SetMemoryFile(const std::string& path, std::string bytes);
void RemoveMemoryFile(const std::string& path);
void RemoveAllMemoryFiles();

// The memory file at path, or nullptr. Its generation grows with every
// SetMemoryFile, so a reader caching its lines sees each change.
struct MemoryFile {
    std::shared_ptr<const std::string> bytes;  // never null
    unsigned long long generation = 0;
};
const MemoryFile* FindMemoryFile(const std::string& path);

class CTextFile {
public:
    CTextFile() = default;
    ~CTextFile();
    CTextFile(const CTextFile&) = delete;
    CTextFile& operator=(const CTextFile&) = delete;

    // False when the file cannot be opened for reading or is no regular file.
    // A file written in UTF-8 (valid UTF-8 holding non-ASCII bytes, within
    // the first 16 MiB) is read as the Shift-JIS it converts to; any other
    // is read byte for byte, as Shift-JIS.
    bool Open(const std::string& path);
    // After Open: the first line (from 1) of a UTF-8 file holding a character
    // that Shift-JIS cannot hold (read as "？"), or 0.
    int UnconvertibleLine() const { return m_unconvertibleLine; }
    void Close();
    bool IsOpen() const { return m_open; }

    // The next whole line, any length; false at the end of the file.
    bool ReadLine(std::string* line);
    // The same line as a view: into the text already read when the line lies
    // there whole, else into *scratch. Valid until the next read or Close.
    bool ReadLine(std::string_view* line, std::string* scratch);
    // The bytes read ahead and not yet taken: the rest of a file held in
    // memory, else what is left of the block read last.
    std::string_view Ahead() const { return std::string_view(m_buf.data() + m_pos, m_buf.size() - m_pos); }
    // About how many bytes are left to read (a file on disk by its size when
    // it opened): a hint for sizing what is read into.
    std::size_t SizeHint() const;
    // The next piece of a line: at most maxBytes bytes, cut at a Shift-JIS
    // character boundary; the rest of a longer line comes as the next piece.
    // false at the end of the file.
    bool ReadPiece(std::string* piece, std::size_t maxBytes);

private:
    // The next byte or EOF: from the block read last, refilled from the
    // file when it runs out.
    int Next() {
        if (m_pushedCount > 0) return m_pushed[--m_pushedCount];
        if (m_pos == m_buf.size() && !Fill()) return EOF;
        return static_cast<unsigned char>(m_buf[m_pos++]);
    }
    bool Fill();
    bool TakeShortLine(std::string_view* piece, std::size_t maxBytes);
    bool ReadBytewise(std::string* piece, std::size_t maxBytes);
    void AppendRun(std::string* piece, std::size_t maxBytes);
    void Unread(int c) { m_pushed[m_pushedCount++] = c; }
    // Reads UTF-8 bytes, the whole file, as the Shift-JIS they convert to.
    void OpenUtf8(std::string_view bytes);

    bool m_open = false;
    std::FILE* m_file = nullptr;  // null when the whole text is in m_text
    // What is read: the whole text when it is in memory (a memory file, a
    // UTF-8 file converted to Shift-JIS), else the block of the file read
    // last. It lies in m_text, or in the memory file m_shared holds.
    std::string_view m_buf;
    std::string m_text;
    std::shared_ptr<const std::string> m_shared;
    std::size_t m_pos = 0;  // the next byte of m_buf
    std::size_t m_fileSize = 0;  // a file on disk: its size when it opened
    std::size_t m_filled = 0;    // and the bytes read from it into blocks
    int m_unconvertibleLine = 0;
    int m_pushed[2] = {};  // bytes read ahead, the last one is read next
    int m_pushedCount = 0;
};

}  // namespace platform
