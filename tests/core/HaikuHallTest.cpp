// The year line, the list's find and its message, the card's position logic
// and texts, and the layout of the interpretation rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/SettingsStore.h"
#include "calendar/OldCalendarTable.h"
#include "calendar/SexagenaryNames.h"
#include "haiku/HaikuCard.h"
#include "haiku/HaikuList.h"
#include "haiku/HaikuOrders.h"
#include "haiku/HaikuTable.h"
#include "haiku/YearLine.h"
#include "platform/MessageBox.h"
#include "platform/ShiftJis.h"
#include "text/BlankFill.h"
#include "HaikuNotesFixture.h"

namespace {

class RecordMessages {
public:
    RecordMessages() {
        previous_ = platform::SetMessageBoxHandler([this](const std::string& text, const std::string&) {
            texts.push_back(text);
            return platform::kIdOk;
        });
    }
    ~RecordMessages() { platform::SetMessageBoxHandler(previous_); }
    std::vector<std::string> texts;

private:
    platform::MessageBoxHandler previous_;
};

class Hall : public hallfixture::AllNotesSuite {};

}  // namespace

TEST(YearLine, SingleYearsAndSpans) {
    static CHaikuTable table;
    static COldCalendarTable calendar;
    static CSexagenaryNames cycles;
    EXPECT_EQ(haiku::FormatYearLine(1662, 0, table, calendar, cycles), "寛文 2年壬寅(1662)(19才)");
    EXPECT_EQ(haiku::FormatYearLine(1672, 1661, table, calendar, cycles),
              "寛文 1年辛丑(1661)(18才)～寛文 12年壬子(1672)(29才)");
    // The last year of the poet's life, in another era.
    EXPECT_EQ(haiku::FormatYearLine(1694, 0, table, calendar, cycles), "元禄 7年甲戌(1694)(51才)");
}

TEST_F(Hall, FindTakesTheFirstRowInListOrder) {
    RecordMessages messages;
    CHaikuList list;
    ASSERT_EQ(list.Load(haiku::GetOrderLabel(3)), 3);
    EXPECT_EQ(list.FindOrReport(""), 0);
    EXPECT_EQ(list.FindOrReport("年や行き"), 34);  // second phrase
    EXPECT_TRUE(messages.texts.empty());

    // A text in many phrases: the first match moves with the sort.
    const std::string text = "の";
    const int before = list.Find(text);
    ASSERT_GE(before, 0);
    list.Sort(8);
    const int after = list.Find(text);
    ASSERT_GE(after, 0);
    for (int r = 0; r < after; ++r) {
        const HaikuRecord h = list.GetRowRecord(r);
        ASSERT_EQ((std::string(h.phrase1) + "|" + h.phrase2 + "|" + h.phrase3).find(text),
                  std::string::npos);
    }
    list.Sort(0);
    EXPECT_EQ(list.Find(text), before);
}

TEST_F(Hall, NotFoundNamesTheTextAndNeverOverrunsItsBuffer) {
    RecordMessages messages;
    CHaikuList list;
    ASSERT_EQ(list.Load(haiku::GetOrderLabel(0)), 0);
    EXPECT_EQ(list.FindOrReport("存在しない句"), -1);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "検索文字列 : 存在しない句 が見つかりません.");

    // One byte then double-byte characters: byte 96 would split a character.
    std::string longText = "x";
    for (int i = 0; i < 80; ++i) longText += "無";
    const std::string message = CHaikuList::FormatNotFound(longText);
    EXPECT_LT(message.size(), 128u);
    EXPECT_TRUE(platform::IsValidCp932(message));
    const std::string expectedText = longText.substr(0, 95);  // "x" + 47 characters
    EXPECT_EQ(message, "検索文字列 : " + expectedText + " が見つかりません.");
}

