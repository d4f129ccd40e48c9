#include <gtest/gtest.h>

#include <filesystem>

#include "app/SettingsStore.h"
#include "text/SectionTextFile.h"
#include "tests/core/ReaderTestSupport.h"

using testsupport::MessageRecorder;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

class SectionTextFileTest : public ::testing::Test {
protected:
    void SetUp() override { CSettingsStore::Instance().Init(dir.Path(), "kirokan"); }
    void Put(const std::string& name, const std::string& bytes) {
        WriteFile(dir / ("TxtData/" + name), bytes);
    }
    // Loads bytes as "t.txt" into file.
    void LoadText(const std::string& bytes) {
        Put("t.txt", bytes);
        ASSERT_EQ(file.Load("t.txt"), 0);
    }
    TempDir dir;
    CSectionTextFile file;
    MessageRecorder box;
};

TEST_F(SectionTextFileTest, AnUnreadableFileIsReportedWithItsFullPath) {
    LoadText("[1]\n1:kept\n");
    EXPECT_EQ(file.Load("none.txt"), -1);
    ASSERT_EQ(box.texts.size(), 1u);
    const std::string path = dir / "TxtData/none.txt";
    EXPECT_EQ(box.texts[0], path + "\nファイル を読み出し出来ません.");
    // The lines of the last good load stay.
    EXPECT_EQ(file.GetPartText(1, 1, 46).substr(0, 4), "kept");

    std::filesystem::create_directories(dir / "TxtData/dir.txt");
    EXPECT_EQ(file.Load("dir.txt"), -1);
    ASSERT_EQ(box.texts.size(), 2u);
    EXPECT_EQ(box.texts[1], dir / "TxtData/dir.txt" + "\nファイル を読み出し出来ません.");
}

TEST_F(SectionTextFileTest, StarHeadersAreNumberedInFileOrder) {
    LoadText("[*]\n1:a\n[7]\n1:b\n[*]\n1:c\n[*]x\n[*]\n1:d\n");
    EXPECT_EQ(file.GetLine(0), "[1]");
    EXPECT_EQ(file.GetLine(2), "[7]");  // explicit numbers stay and do not move the counter
    EXPECT_EQ(file.GetLine(4), "[2]");
    EXPECT_EQ(file.GetLine(6), "[*]x");
    EXPECT_EQ(file.GetLine(7), "[3]");
    EXPECT_EQ(file.CountSections(), 4);
    EXPECT_EQ(file.GetPartText(1, 1, 1), "a");
    EXPECT_EQ(file.GetPartText(2, 1, 1), "c[*]x");  // "[*]x" is no header: it continues the part
    EXPECT_EQ(file.GetPartText(3, 1, 1), "d");
    EXPECT_EQ(file.GetPartText(7, 1, 1), "b");
    // Each load starts counting at 1 again.
    LoadText("[*]\n1:e\n");
    EXPECT_EQ(file.GetLine(0), "[1]");
}

TEST_F(SectionTextFileTest, ABlankLineHidesEverySectionAfterIt) {
    LoadText("[1]\n1:one\n\n[2]\n1:two\n");
    EXPECT_EQ(file.CountSections(), 1);
    EXPECT_EQ(file.GetSectionCount(), 1);
    EXPECT_EQ(file.GetPartText(1, 1, 1), "one");
    EXPECT_EQ(file.GetPartText(2, 1, 1), "");
    EXPECT_EQ(file.GetLineCount(), 5);
}

// The first of two sections with the same header is the one read; a header
// in a comment is none; loading another file forgets the first file's.
TEST_F(SectionTextFileTest, TheFirstHeaderOfANumberCountsAndALoadForgetsTheLast) {
    LoadText("//[3]\n1:comment\n[3]\n1:first\n[3]\n1:second\n[*]\n1:star\n");
    EXPECT_EQ(file.GetPartText(3, 1, 1), "first");
    EXPECT_EQ(file.GetPartText(1, 1, 1), "star");
    LoadText("[1]\n1:other\n");
    EXPECT_EQ(file.GetPartText(3, 1, 1), "");
    EXPECT_EQ(file.GetPartText(1, 1, 1), "other");
}

TEST_F(SectionTextFileTest, SpacersCommentsAndContinuationLines) {
    LoadText("// heading comment\n"
             "[1]\n"
             "ignored before the first part\n"
             "1:title\n"
             "2:first\n"
             " \n"
             "// note\n"
             "second\n"
             "3:extra\n"
             "[2]\n"
             "2:own line only\n"
             "3:three\n");
    EXPECT_EQ(file.CountSections(), 2);
    EXPECT_EQ(file.GetPartText(1, 2, 1), "firstsecond");
    EXPECT_EQ(file.GetPartText(1, 1, 1), "title");
    EXPECT_EQ(file.GetPartText(1, 3, 1), "extra");
    EXPECT_EQ(file.GetPartText(2, 2, 1), "own line only");
    EXPECT_EQ(file.GetPartText(2, 1, 1), "");  // missing part
    EXPECT_EQ(file.GetPartText(3, 1, 1), "");  // missing section
}

