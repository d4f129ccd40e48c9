#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/TxtDataDir.h"
#include "text/BlankFill.h"
#include "text/SectionLines.h"
#include "text/TextWork.h"
#include "text/TextWorkIndex.h"
#include "text/TextWorkKind.h"

using text::CTextWork;
using text::CTextWorkIndex;
using text::ScrollCode;
using text::TextWorkClickResult;

namespace {

// The middle of slot s of an index pane 200 x 220.
int SlotY(int s) { return 2 + 12 * s + 6; }
constexpr int kX = 50;

CTextWorkIndex MakeIndex(int n) {
    CTextWorkIndex index;
    index.SetPaneSize(200, 220);
    index.SetCount(n);
    return index;
}

}  // namespace

TEST(BlankFill, RowsKeepEverySourceLineOnARowOfItsOwn) {
    // Line 1: 45 ASCII bytes, then a double-byte character across byte 46,
    // then more; line 2 short; line 3 exactly 46 bytes.
    const std::string line1 = std::string(45, 'a') + "字" + "bcd";
    const std::string line3 = std::string(46, 'z');
    std::string filled;
    for (const std::string& l : {line1, std::string("短い行"), line3}) text::AppendFilled(&filled, l, 46);
    EXPECT_EQ(text::SplitRows(filled, 46),
              (std::vector<std::string>{std::string(45, 'a'), "字bcd", "短い行", line3}));
    // A blank line of the text stays an empty row.
    std::string withBlank;
    text::AppendFilled(&withBlank, "x", 46);
    text::AppendFilled(&withBlank, " ", 46);
    text::AppendFilled(&withBlank, "y", 46);
    EXPECT_EQ(text::SplitRows(withBlank, 46), (std::vector<std::string>{"x", "", "y"}));
}

TEST(TextWorkKind, TableCoversKindsZeroToTwelve) {
    EXPECT_EQ(text::FindTextWorkKind(-1), nullptr);
    EXPECT_EQ(text::FindTextWorkKind(13), nullptr);
    int cards = 0, part3 = 0;
    for (int k = 0; k < text::kTextWorkKindCount; ++k) {
        const text::TextWorkKind* e = text::FindTextWorkKind(k);
        ASSERT_NE(e, nullptr);
        cards += e->click == text::TextWorkClick::OpenHaikuCard;
        part3 += e->click == text::TextWorkClick::ShowPart3;
    }
    EXPECT_EQ(cards, 3);
    EXPECT_EQ(part3, 1);
    EXPECT_STREQ(text::FindTextWorkKind(text::KindOf(text::TextWorkId::Nature))->fileName, "nature.txt");
    EXPECT_STREQ(text::FindTextWorkKind(text::KindOf(text::TextWorkId::Saga))->title, "嵯峨日記");
}

TEST(TextWorkIndex, FortySectionsClampAtTheEnd) {
    CTextWorkIndex index = MakeIndex(40);
    EXPECT_EQ(index.Page(), 15);
    EXPECT_EQ(index.ScrollMax(), 25);
    EXPECT_EQ(index.Scroll(ScrollCode::LineUp), 0);
    EXPECT_EQ(index.Scroll(ScrollCode::ThumbPosition, 25), 25);
    EXPECT_EQ(index.Scroll(ScrollCode::LineDown), 25);
    EXPECT_EQ(index.Scroll(ScrollCode::ThumbPosition, 30), 25);
    EXPECT_EQ(index.Scroll(ScrollCode::PageUp), 25);
    EXPECT_EQ(index.Scroll(ScrollCode::ThumbTrack, 3), 25);
    EXPECT_EQ(index.Scroll(ScrollCode::LineUp), 24);
    // Slot 0 now shows section 24 (0-based); the last slot section 38.
    EXPECT_EQ(index.HitSection(kX, SlotY(0)), 24);
    EXPECT_EQ(index.HitSection(kX, SlotY(14)), 38);
}

TEST(TextWorkIndex, SevenSectionsLeaveTheLowerSlotsEmpty) {
    CTextWorkIndex index = MakeIndex(7);
    EXPECT_EQ(index.Page(), 7);
    EXPECT_EQ(index.ScrollMax(), 0);
    EXPECT_EQ(index.Scroll(ScrollCode::LineDown), 0);
    EXPECT_EQ(index.HitSection(kX, SlotY(6)), 6);
    EXPECT_EQ(index.HitSection(kX, SlotY(7)), -1);
    EXPECT_EQ(index.MouseMove(kX, SlotY(10)), -1);
    EXPECT_EQ(index.RedSection(), -1);
    // The 2-pixel inset belongs to no row.
    EXPECT_EQ(index.HitSection(1, SlotY(0)), -1);
    EXPECT_EQ(index.HitSection(kX, 1), -1);

    CTextWorkIndex empty = MakeIndex(0);
    EXPECT_EQ(empty.MouseMove(kX, SlotY(0)), -1);
    EXPECT_EQ(empty.Scroll(ScrollCode::LineDown), 0);
}

