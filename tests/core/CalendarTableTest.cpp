#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "RecordedMessages.h"
#include "calendar/OldCalendarTable.h"

namespace {

// One year as the calendar describes it: the twelve regular months (B = 30
// days, S = 29 days), the month the leap month follows (0 = none) and its size.
struct YearRow {
    int year;
    const char* flags;
    int leapAfter;
    int leapFlag;
    const char* era;
    int eraYear;
    int days;
};

// The years the calendar list can show, and the other telling years.
const YearRow kTellingYears[] = {
    {593, "SBSBSBSBSBSB", 0, 0, "推古", 1, 354},
    {594, "BSBSBSBSBBSB", 9, 0, "推古", 2, 384},
    {597, "SBSBSSBSBSBB", 5, 1, "推古", 5, 384},
    {1644, "BSBSSBSBBBSB", 0, 0, "正保", 1, 355},
    {1645, "SBSBSBSBBSBB", 5, 0, "正保", 2, 384},
    {1646, "SBSBSSBSBSBB", 0, 0, "正保", 3, 354},
    {1647, "BSBSBSSSBBSB", 0, 0, "正保", 4, 354},
    {1648, "BBBSSBSBSBSB", 1, 0, "慶安", 1, 384},
    {1649, "SBBSBSBSBSBS", 0, 0, "慶安", 2, 354},
    {1650, "BSBSBBSBSBBS", 10, 0, "慶安", 3, 384},
    {1651, "BSBSBSBBSBSB", 0, 0, "慶安", 4, 355},
    {1652, "SBSSBSBBSBBS", 0, 0, "承応", 1, 354},
    {1653, "BSBSSBBBSBBS", 6, 0, "承応", 2, 384},
    {1654, "BSBSSBSBSBBB", 0, 0, "承応", 3, 355},
    {1655, "SBSBSSSBSBBB", 0, 0, "明暦", 1, 354},
    {1656, "SBBSSSSBSBBS", 4, 1, "明暦", 2, 383},
    {1657, "BBBSSBSBSSBB", 0, 0, "明暦", 3, 355},
    {1658, "SBBSBSBSBSSB", 12, 1, "万治", 1, 384},
    {1659, "SBSBBSBSBSBS", 0, 0, "万治", 2, 354},
    {1660, "BSSBBSBBSBSB", 0, 0, "万治", 3, 355},
    {1661, "SBSSBSBBBBSB", 8, 0, "寛文", 1, 384},
    {1662, "SBSSBSBSBBBS", 0, 0, "寛文", 2, 354},
    {1663, "BSBSSSBSBBBS", 0, 0, "寛文", 3, 354},
    {1664, "BBSBSSBSBBSB", 5, 0, "寛文", 4, 384},
    {1665, "BBSBSSSBSBBS", 0, 0, "寛文", 5, 354},
    {1666, "BBSBSBSBSSBS", 0, 0, "寛文", 6, 354},
    {1667, "BBBBSBSBSSBS", 2, 0, "寛文", 7, 384},
    {1668, "BBSBSBBSBSBS", 0, 0, "寛文", 8, 355},
    {1669, "SBSBSBBSBBBS", 10, 0, "寛文", 9, 384},
    {1670, "SBSBSBSBBBSB", 0, 0, "寛文", 10, 355},
    {1671, "SBSSBSSBBBSB", 0, 0, "寛文", 11, 354},
    {1672, "BSBSSSSBBSBB", 6, 1, "寛文", 12, 384},
    {1673, "BSBSSSBSBSBB", 0, 0, "延宝", 1, 354},
    {1674, "BSBSBSSBSBSB", 0, 0, "延宝", 2, 354},
    {1675, "BSBBBSBSSBSB", 4, 0, "延宝", 3, 384},
    {1676, "BSBBSBSBSSBS", 0, 0, "延宝", 4, 354},
    {1677, "BSBBSBSBBSBS", 12, 0, "延宝", 5, 384},
    {1678, "BSBSBSBBSBBS", 0, 0, "延宝", 6, 355},
    {1679, "SBSBSBSBBSBB", 0, 0, "延宝", 7, 355},
    {1680, "SBSSSBSBSBBB", 8, 1, "延宝", 8, 384},
    {1681, "SBSSSBSBSBBB", 0, 0, "天和", 1, 354},
    {1682, "SBBSSSBSBSBB", 0, 0, "天和", 2, 354},
    {1683, "BSBSBSBSBSBB", 5, 0, "天和", 3, 384},
    {1684, "SBBSBSBSSBSB", 0, 0, "貞享", 1, 354},
    {1685, "SBSBBSBSBSBS", 0, 0, "貞享", 2, 354},
    {1686, "BSBBSBBSBSBS", 3, 0, "貞享", 3, 384},
    {1687, "BSSBSBBSBBSB", 0, 0, "貞享", 4, 355},
    {1688, "SBSSBSBSBBBS", 0, 0, "元禄", 1, 354},
    {1689, "BBSSBSBSBBBS", 1, 0, "元禄", 2, 384},
    {1690, "BSBSSBSSBBSB", 0, 0, "元禄", 3, 354},
    {1691, "BBSBSSBSBBSB", 8, 0, "元禄", 4, 384},
    {1692, "BSBBSSBSSBSB", 0, 0, "元禄", 5, 354},
    {1693, "BBSBSBSBSSBS", 0, 0, "元禄", 6, 354},
    {1694, "BBSBBBSBSBSS", 5, 0, "元禄", 7, 384},
    {1872, "SBSBBSBBSBSB", 0, 0, "明治", 5, 355},
    {2051, "BSSBSBSBSBBB", 0, 0, "平成", 63, 355},
};

// The table is large (1459 records); tests keep it off the stack.
std::unique_ptr<COldCalendarTable> MakeTable() { return std::make_unique<COldCalendarTable>(); }

int MonthCount(const COldCalendarTable& t, int year) { return t.GetLeapPosition(year) ? 13 : 12; }

TEST(OldCalendarTable, TellingYearsHaveTheirMonthsLeapMonthAndEra) {
    const auto t = MakeTable();
    RecordedMessages messages;
    for (const YearRow& row : kTellingYears) {
        SCOPED_TRACE(row.year);
        // The month sizes in calendar order, the leap month at its own position.
        std::vector<int> expected;
        for (int m = 1; m <= 12; ++m) {
            expected.push_back(row.flags[m - 1] == 'B' ? 30 : 29);
            if (m == row.leapAfter) expected.push_back(row.leapFlag ? 30 : 29);
        }
        const int leapPosition = row.leapAfter ? row.leapAfter + 1 : 0;
        EXPECT_EQ(t->GetLeapPosition(row.year), leapPosition);
        ASSERT_EQ(MonthCount(*t, row.year), static_cast<int>(expected.size()));
        int sum = 0;
        for (int p = 1; p <= MonthCount(*t, row.year); ++p) {
            EXPECT_EQ(t->GetMonthDays(row.year, p), expected[p - 1]) << "position " << p;
            sum += t->GetMonthDays(row.year, p);
        }
        EXPECT_EQ(sum, row.days);

        const OldYearRecord* rec = t->GetRecord(row.year);
        ASSERT_NE(rec, nullptr);
        EXPECT_EQ(rec->daysInYear, row.days);
        EXPECT_EQ(rec->monthSizes[0], row.leapAfter ? 1 : 0);
        EXPECT_EQ(rec->leapPresent, row.leapAfter ? 1 : 0);
        EXPECT_EQ(rec->leapPosition, leapPosition);
        EXPECT_STREQ(t->GetEraName(row.year), row.era);
        EXPECT_EQ(t->GetEraYear(row.year), row.eraYear);
    }
    EXPECT_TRUE(messages.Texts().empty());
}

TEST(OldCalendarTable, LeapMonthAfterMonthFiveOf1694IsSmall) {
    const auto t = MakeTable();
    const OldYearRecord* rec = t->GetRecord(1694);
    ASSERT_NE(rec, nullptr);
    const char entries[14] = {1, 1, 1, 0, 1, 1, 0, 1, 0, 1, 0, 1, 0, 0};
    EXPECT_EQ(std::memcmp(rec->monthSizes, entries, sizeof entries), 0);
    EXPECT_EQ(rec->leapPosition, 6);
    EXPECT_EQ(t->GetMonthDays(1694, 5), 30);
    EXPECT_EQ(t->GetMonthDays(1694, 6), 29);
    EXPECT_EQ(t->GetLeapPosition(1644), 0);
}

TEST(OldCalendarTable, LeapMonthMayFollowMonthTwelve) {
    const auto t = MakeTable();
    EXPECT_STREQ(t->GetEraName(1658), "万治");
    EXPECT_EQ(t->GetEraYear(1658), 1);
    EXPECT_EQ(t->GetLeapPosition(1658), 13);
    EXPECT_EQ(t->GetMonthDays(1658, 12), 30);  // regular month 12
    EXPECT_EQ(t->GetMonthDays(1658, 13), 30);  // the big leap month after it
}

TEST(OldCalendarTable, LeapFlagWithoutLeapMonthLeavesTwelveMonths) {
    const auto t = MakeTable();
    for (int year : {1127, 1144, 1543}) {
        SCOPED_TRACE(year);
        const OldYearRecord* rec = t->GetRecord(year);
        ASSERT_NE(rec, nullptr);
        EXPECT_EQ(rec->monthSizes[0], 0);
        EXPECT_EQ(rec->leapPresent, 0);
        EXPECT_EQ(t->GetLeapPosition(year), 0);
        EXPECT_EQ(t->GetMonthDays(year, 13), -1);
        int sum = 0;
        for (int p = 1; p <= 12; ++p) sum += t->GetMonthDays(year, p);
        EXPECT_EQ(sum, rec->daysInYear);
        EXPECT_GE(rec->daysInYear, 353);
        EXPECT_LE(rec->daysInYear, 356);
    }
    // The same through SetYear directly: the leap flag alone adds nothing.
    t->SetYear(1127, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, "大治", 2);
    EXPECT_EQ(t->GetLeapPosition(1127), 0);
    EXPECT_EQ(t->GetRecord(1127)->daysInYear, 360);
}

TEST(OldCalendarTable, SpanTotalsAndLeapYearCounts) {
    struct Span {
        int from, to, days, leapYears;
    };
    const Span spans[] = {
        {593, 699, 39069, 39},    {700, 799, 36529, 37},   {800, 899, 36530, 37},
        {900, 999, 36529, 37},    {1000, 1099, 36529, 37}, {1100, 1199, 36500, 36},
        {1200, 1299, 36530, 37},  {1300, 1399, 36529, 37}, {1400, 1499, 36529, 37},
        {1500, 1599, 36530, 37},  {1600, 1699, 36529, 37}, {1700, 1799, 36499, 36},
        {1800, 1899, 36530, 37},  {1900, 1999, 36529, 37}, {2000, 2051, 18989, 19},
        {593, 2051, 532880, 537}, {593, 1643, 383868, 0},
    };
    const auto t = MakeTable();
    for (const Span& s : spans) {
        SCOPED_TRACE(testing::Message() << s.from << "-" << s.to);
        int days = 0;
        int leapYears = 0;
        for (int y = s.from; y <= s.to; ++y) {
            days += t->GetRecord(y)->daysInYear;
            leapYears += t->GetLeapPosition(y) != 0;
        }
        EXPECT_EQ(days, s.days);
        if (s.leapYears) {
            EXPECT_EQ(leapYears, s.leapYears);
        }
    }
}

TEST(OldCalendarTable, EveryYearAddsUpItsMonths) {
    const auto t = MakeTable();
    for (int y = COldCalendarTable::kFirstYear; y <= COldCalendarTable::kLastYear; ++y) {
        const OldYearRecord* rec = t->GetRecord(y);
        int sum = 0;
        for (int p = 1; p <= MonthCount(*t, y); ++p) sum += t->GetMonthDays(y, p);
        ASSERT_EQ(sum, rec->daysInYear) << y;
        // 353..356 days without a leap month, 383..385 with one.
        const int base = rec->leapPresent ? 383 : 353;
        ASSERT_TRUE(rec->daysInYear >= base && rec->daysInYear <= base + 3) << y;
    }
}

TEST(OldCalendarTable, EraLookups) {
    const auto t = MakeTable();
    struct Era {
        int year;
        const char* name;
        int eraYear;
    };
    const Era eras[] = {
        {593, "推古", 1},  {1393, "明徳", 4},  {1644, "正保", 1}, {1688, "元禄", 1},
        {1694, "元禄", 7}, {1920, "大正", 9},  {2051, "平成", 63}, {749, "天平勝宝", 1},
        {1392, "元中", 9}, {1394, "応永", 1},
        // Spellings as the table has always held them.
        {854, "斉衛", 1},  {1165, "永萬", 1},  {1229, "嘉喜", 1}, {1429, "永亨", 1},
        {1452, "亨徳", 1}, {1487, "長亨", 1},  {1528, "亨禄", 1}, {1716, "亨保", 1},
        {1744, "延亨", 1}, {1801, "亨和", 1},
    };
    for (const Era& e : eras) {
        SCOPED_TRACE(e.year);
        EXPECT_STREQ(t->GetEraName(e.year), e.name);
        EXPECT_EQ(t->GetEraYear(e.year), e.eraYear);
    }
}

TEST(OldCalendarTable, EraYearsCountOnWithinAnEra) {
    // Every year continues its era by one or starts a new era at 1; 明徳 has
    // its single year as year 4. The table holds 238 eras.
    const auto t = MakeTable();
    std::set<std::string> names{t->GetEraName(593)};
    int eras = 1;
    for (int y = 594; y <= 2051; ++y) {
        SCOPED_TRACE(y);
        const std::string name = t->GetEraName(y);
        ASSERT_FALSE(name.empty());
        EXPECT_LE(name.size(), 8u);
        if (name == t->GetEraName(y - 1)) {
            EXPECT_EQ(t->GetEraYear(y), t->GetEraYear(y - 1) + 1);
        } else {
            ++eras;
            EXPECT_TRUE(names.insert(name).second) << "era repeated: " << y;
            EXPECT_EQ(t->GetEraYear(y), y == 1393 ? 4 : 1);
        }
    }
    EXPECT_EQ(eras, 238);
}

TEST(OldCalendarTable, YearsOutsideTheTableAreReportedWithTheOperationCode) {
    const auto t = MakeTable();
    RecordedMessages messages;

    EXPECT_EQ(t->GetEraYear(592), -1);
    EXPECT_EQ(t->GetLeapPosition(2052), -1);
    EXPECT_STREQ(t->GetEraName(2052), "");
    EXPECT_EQ(t->GetMonthDays(592, 1), -1);
    EXPECT_EQ(t->ToWestern(2052, 1, 1), (WesternDate{0, 0, 0}));
    EXPECT_EQ(t->GetDayCycle(2052, 1, 1), -1);
    EXPECT_EQ(t->CheckYear(-2147483647 - 1, 99), -1);
    const std::vector<std::string> expected = {
        "592年の旧暦は計算できません.5",  "2052年の旧暦は計算できません.10",
        "2052年の旧暦は計算できません.4", "592年の旧暦は計算できません.11",
        "2052年の旧暦は計算できません.7", "2052年の旧暦は計算できません.13",
        "-2147483648年の旧暦は計算できません.99",
    };
    EXPECT_EQ(messages.Texts(), expected);
    // The message is Shift-JIS: 年 is 0x94 0x4E.
    EXPECT_EQ(messages.Texts()[0].substr(0, 5), "592\x94\x4E");

    // The edge years pass without a message.
    messages.Clear();
    for (int y : {593, 2051}) {
        EXPECT_EQ(t->CheckYear(y, 3), 0);
        EXPECT_GT(t->GetEraYear(y), 0);
        EXPECT_STRNE(t->GetEraName(y), "");
        EXPECT_GE(t->GetLeapPosition(y), 0);
        EXPECT_GT(t->GetMonthDays(y, 12), 0);
        EXPECT_GT(t->ToWestern(y, 12, 1).year, 0);
        EXPECT_GE(t->GetDayCycle(y, 12, 1), 0);
    }
    EXPECT_TRUE(messages.Texts().empty());
}

TEST(OldCalendarTable, SetYearOutsideTheTableStoresNothing) {
    const auto t = MakeTable();
    const auto before = MakeTable();
    RecordedMessages messages;
    t->SetYear(592, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 5, 1, "xx", 1);
    t->SetYear(2052, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 5, 1, "xx", 1);
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"592年の旧暦は計算できません.3",
                                                          "2052年の旧暦は計算できません.3"}));
    for (int y = 593; y <= 2051; ++y) {
        ASSERT_EQ(std::memcmp(t->GetRecord(y), before->GetRecord(y), sizeof(OldYearRecord)), 0) << y;
    }
    EXPECT_EQ(t->GetRecord(592), nullptr);
    EXPECT_EQ(t->GetRecord(2052), nullptr);
}