TEST_F(SectionTextFileTest, LinesAreFilledToAMultipleOfTheWidth) {
    const std::string b46(46, 'x'), b47(47, 'y');
    LoadText("[1]\n2:" + b46 + "\n" + b47 + "\n\x82\xA0x\n[2]\n2:\n");  // "あx" in Shift-JIS
    const std::string text = file.GetPartText(1, 2, 46);
    EXPECT_EQ(text, b46 + b47 + std::string(45, ' ') + "\x82\xA0x" + std::string(43, ' '));
    EXPECT_EQ(text.size() % 46, 0u);
    EXPECT_EQ(file.GetPartText(2, 2, 46), "");  // an empty part line adds no blanks
}

TEST_F(SectionTextFileTest, HeadersMustEndInABracketOfTheirOwn) {
    // "[3] title" is no header; neither is "[4‐" whose last byte is the
    // trail byte 5D of a double-byte character.
    LoadText("[1]\n1:a\n[3] title\n2:b\n[4\x81\x5D\n1:c\n");
    EXPECT_EQ(file.CountSections(), 1);
    EXPECT_EQ(file.GetPartText(3, 1, 1), "");
    EXPECT_EQ(file.GetPartText(4, 1, 1), "");
    // Not being headers, both lines continue part 1 ...
    EXPECT_EQ(file.GetPartText(1, 1, 1), "a[3] title");
    // ... but a line starting with "[" ends the search for a part.
    EXPECT_EQ(file.GetPartText(1, 2, 1), "");
}

// A section is found by the header written exactly as "[n]": other ways of
// writing a number name no section, and the numbers reach int's ends.
TEST_F(SectionTextFileTest, OnlyTheHeaderWrittenAsTheNumberIsFound) {
    LoadText("[07]\n1:zero-led\n[+7]\n1:plus\n[ 7]\n1:blank\n[7]\n1:seven\n"
             "[-0]\n1:minus zero\n[0]\n1:zero\n[-3]\n1:minus three\n"
             "[2147483648]\n1:too big\n[2147483647]\n1:max\n[-2147483648]\n1:min\n");
    EXPECT_EQ(file.GetPartText(7, 1, 1), "seven");
    EXPECT_EQ(file.GetPartText(0, 1, 1), "zero");
    EXPECT_EQ(file.GetPartText(-3, 1, 1), "minus three");
    EXPECT_EQ(file.GetPartText(2147483647, 1, 1), "max");
    EXPECT_EQ(file.GetPartText(-2147483648, 1, 1), "min");
    EXPECT_EQ(file.GetPartText(-1, 1, 1), "");
    EXPECT_EQ(file.GetPartText(8, 1, 1), "");
    // A part's number is matched whole: "1:" is not the start of "10:".
    LoadText("[1]\n10:ten\n1:one\n");
    EXPECT_EQ(file.GetPartText(1, 1, 1), "one");
    EXPECT_EQ(file.GetPartText(1, 10, 1), "ten");
}

TEST_F(SectionTextFileTest, APartStopsGrowingAtTwoThousandFortyEightBytes) {
    std::string body = "[1]\n2:start\n";
    for (int i = 0; i < 60; ++i) body += std::string(40, 'a') + "\n";
    LoadText(body);
    const std::string text = file.GetPartText(1, 2, 46);
    // 46 bytes per line: the 45th line brings the text to 2070 >= 2048.
    EXPECT_EQ(text.size(), 2070u);
    ASSERT_EQ(box.texts.size(), 1u);
    EXPECT_EQ(box.texts[0], "2070\n入力データが長過ぎます。");
}

TEST_F(SectionTextFileTest, LineEndsAndOddBytes) {
    // CR LF and a final line without a line feed; a lone CR stays in its line.
    LoadText("[1]\r\n1:a\rb\r\n2:end");
    EXPECT_EQ(file.GetLineCount(), 3);
    EXPECT_EQ(file.GetPartText(1, 1, 1), "a\rb");
    EXPECT_EQ(file.GetPartText(1, 2, 1), "end");

    // A lone lead byte at the end of a line does not swallow the line feed.
    LoadText("[1]\n1:x\x82\n2:y\n");
    EXPECT_EQ(file.GetLineCount(), 3);
    EXPECT_EQ(file.GetPartText(1, 1, 2), "x\x82");
    EXPECT_EQ(file.GetPartText(1, 2, 1), "y");

    // A NUL ends its line's text.
    LoadText(std::string("[1]\n1:ab\0cd\n2:z\n", 16));
    EXPECT_EQ(file.GetPartText(1, 1, 1), "ab");
    EXPECT_EQ(file.GetPartText(1, 2, 1), "z");

    LoadText("");
    EXPECT_EQ(file.GetLineCount(), 0);
    EXPECT_EQ(file.CountSections(), 0);
    EXPECT_EQ(file.GetPartText(1, 1, 46), "");
}

TEST_F(SectionTextFileTest, LongLinesAreWholeAndLongFilesStopAtTenThousandLines) {
    const std::string huge(1 << 20, 'h');
    std::string body = "[1]\n1:" + huge + "\n";
    for (int i = 0; i < 10100; ++i) body += "[*]\n";
    LoadText(body);
    EXPECT_EQ(file.GetLineCount(), CSectionTextFile::kMaxLines);
    EXPECT_EQ(file.GetPartText(1, 1, 1), huge);
    EXPECT_EQ(file.GetLine(CSectionTextFile::kMaxLines - 1), "[9998]");
    EXPECT_EQ(file.CountSections(), 9999);
}

}  // namespace
