#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/ShiftJis.h"
#include "platform/TextFile.h"
#include "tests/core/ReaderTestSupport.h"

using namespace platform;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

// The reading rules written out plainly, one byte at a time over the whole
// text: the model the block-wise reader must agree with.
std::vector<std::string> ModelPieces(const std::string& text, std::size_t maxBytes) {
    std::vector<std::string> pieces;
    std::size_t pos = 0;
    std::vector<int> pushed;
    auto next = [&]() -> int {
        if (!pushed.empty()) {
            const int c = pushed.back();
            pushed.pop_back();
            return c;
        }
        return pos < text.size() ? static_cast<unsigned char>(text[pos++]) : EOF;
    };
    for (;;) {
        std::string piece;
        int c = next();
        if (c == EOF) break;
        bool cut = false;
        for (; c != EOF && c != '\n'; c = next()) {
            if (c == '\r') {
                const int d = next();
                if (d == '\n' || d == EOF) break;
                pushed.push_back(d);
            }
            if (c == '\0') cut = true;
            if (cut) continue;
            if (IsLeadByte(static_cast<unsigned char>(c))) {
                if (piece.size() + 2 > maxBytes) {
                    if (piece.empty() && maxBytes > 0) piece.push_back(static_cast<char>(c));
                    else pushed.push_back(c);
                    break;
                }
                piece.push_back(static_cast<char>(c));
                const int t = next();
                if (t == EOF || t == '\n' || t == '\r' || t == '\0') {
                    pushed.push_back(t);
                    continue;
                }
                piece.push_back(static_cast<char>(t));
                continue;
            }
            if (piece.size() + 1 > maxBytes) {
                pushed.push_back(c);
                break;
            }
            piece.push_back(static_cast<char>(c));
        }
        pieces.push_back(piece);
    }
    return pieces;
}

std::vector<std::string> ReadPieces(const std::string& path, std::size_t maxBytes) {
    CTextFile file;
    EXPECT_TRUE(file.Open(path));
    std::vector<std::string> pieces;
    std::string piece;
    while (file.ReadPiece(&piece, maxBytes)) pieces.push_back(piece);
    return pieces;
}

// Whole lines read as views (into the text read, or into a scratch string).
std::vector<std::string> ReadLineViews(const std::string& path) {
    CTextFile file;
    EXPECT_TRUE(file.Open(path));
    std::vector<std::string> lines;
    std::string scratch;
    std::string_view line;
    while (file.ReadLine(&line, &scratch)) lines.emplace_back(line);
    return lines;
}

// Random texts, most of them past the file's first reading, made of the bytes that
// matter: line ends, NUL, lead bytes (0x5C and letters among the trail
// bytes), blanks and letters; read from disk in blocks and from memory whole,
// in pieces of several sizes and as line views, they give what the model
// gives.
TEST(TextFile, BlockWiseReadingAgreesWithTheByteByByteModel) {
    const unsigned char alphabet[] = {'a', 'b', ' ', '\\', '@', '\n', '\r', '\0', 0x81, 0x82, 0x9F,
                                      0xE0, 0xFC, 0xA0, 0x80, 0xFD, 0xFF};
    std::mt19937 random(20261207);
    TempDir dir;
    const std::string path = dir / "random.txt";
    const std::string memoryPath = dir / "memory.txt";
    int texts = 0;
    for (int round = 0; round < 60; ++round) {
        // Past the file's first reading (64 KiB) into the 16 KiB blocks after it.
        const std::size_t length = round < 10 ? random() % 64 : 65536 - 40 + random() % 40000;
        // Some texts mostly single bytes, some mostly lead bytes, some line ends.
        const unsigned weight = random() % 3;
        std::string text;
        for (std::size_t i = 0; i < length; ++i) {
            std::size_t k = random() % sizeof alphabet;
            if (weight == 0 && random() % 4 != 0) k = random() % 5;
            if (weight == 1 && random() % 2 != 0) k = 8 + random() % 4;
            text.push_back(static_cast<char>(alphabet[k]));
        }
        if (IsUtf8Text(text)) continue;  // such a file is read as converted UTF-8
        WriteFile(path, text);
        SetMemoryFile(memoryPath, text);
        for (const std::size_t maxBytes : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{254},
                                           static_cast<std::size_t>(-1)}) {
            const std::vector<std::string> model = ModelPieces(text, maxBytes);
            ASSERT_EQ(ReadPieces(path, maxBytes), model) << "round " << round << ", pieces of " << maxBytes;
            ASSERT_EQ(ReadPieces(memoryPath, maxBytes), model) << "round " << round << ", from memory";
        }
        const std::vector<std::string> lines = ModelPieces(text, static_cast<std::size_t>(-1));
        ASSERT_EQ(ReadLineViews(path), lines) << "round " << round << ", line views";
        ASSERT_EQ(ReadLineViews(memoryPath), lines) << "round " << round << ", line views from memory";
        RemoveMemoryFile(memoryPath);
        ++texts;
    }
    EXPECT_GE(texts, 50);
}

