#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/SettingsStore.h"
#include "tests/core/TxtDataDir.h"
#include "text/OnePointTips.h"

using text::COnePointTips;

namespace {

// Tips 1..count, each with a short heading line "tip <n>" and one body line.
std::vector<std::string> NumberedTips(int count) {
    std::vector<std::string> lines = {"// tips of the museum", ""};
    for (int n = 1; n <= count; ++n) {
        lines.push_back(std::to_string(n) + ":");
        lines.push_back("tip " + std::to_string(n));
        lines.push_back("body of " + std::to_string(n));
    }
    return lines;
}

std::vector<std::string> BodyLines(const std::string& body) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t nl; (nl = body.find('\n', start)) != std::string::npos; start = nl + 1)
        out.push_back(body.substr(start, nl - start));
    return out;
}

std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

}  // namespace

TEST(OnePointTips, NumbersWrapAroundBothEnds) {
    CTxtDataDir dir;
    dir.Write("onepoint.txt", NumberedTips(12));
    COnePointTips tips;
    EXPECT_EQ(tips.ShowTip(13), 1);
    EXPECT_EQ(tips.GetHeading(), "tip 1\n");
    EXPECT_EQ(tips.GetTipCount(), 12);
    EXPECT_EQ(tips.ShowTip(0), 12);
    EXPECT_EQ(tips.GetHeading(), "tip 12\n");
    EXPECT_EQ(tips.GetBody(), "\nbody of 12\n");
    EXPECT_EQ(tips.ShowTip(-7), 12);
    EXPECT_EQ(tips.ShowTip(7), 7);
    EXPECT_EQ(tips.GetHeading(), "tip 7\n");

    // Stepping: "previous" on tip 1 shows tip 12, "next" on tip 12 shows tip 1.
    CSettingsStore::Instance().SetOnePoint(13);
    EXPECT_EQ(tips.Open(), 1);
    EXPECT_EQ(tips.Previous(), 12);
    EXPECT_EQ(tips.Next(), 1);
    EXPECT_EQ(tips.Next(), 2);
}

TEST(OnePointTips, ClosingStoresTheTipAfterTheCurrentOne) {
    CTxtDataDir dir;
    dir.Write("onepoint.txt", NumberedTips(12));
    CSettingsStore::Instance().SetOnePoint(4);
    COnePointTips tips;
    EXPECT_EQ(tips.Open(), 4);
    EXPECT_EQ(tips.Next(), 5);
    tips.Close();
    EXPECT_EQ(CSettingsStore::Instance().GetOnePoint(), 6);

    // After the last tip the stored 13 opens tip 1 next time.
    CSettingsStore::Instance().SetOnePoint(12);
    COnePointTips again;
    EXPECT_EQ(again.Open(), 12);
    again.Close();
    COnePointTips third;
    EXPECT_EQ(third.Open(), 1);
}

TEST(OnePointTips, MissingFileReportsAndStoresZero) {
    CTxtDataDir dir;
    COnePointTips tips;
    EXPECT_EQ(tips.Open(), -1);
    ASSERT_EQ(dir.messages.size(), 1u);
    EXPECT_NE(dir.messages[0].find(dir.Path("onepoint.txt")), std::string::npos);
    EXPECT_NE(dir.messages[0].find("ファイル を読み出し出来ません."), std::string::npos);
    tips.Close();
    EXPECT_EQ(CSettingsStore::Instance().GetOnePoint(), 0);

    // The next opening (file present now) asks for 0 and shows the last tip.
    dir.Write("onepoint.txt", NumberedTips(3));
    COnePointTips next;
    EXPECT_EQ(next.Open(), 3);
}

TEST(OnePointTips, CheckBoxFlipsTheStartUpSetting) {
    CTxtDataDir dir;
    CSettingsStore::Instance().SetOnePointView(1);
    COnePointTips tips;
    EXPECT_EQ(tips.ToggleView(), 0);
    EXPECT_EQ(CSettingsStore::Instance().GetOnePointView(), 0);
    EXPECT_EQ(tips.ToggleView(), 1);
    EXPECT_EQ(CSettingsStore::Instance().GetOnePointView(), 1);
}

TEST(OnePointTips, FirstLineUpTo28BytesIsTheHeading) {
    CTxtDataDir dir;
    const std::string h28b = "あいうえおかきくけこさしすAB";  // 28 bytes
    const std::string h29 = h28b + "C";                      // 29 bytes
    ASSERT_EQ(h28b.size(), 28u);
    dir.Write("onepoint.txt", {"1:", h28b, "second", "2:", h29, "second"});
    COnePointTips tips;
    tips.ShowTip(1);
    EXPECT_EQ(tips.GetHeading(), h28b + "\n");
    EXPECT_EQ(tips.GetBody(), "\nsecond\n");
    tips.ShowTip(2);
    EXPECT_EQ(tips.GetHeading(), "豆知識...\n");
    EXPECT_EQ(tips.GetBody(), "\n" + h29 + "\nsecond\n");
}

