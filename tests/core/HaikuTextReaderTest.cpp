#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>

#include "app/SettingsStore.h"
#include "haiku/HaikuTable.h"
#include "haiku/HaikuTextReader.h"
#include "platform/ShiftJis.h"
#include "tests/core/ReaderTestSupport.h"

using testsupport::MessageRecorder;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

class HaikuTextReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        CSettingsStore::Instance().Init(dir.Path(), "kirokan");
        table = std::make_unique<CHaikuTable>();
    }
    // Places haiku regNo in slot regNo - 1 (order 0).
    void AddHaiku(int regNo) {
        table->AddRow(regNo, 0, 0, 0, 0, "p1", "p2", "p3", 1680, 0, 1, 1, 99, "", 0, 0);
    }
    void PutNotes(const std::string& bytes) { WriteFile(dir / "TxtData/kirono.txt", bytes); }
    HaikuNotes One(int row) {
        EXPECT_EQ(reader.LoadOne("kirono.txt", row, 44, *table), 0);
        return reader.GetNotes();
    }
    HaikuRecord All(int row, int rowCount) {
        EXPECT_EQ(reader.LoadAll("kirono.txt", 44, *table, rowCount), 0);
        return table->GetRecord(row);
    }

    TempDir dir;
    std::unique_ptr<CHaikuTable> table;
    CHaikuTextReader reader;
    MessageRecorder box;
};

TEST_F(HaikuTextReaderTest, TheReadingSplitsAtSingleByteBlanks) {
    AddHaiku(1);
    AddHaiku(2);
    AddHaiku(3);
    AddHaiku(4);
    PutNotes("[1]\n2:ふるいけや かはづとびこむ みづのおと\n"
             "[2]\n2:いちにの さん\n"
             "[3]\n2:ひとつ\n"
             "[4]\n2:あ　い う え お\n");
    HaikuNotes n = One(0);
    EXPECT_STREQ(n.reading1, "ふるいけや");
    EXPECT_STREQ(n.reading2, "かはづとびこむ");
    EXPECT_STREQ(n.reading3, "みづのおと");
    n = One(1);
    EXPECT_STREQ(n.reading1, "いちにの");
    EXPECT_STREQ(n.reading2, "さん");
    EXPECT_STREQ(n.reading3, "");
    n = One(2);
    EXPECT_STREQ(n.reading1, "ひとつ");
    EXPECT_STREQ(n.reading2, "");
    // A full-width blank does not split; part 3 keeps the further blanks.
    n = One(3);
    EXPECT_STREQ(n.reading1, "あ　い");
    EXPECT_STREQ(n.reading2, "う");
    EXPECT_STREQ(n.reading3, "え お");

    // The bulk load passes the same parts to the table.
    const HaikuRecord r = All(1, 4);
    EXPECT_STREQ(r.reading1, "いちにの");
    EXPECT_STREQ(r.reading2, "さん");
    EXPECT_STREQ(table->GetRecord(3).reading3, "え お");
}

TEST_F(HaikuTextReaderTest, TheInterpretationIsFilledToTheWidth) {
    AddHaiku(1);
    AddHaiku(2);
    const std::string b42(42, 'a'), b43(43, 'b');  // with "6:": 44 and 45 bytes of line
    PutNotes("[1]\n6:" + b42 + "\n" + b43 + "44\n// skipped\n\nlast\n[2]\n6:\nonly\n");
    HaikuNotes n = One(0);
    // The value starts at the line's third byte: 42 bytes get 2 blanks.
    EXPECT_STREQ(n.commentary, (b42 + "  " + b43 + "44" + std::string(43, ' ') + "last" +
                                std::string(40, ' '))
                                   .c_str());
    n = One(1);
    EXPECT_STREQ(n.commentary, ("only" + std::string(40, ' ')).c_str());

    PutNotes("[1]\n6:" + std::string(44, 'c') + "\n" + std::string(45, 'd') + "\n");
    n = One(0);
    EXPECT_STREQ(n.commentary,
                 (std::string(44, 'c') + std::string(45, 'd') + std::string(43, ' ')).c_str());
}

TEST_F(HaikuTextReaderTest, KeySixEndsTheSectionForTheSingleLoad) {
    AddHaiku(1);
    PutNotes("[1]\n3:夏\n6:解釈\n続き\n5:出典\n4:季語\n");
    const HaikuNotes n = One(0);
    EXPECT_STREQ(n.season, "夏");
    EXPECT_STREQ(n.source, "");
    EXPECT_STREQ(n.seasonWord, "");
    EXPECT_EQ(std::string(n.commentary).substr(0, 4), "解釈");
    // The bulk load reads by the first two bytes of every line.
    const HaikuRecord r = All(0, 1);
    EXPECT_STREQ(r.source, "出典");
    EXPECT_STREQ(r.seasonWord, "季語");
}