// The UTF-8 check steps over ASCII eight bytes at a time: a character just
// after, across or inside such a step is still seen and judged.
TEST(TextFile, Utf8IsToldAfterLongAsciiRuns) {
    const std::string ascii(8, 'a');
    for (std::size_t lead = 0; lead <= 9; ++lead) {
        const std::string before = std::string(lead, 'x') + ascii;
        EXPECT_TRUE(IsUtf8Text(before + "\xE5\x8F\xA5" + ascii)) << lead;  // 句
        EXPECT_FALSE(IsUtf8Text(before + "\x8B\xE5" + ascii)) << lead;      // 句 in Shift-JIS
        EXPECT_FALSE(IsUtf8Text(before + "\xE5\x8F")) << lead;              // cut off at the end
        EXPECT_FALSE(IsUtf8Text(before + ascii)) << lead;                     // ASCII only
    }
}

// A UTF-8 file reads as its Shift-JIS, from disk and from memory alike.
TEST(TextFile, AUtf8FileReadsAsShiftJisFromDiskAndFromMemory) {
    const std::string utf8 = std::string(20, 'a') + "\xE5\x8F\xA5\r\n\xE5\x8F\xA5";  // 句
    const std::vector<std::string> expected{std::string(20, 'a') + "\x8B\xE5", "\x8B\xE5"};
    TempDir dir;
    WriteFile(dir / "utf8.txt", utf8);
    EXPECT_EQ(ReadPieces(dir / "utf8.txt", static_cast<std::size_t>(-1)), expected);
    const std::string memory = dir / "memory.txt";
    SetMemoryFile(memory, utf8);
    EXPECT_EQ(ReadPieces(memory, static_cast<std::size_t>(-1)), expected);
    RemoveMemoryFile(memory);
}

// A memory file is read where it lies: one replaced or taken away while a
// reader has it open is still read whole, as it was when it opened.
TEST(TextFile, AnOpenMemoryFileOutlivesItsReplacement) {
    const std::string path = "/nonexistent/kirokan/memory.txt";
    const std::string first = std::string(40, 'a') + "\n" + std::string(40, 'b');
    for (const bool remove : {false, true}) {
        SetMemoryFile(path, first);
        CTextFile file;
        ASSERT_TRUE(file.Open(path));
        std::string line;
        ASSERT_TRUE(file.ReadLine(&line));
        EXPECT_EQ(line, std::string(40, 'a'));
        if (remove)
            RemoveAllMemoryFiles();
        else
            SetMemoryFile(path, std::string(100, 'z'));
        ASSERT_TRUE(file.ReadLine(&line));
        EXPECT_EQ(line, std::string(40, 'b'));
        EXPECT_FALSE(file.ReadLine(&line));
    }
    RemoveMemoryFile(path);
}

}  // namespace