TEST(OnePointTips, LongLinesAreCutIntoPiecesOf66Or65Bytes) {
    const std::string ascii70 = Repeat("x", 70);
    // 65 ASCII bytes, then a double-byte character at bytes 66-67, then 3 more.
    const std::string split70 = Repeat("y", 65) + "字" + "zzz";
    ASSERT_EQ(split70.size(), 70u);

    COnePointTips later;
    later.AddLine("heading");
    later.AddLine(ascii70);
    later.AddLine(split70);
    const std::vector<std::string> rows = BodyLines(later.GetBody());
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0], "");
    EXPECT_EQ(rows[1], Repeat("x", 66));
    EXPECT_EQ(rows[2], "xxxx");
    EXPECT_EQ(rows[3], "");  // the empty line after a long line
    EXPECT_EQ(rows[4], Repeat("y", 65));
    EXPECT_EQ(rows[5], "字zzz");
    EXPECT_EQ(rows[6], "");

    // As the tip's first line: no heading, no empty line after it, and the
    // next short line is body, not heading.
    COnePointTips first;
    first.AddLine(ascii70);
    first.AddLine("short");
    EXPECT_EQ(first.GetHeading(), "");
    EXPECT_EQ(BodyLines(first.GetBody()),
              (std::vector<std::string>{"", Repeat("x", 66), "xxxx", "short"}));

    // 65 bytes is still one line; 66 bytes is one piece.
    COnePointTips edge;
    edge.AddLine("h");
    edge.AddLine(Repeat("a", 65));
    edge.AddLine(Repeat("b", 66));
    EXPECT_EQ(BodyLines(edge.GetBody()),
              (std::vector<std::string>{"", Repeat("a", 65), Repeat("b", 66), ""}));
}

TEST(OnePointTips, CommentsAreSkippedAndAColonLineEndsTheTip) {
    CTxtDataDir dir;
    dir.Write("onepoint.txt", {"1:", "heading", "// not shown", "", "shown", "注意:", "after the end",
                               "2:", "next"});
    COnePointTips tips;
    EXPECT_EQ(tips.ShowTip(1), 1);
    EXPECT_EQ(tips.GetHeading(), "heading\n");
    EXPECT_EQ(tips.GetBody(), "\nshown\n");
    EXPECT_EQ(tips.GetTipCount(), 2);  // "注意:" has no number of 1 or more
}

TEST(OnePointTips, LinesAreReadInPiecesOf254Bytes) {
    CTxtDataDir dir;
    // A 300-byte line: the 254-byte piece ends with ":" and so ends the tip.
    const std::string header = Repeat("h", 253) + ":" + Repeat("t", 46);
    dir.Write("onepoint.txt", {"1:", "heading", "body", header, "2:", "x"});
    COnePointTips tips;
    tips.ShowTip(1);
    EXPECT_EQ(tips.GetBody(), "\nbody\n");
    // The 46-byte rest of the line is a text line of no tip; tip 2 follows.
    EXPECT_EQ(tips.ShowTip(2), 2);
    EXPECT_EQ(tips.GetHeading(), "x\n");

    // A 300-byte text line comes as pieces of 254 and 46 bytes.
    dir.Write("onepoint.txt", {"1:", "heading", Repeat("a", 300)});
    tips.ShowTip(1);
    const std::vector<std::string> rows = BodyLines(tips.GetBody());
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[4], Repeat("a", 254 - 3 * 66));
    EXPECT_EQ(rows[5], "");
    EXPECT_EQ(rows[6], Repeat("a", 46));
}

TEST(OnePointTips, NoTipsShowsEmptyBoxes) {
    CTxtDataDir dir;
    dir.Write("onepoint.txt", {"// nothing yet"});
    COnePointTips tips;
    EXPECT_EQ(tips.ShowTip(1), 1);
    EXPECT_EQ(tips.GetHeading(), "");
    EXPECT_EQ(tips.GetBody(), "\n");
}

TEST(OnePointTips, BodyFontLetsThirteenLinesFit) {
    const text::TipsLayout l = COnePointTips::Layout(600, 300);
    EXPECT_EQ(l.headingBox, (text::PixelRect{87, 11, 590, 61}));
    EXPECT_EQ(l.bodyBox.bottom, 311);
    EXPECT_EQ(l.bodyFontHeight, (311 - 62) / 13);
    EXPECT_LE(13 * l.bodyFontHeight, l.bodyText.bottom - l.bodyText.top);
}

TEST(OnePointTips, TheHeadingLineEndsAboveTheBodyBoxBorder) {
    // A font whose lines are as high as its characters keeps nearly the
    // drawn place at y = 25; a taller line moves up, never into the box's
    // own top border.
    for (int lineHeight : {36, 39, 48}) {
        const text::TipsLayout l = COnePointTips::Layout(600, 300, lineHeight);
        EXPECT_LE(l.headingText.top + lineHeight, l.bodyBox.top) << lineHeight;
        EXPECT_GT(l.headingText.top, l.headingBox.top) << lineHeight;
        EXPECT_EQ(l.headingText.bottom, l.bodyBox.top);
    }
    EXPECT_EQ(COnePointTips::Layout(600, 300, 30).headingText.top, 25);
    EXPECT_EQ(COnePointTips::Layout(600, 300, 39).headingText.top, 21);
    EXPECT_EQ(COnePointTips::Layout(600, 300, 80).headingText.top, 12);
}