TEST_F(HaikuTextReaderTest, AnEmptyLineEndsTheSectionOnlyForTheBulkLoad) {
    AddHaiku(1);
    AddHaiku(2);
    PutNotes("[1]\n3:夏\n\n4:蛙\n5:蛙合\n\n\n[2]\n\n3:秋\n");
    HaikuNotes n = One(0);
    EXPECT_STREQ(n.season, "夏");
    EXPECT_STREQ(n.seasonWord, "蛙");
    EXPECT_STREQ(n.source, "蛙合");
    HaikuRecord r = All(0, 2);
    EXPECT_STREQ(r.season, "夏");
    EXPECT_STREQ(r.seasonWord, "");
    EXPECT_STREQ(r.source, "");
    // Headers after empty lines are still found by both loads.
    EXPECT_STREQ(One(1).season, "秋");
    EXPECT_STREQ(table->GetRecord(1).season, "");  // its first line is empty
}

TEST_F(HaikuTextReaderTest, TheSingleLoadTestsKeyOneFirstAnywhereInTheLine) {
    AddHaiku(1);
    PutNotes("[1]\n// comment before the keys\n1:前書2:ではない\n季語4:蛙1:前\n3:春\n");
    const HaikuNotes n = One(0);
    // The second line holds "4:" and "1:": key 1 is tested first.
    EXPECT_STREQ(n.preface, "前");
    EXPECT_STREQ(n.reading1, "");
    EXPECT_STREQ(n.seasonWord, "");
    EXPECT_STREQ(n.season, "春");
    const HaikuRecord r = All(0, 1);
    EXPECT_STREQ(r.reading1, "");
    EXPECT_STREQ(r.season, "春");
    EXPECT_STREQ(r.seasonWord, "");

    PutNotes("[1]\n1:前書2:ではない\n");
    EXPECT_STREQ(One(0).preface, "前書2:ではない");
}

TEST_F(HaikuTextReaderTest, CommentsAndSpacersBetweenHeaderAndKeysAreSkipped) {
    AddHaiku(1);
    AddHaiku(2);
    PutNotes("[12]\n3:違\n// [1]\n[1]\n// note\n \n3:冬\n4:雪\n[2]\n//\n5:出典\n");
    const HaikuNotes n = One(0);
    EXPECT_STREQ(n.season, "冬");
    EXPECT_STREQ(n.seasonWord, "雪");
    EXPECT_STREQ(One(1).source, "出典");
    const HaikuRecord r = All(0, 2);
    EXPECT_STREQ(r.season, "冬");
    EXPECT_STREQ(r.seasonWord, "雪");
    EXPECT_STREQ(table->GetRecord(1).source, "出典");
}

TEST_F(HaikuTextReaderTest, AMissingSectionGivesEmptyTexts) {
    AddHaiku(1);
    AddHaiku(2);
    PutNotes("[1]\n3:夏\n");
    EXPECT_STREQ(One(0).season, "夏");
    const HaikuNotes n = One(1);
    EXPECT_STREQ(n.season, "");  // the record starts cleared
    // The bulk load clears the notes a row held before.
    HaikuNotes old{};
    std::strcpy(old.season, "古");
    table->SetNotes(old, 1);
    EXPECT_STREQ(All(1, 2).season, "");
    EXPECT_STREQ(table->GetRecord(0).season, "夏");
    EXPECT_TRUE(box.texts.empty());
}

// Each row of the bulk load gets only its own section's values: nothing of
// the row before, and nothing of a header that only looks like its number.
TEST_F(HaikuTextReaderTest, TheBulkLoadKeepsNoValueOfTheRowBefore) {
    for (int regNo = 1; regNo <= 3; ++regNo) AddHaiku(regNo);
    PutNotes("[1]\n2:ふるいけや かわず とびこむ\n3:春\n4:蛙\n5:『春の日』\n"
             "[2]\n3:夏\n[03]\n3:秋\n4:月\n");
    EXPECT_EQ(reader.LoadAll("kirono.txt", 44, *table, 3), 0);
    const HaikuRecord first = table->GetRecord(0);
    EXPECT_STREQ(first.reading3, "とびこむ");
    EXPECT_STREQ(first.source, "『春の日』");
    const HaikuRecord second = table->GetRecord(1);
    EXPECT_STREQ(second.season, "夏");
    for (const char* field : {second.reading1, second.reading2, second.reading3, second.seasonWord, second.source})
        EXPECT_STREQ(field, "");
    const HaikuRecord third = table->GetRecord(2);
    for (const char* field : {third.season, third.seasonWord, third.reading1})
        EXPECT_STREQ(field, "");
}