TEST(TextWorkIndex, HoverShowsOnceAndAgainAfterLeaving) {
    CTextWorkIndex index = MakeIndex(20);
    EXPECT_EQ(index.MouseMove(kX, SlotY(2)), 2);
    EXPECT_EQ(index.RedSection(), 2);
    EXPECT_EQ(index.MouseMove(kX + 10, SlotY(2) + 3), -1);  // same row: nothing
    EXPECT_EQ(index.MouseMove(kX, SlotY(3)), 3);
    EXPECT_EQ(index.RedSection(), 3);
    // Out of the index: the hover is cleared, the row stays red.
    EXPECT_EQ(index.MouseMove(250, SlotY(3)), -1);
    EXPECT_TRUE(index.HoverRect().IsEmpty());
    EXPECT_EQ(index.RedSection(), 3);
    EXPECT_EQ(index.MouseMove(kX, SlotY(3)), 3);  // back on the same title: refreshed

    // A scroll turns every row black and forgets the hover.
    index.Scroll(ScrollCode::LineDown);
    EXPECT_EQ(index.RedSection(), -1);
    EXPECT_TRUE(index.HoverRect().IsEmpty());
    EXPECT_EQ(index.MouseMove(kX, SlotY(3)), 4);
}

TEST(TextWork, LeadingIntegerReadsLikeAtoi) {
    EXPECT_EQ(text::LeadingInteger("12番の句"), 12);
    EXPECT_EQ(text::LeadingInteger("  7 "), 7);
    EXPECT_EQ(text::LeadingInteger("-3"), -3);
    EXPECT_EQ(text::LeadingInteger("句12"), 0);
    EXPECT_EQ(text::LeadingInteger("99999999999999"), 2147483647);
}

TEST(TextWork, UnknownKindOrMissingFileFails) {
    CTxtDataDir dir;
    CTextWork work;
    EXPECT_EQ(work.SetKind(13), -1);
    EXPECT_EQ(work.SetKind(-1), -1);
    EXPECT_EQ(work.SetKind(text::KindOf(text::TextWorkId::Collection)), -1);
    ASSERT_EQ(dir.messages.size(), 3u);
    EXPECT_EQ(dir.messages[2], dir.Path("work.txt") + "\nファイル を読み出し出来ません.");
}

TEST(TextWork, ClicksByKind) {
    CTxtDataDir dir;
    const std::vector<std::string> lines = {
        "[*]", "1:第一", "2:hover one", "3:12番と続く文", "[*]", "1:第二", "2:hover two", "[*]",
        "1:第三", "3:句"};
    for (const char* name : {"okuno.txt", "nature.txt", "life.txt"}) dir.Write(name, lines);

    CTextWork okuno;
    ASSERT_EQ(okuno.SetKind(text::KindOf(text::TextWorkId::Okuno)), 1);
    okuno.Index().SetPaneSize(200, 220);
    okuno.Start();
    EXPECT_EQ(okuno.GetTitle(), "おくのほそ道");
    ASSERT_EQ(okuno.Titles().size(), 3u);
    EXPECT_EQ(okuno.Titles()[1], "第二" + std::string(42, ' '));
    EXPECT_EQ(okuno.Texts()[0], "hover one" + std::string(37, ' '));
    EXPECT_EQ(okuno.Texts()[2], "");
    TextWorkClickResult r = okuno.Click(kX, SlotY(0));
    EXPECT_EQ(r.action, TextWorkClickResult::ShowText);
    EXPECT_EQ(r.text.substr(0, 12), "12番と続く文");
    EXPECT_EQ(okuno.Click(kX, SlotY(5)).action, TextWorkClickResult::Nothing);

    CTextWork nature;
    ASSERT_EQ(nature.SetKind(text::KindOf(text::TextWorkId::Nature)), 1);
    nature.Index().SetPaneSize(200, 220);
    nature.Start();
    r = nature.Click(kX, SlotY(0));
    EXPECT_EQ(r.action, TextWorkClickResult::OpenHaikuCard);
    EXPECT_EQ(r.position, 11);
    EXPECT_EQ(nature.Click(kX, SlotY(1)).action, TextWorkClickResult::Beep);  // no part 3
    EXPECT_EQ(nature.Click(kX, SlotY(2)).action, TextWorkClickResult::Beep);  // no number

    CTextWork life;
    ASSERT_EQ(life.SetKind(text::KindOf(text::TextWorkId::Chronology)), 1);
    life.Index().SetPaneSize(200, 220);
    life.Start();
    EXPECT_EQ(life.Click(kX, SlotY(0)).action, TextWorkClickResult::Beep);
}
