#pragma once
// Reads a TxtData file as lines: the line feed ends a line and is not part
// of it, a carriage return right before it is dropped. A line may also be
// taken in pieces of at most a given number of bytes, cut at a Shift-JIS
// character boundary (the rest of the line comes as the next piece).
#include <cstddef>
#include <cstdio>
#include <string>

namespace text {

class CLineReader {
public:
    CLineReader() = default;
    ~CLineReader();
    CLineReader(const CLineReader&) = delete;
    CLineReader& operator=(const CLineReader&) = delete;

    // False when the file cannot be opened for reading (or is a directory).
    bool Open(const std::string& path);
    void Close();
    void Rewind();

    // The next line or piece; false at the end of the file. maxBytes 0 means
    // whole lines.
    bool Read(std::string& out, std::size_t maxBytes = 0);

private:
    std::FILE* m_file = nullptr;
};

}  // namespace text