TEST_F(HaikuTextReaderTest, ARowWithoutANumberStopsWithAMessage) {
    AddHaiku(1);
    AddHaiku(3);  // slot 1 stays empty
    PutNotes("[1]\n3:夏\n[3]\n3:秋\n");
    EXPECT_EQ(reader.LoadAll("kirono.txt", 44, *table, 3), -1);
    ASSERT_EQ(box.texts.size(), 1u);
    EXPECT_EQ(box.texts[0], "1\n0\nsqnoが異常です。");
    EXPECT_STREQ(table->GetRecord(0).season, "夏");
    EXPECT_STREQ(table->GetRecord(2).season, "");  // not reached

    EXPECT_EQ(reader.LoadOne("kirono.txt", 1, 44, *table), -1);
    EXPECT_EQ(box.texts.back(), "1\n0\nsqnoが異常です。");
    EXPECT_EQ(reader.LoadOne("kirono.txt", -1, 44, *table), -1);
    EXPECT_EQ(box.texts.back(), "-1\n0\nsqnoが異常です。");
}

TEST_F(HaikuTextReaderTest, AnUnreadableFileIsReportedByBothLoads) {
    AddHaiku(1);
    const std::string path = dir / "TxtData/kirono.txt";
    EXPECT_EQ(reader.LoadOne("kirono.txt", 0, 44, *table), -1);
    EXPECT_EQ(reader.LoadAll("kirono.txt", 44, *table, 1), -1);
    std::filesystem::create_directories(path);  // a directory in place of the file
    EXPECT_EQ(reader.LoadOne("kirono.txt", 0, 44, *table), -1);
    ASSERT_EQ(box.texts.size(), 3u);
    for (const auto& text : box.texts) EXPECT_EQ(text, path + "\nファイル を読み出し出来ません.");
}

TEST_F(HaikuTextReaderTest, TheSingleLoadReadsLongLinesInPiecesOfAtMost254Bytes) {
    AddHaiku(1);
    // 254 bytes: one piece; the "3:" inside does not count, key 1 does.
    const std::string exact = "1:" + std::string(250, 'x') + "3:";
    // 256 bytes: the piece ends after 254 bytes and "3:秋" is read as a line
    // of its own... by the single load only.
    const std::string longer = "1:" + std::string(252, 'y') + "3:";
    PutNotes("[1]\n" + exact + "\n" + longer + "秋\n");
    HaikuNotes n = One(0);
    EXPECT_STREQ(n.season, "秋");
    EXPECT_EQ(std::string(n.preface), std::string(79, 'y'));
    const HaikuRecord r = All(0, 1);
    EXPECT_STREQ(r.season, "");

    // A piece is cut before a double-byte character that would not fit.
    PutNotes("[1]\n6:" + std::string(251, 'z') + "表表\n");
    n = One(0);
    EXPECT_STREQ(n.commentary, (std::string(251, 'z') + std::string(13, ' ') + "表表" +
                                std::string(40, ' '))
                                   .c_str());
}

TEST_F(HaikuTextReaderTest, LongValuesAreCutAtACharacterBoundary) {
    AddHaiku(1);
    std::string many;
    for (int i = 0; i < 100; ++i) many += "表";
    std::string body = "[1]\n1:" + many + "\n2:" + many + " x " + many + "\n3:夏の季\n4:x" + many +
                       "\n5:" + many + "\n6:" + many + "\n";
    for (int i = 0; i < 40; ++i) body += many + "\n";
    PutNotes(body);
    const HaikuNotes n = One(0);
    EXPECT_EQ(std::strlen(n.preface), 78u);
    EXPECT_EQ(std::strlen(n.reading1), 28u);
    EXPECT_STREQ(n.reading2, "x");
    EXPECT_STREQ(n.season, "夏の");
    EXPECT_EQ(std::strlen(n.seasonWord), 79u);  // "x" then 39 characters
    EXPECT_EQ(std::strlen(n.source), 78u);
    EXPECT_EQ(std::strlen(n.commentary), 1022u);
    for (const char* field : {n.preface, n.reading1, n.season, n.seasonWord, n.source, n.commentary})
        EXPECT_TRUE(platform::IsValidCp932(field));

    // The table's own widths apply after the reader's.
    const HaikuRecord r = All(0, 1);
    EXPECT_STREQ(r.season, "夏の");
    EXPECT_EQ(std::strlen(r.source), 78u);
}

TEST_F(HaikuTextReaderTest, TheBulkLoadReadsPastTenThousandLinesUpToItsBound) {
    AddHaiku(1);
    AddHaiku(2);
    // Real notes run past 10000 lines: a section at lines 10001 and 10002.
    std::string body = "[1]\n3:夏\n";
    for (int i = 0; i < 9998; ++i) body += "//\n";
    body += "[2]\n3:秋\n";
    PutNotes(body);
    EXPECT_STREQ(All(0, 2).season, "夏");
    EXPECT_STREQ(table->GetRecord(1).season, "秋");

    // A hostile file is still bounded: a section past the bound is not read
    // by the bulk load, while the single load has no such limit.
    body = "[1]\n3:夏\n";
    for (int i = 2; i < CHaikuTextReader::kMaxBulkLines; ++i) body += "//\n";
    body += "[2]\n3:秋\n";
    PutNotes(body);
    EXPECT_STREQ(All(0, 2).season, "夏");
    EXPECT_STREQ(table->GetRecord(1).season, "");
    EXPECT_STREQ(One(1).season, "秋");
}

}  // namespace