TEST_F(Hall, CardClampsStepsAndChangesOrder) {
    CHaikuCard card;
    card.SetOrder(3);
    card.SetPosition(-5);
    EXPECT_EQ(card.GetPosition(), 0);
    card.SetPosition(9999);
    EXPECT_EQ(card.GetPosition(), 364);

    // Stepping at either end stays and shows the haiku again.
    card.ShowHaiku();
    int shown = card.GetShowCount();
    card.Step(1);
    EXPECT_EQ(card.GetPosition(), 364);
    EXPECT_EQ(card.GetShowCount(), shown + 1);
    card.SetPosition(0);
    card.Step(-1);
    EXPECT_EQ(card.GetPosition(), 0);
    card.Step(0);  // a zero step counts as backwards
    EXPECT_EQ(card.GetPosition(), 0);
    EXPECT_EQ(card.GetTexts().numberLine, "キロノ一日一句(近代文芸社)の番号 : 1");
    card.Step(3);
    EXPECT_EQ(card.GetPosition(), 1);

    card.SetOrder(0);
    card.SetPosition(500);
    card.ChangeOrder(3);
    EXPECT_EQ(card.GetOrder(), 3);
    EXPECT_EQ(card.GetCount(), 365);
    EXPECT_EQ(card.GetPosition(), 364);
    EXPECT_EQ(card.GetTexts().numberLine, "キロノ一日一句(近代文芸社)の番号 : 365");
    card.ChangeOrder(1);
    EXPECT_EQ(card.GetPosition(), 364);  // kept where the new order reaches
}

TEST_F(Hall, CardTakesAStoredOrderOutsideTheFiveAsTheRegister) {
    for (int stored : {-1, 5, 99}) {
        CHaikuCard card;
        card.SetOrder(3);
        card.SetOrder(stored);
        EXPECT_EQ(card.GetOrder(), 0);
        EXPECT_EQ(card.GetCount(), 1017);
        card.SetPosition(1016);
        card.ShowHaiku();
        EXPECT_EQ(card.GetTexts().numberLine, "登録全句の番号 : 1017");
        EXPECT_EQ(card.GetTexts().haiku, "人声や 此道帰る 秋の暮");
    }
}

// The reader's blank fill: each source line to the next multiple of 44.
static std::string Fill(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        if (line.size() % 44 != 0) out += std::string(44 - line.size() % 44, ' ');
    }
    return out;
}

TEST(CommentaryRows, EverySourceLineStartsARowOfItsOwn) {
    std::string oddStart = "a";
    for (int i = 0; i < 30; ++i) oddStart += "解";  // 61 bytes; byte 43 starts a character
    std::string exact;
    for (int i = 0; i < 22; ++i) exact += "釈";  // 44 bytes: no fill
    std::string halfAndFull = "ｱ";
    for (int i = 0; i < 50; ++i) halfAndFull += (i % 3 == 0) ? "b" : "句";
    const std::vector<std::string> lines = {oddStart, exact, "短い", halfAndFull, exact + "x", "終"};
    const std::vector<std::string> rows = text::SplitRows(Fill(lines), haiku::kCommentaryWidth);

    std::size_t line = 0;
    std::string sofar;
    for (const std::string& row : rows) {
        ASSERT_LE(row.size(), 44u);
        ASSERT_FALSE(row.empty());
        ASSERT_TRUE(platform::IsValidCp932(row)) << row;
        ASSERT_LT(line, lines.size());
        sofar += row;
        ASSERT_EQ(lines[line].compare(0, sofar.size(), sofar), 0) << "row runs into the next line";
        if (sofar == lines[line]) {
            ++line;
            sofar.clear();
        }
    }
    EXPECT_EQ(line, lines.size());
    EXPECT_EQ(rows.front().size(), 43u);
}

TEST(CommentaryRows, BlankLinesAndTextCutByTheField) {
    // A source line of blanks shows as an empty row.
    EXPECT_EQ(text::SplitRows(Fill({"一", " ", "二"}), haiku::kCommentaryWidth),
              (std::vector<std::string>{"一", "", "二"}));
    EXPECT_TRUE(text::SplitRows("", haiku::kCommentaryWidth).empty());
    // A text that ends inside a character (the field cut it) loses no row.
    const std::vector<std::string> rows = text::SplitRows("ab\x88", haiku::kCommentaryWidth);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], "ab");
}
