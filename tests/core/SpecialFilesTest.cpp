// A named pipe, a directory or a link to an endless device in place of a data
// file: every reader answers at once with its usual "cannot read" message.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "app/CommandTable.h"
#include "haiku/HaikuTable.h"
#include "haiku/HaikuTextReader.h"
#include "platform/Codec.h"
#include "platform/ShiftJis.h"
#include "platform/TextFile.h"
#include "tests/core/ReaderTestSupport.h"
#include "tests/core/TxtDataDir.h"
#include "text/HelpTopics.h"
#include "text/OnePointTips.h"
#include "text/SectionTextFile.h"

namespace {

enum class Kind { Fifo, Directory, DevZero };

void MakeSpecial(const std::string& path, Kind kind) {
    switch (kind) {
    case Kind::Fifo: ASSERT_EQ(mkfifo(path.c_str(), 0644), 0); break;
    case Kind::Directory: std::filesystem::create_directory(path); break;
    case Kind::DevZero: std::filesystem::create_symlink("/dev/zero", path); break;
    }
}

// A reader that blocked would hang the suite: an alarm ends the process
// instead, which fails the test.
template <class F>
int Promptly(F read) {
    alarm(10);
    const int result = read();
    alarm(0);
    return result;
}

class SpecialFiles : public ::testing::TestWithParam<Kind> {};

TEST_P(SpecialFiles, EveryReaderReportsItUnreadableAtOnce) {
    CTxtDataDir data;
    for (const char* name : {"kirono.txt", "okuno.txt", "Topics.txt", "onepoint.txt"})
        MakeSpecial(data.Path(name), GetParam());

    CHaikuTable table;
    table.Build(0);
    CHaikuTextReader notes;
    EXPECT_EQ(Promptly([&] { return notes.LoadAll("kirono.txt", 44, table, 10); }), -1);
    EXPECT_EQ(Promptly([&] { return notes.LoadOne("kirono.txt", 0, 44, table); }), -1);
    CSectionTextFile work;
    EXPECT_EQ(Promptly([&] { return work.Load("okuno.txt"); }), -1);
    CHelpTopics help;
    EXPECT_EQ(Promptly([&] { return help.LoadTopics(data.Path("Topics.txt")); }), -1);
    EXPECT_FALSE(Promptly([&] { return CanOpenForReading(data.Path("Topics.txt")) ? 1 : 0; }));
    text::COnePointTips tips;
    Promptly([&] { return tips.ShowTip(1); });

    ASSERT_EQ(data.messages.size(), 5u);  // the F1 check shows no message of its own
    for (const std::string& m : data.messages)
        EXPECT_NE(m.find("ファイル を読み出し出来ません."), std::string::npos) << m;
}

INSTANTIATE_TEST_SUITE_P(InPlaceOfADataFile, SpecialFiles,
                         ::testing::Values(Kind::Fifo, Kind::Directory, Kind::DevZero));

}  // namespace

namespace {

// A data directory named in Japanese (its bytes the file system's UTF-8):
// the files are found, and a message names the path as the reader knows it.
TEST(DataDirectory, ANonAsciiNameIsReadAndShownAsItsCharacters) {
    testsupport::TempDir base;
    const std::string utf8Name = "\xE5\x8D\x9A\xE7\x89\xA9\xE9\xA4\xA8";  // 博物館
    const std::string root = base / utf8Name;
    testsupport::WriteFile(root + "/TxtData/okuno.txt", "[1]\n1:abc\n2:def\n");
    CSettingsStore::Instance().Init(root, "kirokan");
    testsupport::MessageRecorder box;
    CSectionTextFile file;
    EXPECT_EQ(file.Load("okuno.txt"), 0);
    EXPECT_EQ(file.CountSections(), 1);
    EXPECT_EQ(file.Load("kuhi.txt"), -1);
    ASSERT_EQ(box.texts.size(), 1u);
    EXPECT_NE(box.texts[0].find("/博物館/TxtData/kuhi.txt"), std::string::npos);
    EXPECT_TRUE(platform::IsValidCp932(box.texts[0]));
}

}  // namespace

namespace {

// A data file edited on Linux is UTF-8: it reads as the Shift-JIS it stands
// for, section for section; a character Shift-JIS lacks is named with its line.
TEST(Utf8DataFiles, ReadAsTheirShiftJisAndTellACharacterThatHasNoForm) {
    CTxtDataDir data;
    const std::string sjis = "[*]\n1:序 旅立ち\n2:月日は百代の過客にして\n続きの行\n[*]\n1:表ソ能\n2:深川の草庵\n";
    data.WriteRaw("okuno.txt", sjis);
    data.WriteRaw("kuhi.txt", platform::Cp932ToUtf8(sjis));
    ASSERT_TRUE(platform::IsUtf8Text(platform::Cp932ToUtf8(sjis)));
    CSectionTextFile a, b;
    ASSERT_EQ(a.Load("okuno.txt"), 0);
    ASSERT_EQ(b.Load("kuhi.txt"), 0);
    ASSERT_EQ(a.CountSections(), 2);
    ASSERT_EQ(b.CountSections(), 2);
    for (int s = 1; s <= 2; ++s)
        for (int part = 1; part <= 2; ++part) EXPECT_EQ(a.GetPartText(s, part, 46), b.GetPartText(s, part, 46));
    EXPECT_TRUE(data.messages.empty());

    // U+32FF (the square era name of 2019) has no Shift-JIS form.
    data.WriteRaw("goi.txt", "[*]\n1:a\n2:\xE3\x8B\xBF\n");
    CSectionTextFile c;
    ASSERT_EQ(c.Load("goi.txt"), 0);
    EXPECT_EQ(c.GetPartText(1, 2, 2), "？");
    ASSERT_EQ(data.messages.size(), 1u);
    EXPECT_NE(data.messages[0].find("goi.txt\n3行目にシフトJISで表せない文字があります。"), std::string::npos);
}

TEST(Utf8DataFiles, AUtf8FileLongerThanOneReadBlockIsStillUtf8) {
    // The first 64 KiB block of the file ends inside a character.
    CTxtDataDir data;
    std::string utf8 = "[*]\n1:a\n2:";
    while (utf8.size() < 65536 - 1) utf8 += "x";
    utf8 += "\xE8\xA1\xA8\n";  // 表 across the block's end
    data.WriteRaw("okuno.txt", utf8);
    CSectionTextFile file;
    ASSERT_EQ(file.Load("okuno.txt"), 0);
    const std::string text = file.GetPartText(1, 2, 1);
    EXPECT_EQ(text.substr(text.size() - 2), "表");
    EXPECT_TRUE(data.messages.empty());
}

TEST(Utf8DataFiles, OnlyValidUtf8WithNonAsciiTextCounts) {
    EXPECT_FALSE(platform::IsUtf8Text("plain ASCII\n"));
    EXPECT_FALSE(platform::IsUtf8Text("表ソ"));                 // Shift-JIS bytes
    EXPECT_TRUE(platform::IsUtf8Text("\xE8\xA1\xA8"));          // 表 in UTF-8
    EXPECT_FALSE(platform::IsUtf8Text("\xC0\xAF"));             // an overlong form
    EXPECT_FALSE(platform::IsUtf8Text("\xED\xA0\x80"));         // a surrogate
    EXPECT_FALSE(platform::IsUtf8Text("\xE8\xA1"));             // cut short
}

}  // namespace