TEST(OldCalendarTable, MonthPositionsOutsideTheYearFailQuietly) {
    const auto t = MakeTable();
    RecordedMessages messages;
    // 1644 has twelve months, 1694 thirteen.
    for (int p : {0, -1, 13, 14, 1000}) {
        EXPECT_EQ(t->GetMonthDays(1644, p), -1) << p;
        EXPECT_EQ(t->ToWestern(1644, p, 1), (WesternDate{0, 0, 0})) << p;
        EXPECT_EQ(t->GetDayCycle(1644, p, 1), -1) << p;
    }
    EXPECT_EQ(t->GetMonthDays(1694, 14), -1);
    EXPECT_EQ(t->GetMonthDays(1694, 13), 29);
    EXPECT_TRUE(messages.Texts().empty());
}

TEST(OldCalendarTable, SetYearKeepsTheLeapMonthWithinTheRecord) {
    const auto t = MakeTable();
    // A leap month can only follow months 1..12; anything else is no leap month.
    for (int n : {13, 14, -1}) {
        t->SetYear(1700, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, n, 1, "元禄", 13);
        EXPECT_EQ(t->GetLeapPosition(1700), 0) << n;
        EXPECT_EQ(t->GetRecord(1700)->daysInYear, 354) << n;
    }
    // An era name longer than its field is cut at a character boundary.
    t->SetYear(1700, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 0, 0, "一二三四五六七", 1);
    EXPECT_STREQ(t->GetEraName(1700), "一二三四五");
}

}  // namespace
