// The era table against ICU's Japanese calendar, the old-calendar table's
// names for every year, and the two courts' eras of 1331..1392.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "RecordedMessages.h"
#include "calendar/DayCount.h"
#include "calendar/EraTable.h"
#include "calendar/NorthernEraRow.h"
#include "calendar/OldCalendarDays.h"
#include "platform/Codec.h"

namespace {

class EraTableTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string error;
        s_icu = new std::vector<CEraTable::SourceEra>(CEraTable::LoadIcuEras(&error));
        ASSERT_FALSE(s_icu->empty()) << error;
        s_days = new COldCalendarDays();
        s_table = new CEraTable(*s_days, *s_icu);
    }
    static void TearDownTestSuite() {
        delete s_table;
        delete s_days;
        delete s_icu;
    }

    static const COldCalendarDays& Days() { return *s_days; }
    static const CEraTable& Table() { return *s_table; }
    static const std::vector<CEraTable::SourceEra>& Icu() { return *s_icu; }

    static long long Old(int year, int month, int day, bool leap = false) {
        const long long fixed = Days().ToFixed(OldDate{year, month, leap, day});
        EXPECT_GE(fixed, 0) << year << "/" << month << "/" << day;
        return fixed;
    }
    // "元禄 1" for the main line's era on a day, "" for none.
    static std::string Main(long long fixed) { return Text(Table().GetMainEra(fixed)); }
    static std::string North(long long fixed) { return Text(Table().GetNorthernEra(fixed)); }
    static std::string Text(const CEraTable::EraYear& e) {
        return e.Found() ? Table().GetEra(e.era).name + " " + std::to_string(e.year) : "";
    }

private:
    static inline std::vector<CEraTable::SourceEra>* s_icu = nullptr;
    static inline COldCalendarDays* s_days = nullptr;
    static inline CEraTable* s_table = nullptr;
};

// The first day of an ICU era, found without the era table: through the
// old-calendar table's own conversion before 1873 (the regular month, the
// leap month of a year taking the position after its month).
long long IcuFirstDay(const COldCalendarTable& table, const CEraTable::SourceEra& era) {
    if (era.year >= 1873) return CDayCount::FromGregorian(era.year, era.month, era.day);
    const int leapPosition = table.GetLeapPosition(era.year);
    const int position = era.month + (leapPosition != 0 && era.month >= leapPosition ? 1 : 0);
    return CDayCount::FromGregorian(table.ToWestern(era.year, position, era.day));
}

}  // namespace

TEST_F(EraTableTest, IcuGivesTheErasFromTaikaToReiwaInOrder) {
    const auto& icu = Icu();
    EXPECT_EQ(platform::Utf8ToCp932(icu.front().name), "大化");
    EXPECT_EQ(icu.front().year, 645);
    EXPECT_EQ(platform::Utf8ToCp932(icu.back().name), "令和");
    EXPECT_EQ(icu.back().year, 2019);
    std::set<std::string> names;
    for (std::size_t i = 0; i < icu.size(); ++i) {
        SCOPED_TRACE(icu[i].name);
        EXPECT_TRUE(names.insert(icu[i].name).second) << "a name twice";
        // Every name can be written in the program's Shift-JIS.
        EXPECT_EQ(platform::Cp932ToUtf8(platform::Utf8ToCp932(icu[i].name)), icu[i].name);
        if (i > 0) {
            const auto& p = icu[i - 1];
            EXPECT_LT(std::tie(p.year, p.month, p.day), std::tie(icu[i].year, icu[i].month, icu[i].day));
        }
    }
}

// ICU's day for every era from 大化 on: the era begins on it (year 1) and was
// not in force the day before. The exceptions are ICU's 白鳳, which the
// old-calendar table does not name (its years are 天武's), and ICU's northern
// eras among the southern court's, which begin in the northern line; ICU's
// 至徳 starts one day before 嘉慶, where the northern line is in 至徳 4.
TEST_F(EraTableTest, EveryIcuEraBeginsOnIcusDay) {
    RecordedMessages messages;
    const COldCalendarTable& table = Days().GetTable();
    std::vector<std::string> northern;
    std::vector<std::string> dropped;
    for (const CEraTable::SourceEra& era : Icu()) {
        const std::string name = platform::Utf8ToCp932(era.name);
        SCOPED_TRACE(name);
        const long long first = IcuFirstDay(table, era);
        if (Main(first) == name + " 1") {
            EXPECT_NE(Main(first - 1).substr(0, name.size() + 1), name + " ");
            EXPECT_EQ(Table().GetEra(Table().FindEra(name)).first, first);
        } else if (Table().IsDivided(first)) {
            northern.push_back(name);
            EXPECT_EQ(North(first).substr(0, name.size()), name);
        } else {
            dropped.push_back(name);
        }
    }
    EXPECT_EQ(northern, (std::vector<std::string>{"康暦", "至徳", "嘉慶", "康応", "明徳"}));
    EXPECT_EQ(North(IcuFirstDay(table, CEraTable::SourceEra{"", 1387, 8, 22})), "至徳 4");
    EXPECT_EQ(dropped, (std::vector<std::string>{"白鳳"}));
    EXPECT_EQ(Table().FindEra("白鳳"), -1);
    EXPECT_TRUE(messages.Texts().empty());
}

// The old-calendar table names each year by the era in force at its end
// (the year of a change by the new era), with the same count: the era table
// agrees for every year from 593 to 2051, up to the table's spellings,
// except 1392, which the table ends in the southern 元中, 1988, whose old
// year ends after 平成 began (the table: 昭和 63), and the years from 2019,
// which it counts on in 平成.
TEST_F(EraTableTest, YearsNamedAsTheOldCalendarTableNamesThem) {
    const COldCalendarTable& table = Days().GetTable();
    std::map<std::string, std::string> spelled;
    for (const auto& [variant, name] : Table().GetVariantSpellings()) spelled[variant] = name;
    std::vector<int> differ;
    for (int year = COldCalendarTable::kFirstYear; year <= COldCalendarTable::kLastYear; ++year) {
        const long long last = year < COldCalendarTable::kLastYear ? Old(year + 1, 1, 1) - 1 : Days().GetLastDay();
        const CEraTable::EraYear e = Table().GetMainEra(last);
        ASSERT_TRUE(e.Found()) << year;
        std::string name = table.GetEraName(year);
        if (spelled.count(name)) name = spelled[name];
        const int count = year - Table().GetEra(e.era).firstYear + 1;
        if (name != Table().GetEra(e.era).name || count != table.GetEraYear(year)) differ.push_back(year);
    }
    std::vector<int> expected = {1392, 1988};
    for (int year = 2019; year <= 2051; ++year) expected.push_back(year);
    EXPECT_EQ(differ, expected);
}

TEST_F(EraTableTest, TheTablesTenSpellingsFindTheTrueNames) {
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"斉衛", "斉衡"}, {"永萬", "永万"}, {"嘉喜", "寛喜"}, {"永亨", "永享"}, {"亨徳", "享徳"},
        {"長亨", "長享"}, {"亨禄", "享禄"}, {"亨保", "享保"}, {"延亨", "延享"}, {"亨和", "享和"},
    };
    EXPECT_EQ(Table().GetVariantSpellings(), expected);
    for (const auto& [variant, name] : expected) {
        SCOPED_TRACE(variant);
        ASSERT_GE(Table().FindEra(name), 0);
        EXPECT_EQ(Table().FindEra(variant), Table().FindEra(name));
    }
    EXPECT_EQ(Table().FindEra("平成"), Table().FindEra("平成"));
    EXPECT_EQ(Table().FindEra("元禄元"), -1);
    EXPECT_EQ(Table().FindEra(""), -1);
}

TEST_F(EraTableTest, ReignYearsWhereNoEraWasInUse) {
    EXPECT_EQ(Main(Days().GetFirstDay()), "推古 1");
    EXPECT_EQ(Main(Old(628, 12, 29)), "推古 36");
    EXPECT_EQ(Main(Old(629, 1, 1)), "舒明 1");
    EXPECT_EQ(Main(Old(645, 6, 18)), "皇極 4");
    EXPECT_EQ(Main(Old(645, 6, 19)), "大化 1");
    EXPECT_EQ(Main(Old(654, 12, 29)), "白雉 5");
    EXPECT_EQ(Main(Old(655, 1, 1)), "斉明 1");
    EXPECT_EQ(Main(Old(672, 1, 1)), "天武 1");
    EXPECT_EQ(Main(Old(686, 7, 19)), "天武 15");
    EXPECT_EQ(Main(Old(686, 7, 20)), "朱鳥 1");
    EXPECT_EQ(Main(Old(687, 1, 1)), "持統 1");
    EXPECT_EQ(Main(Old(701, 3, 20)), "文武 5");
    EXPECT_EQ(Main(Old(701, 3, 21)), "大宝 1");
}

TEST_F(EraTableTest, ErasChangeOnTheirProclamationDays) {
    // 元禄 was proclaimed on 貞享5年9月30日.
    EXPECT_EQ(Main(CDayCount::FromGregorian(1688, 10, 22)), "貞享 5");
    EXPECT_EQ(Main(CDayCount::FromGregorian(1688, 10, 23)), "元禄 1");
    // From 1873 the years are Western years.
    EXPECT_EQ(Main(CDayCount::FromGregorian(1868, 10, 22)), "慶応 4");
    EXPECT_EQ(Main(CDayCount::FromGregorian(1868, 10, 23)), "明治 1");
    EXPECT_EQ(Main(CDayCount::FromGregorian(1872, 12, 31)), "明治 5");
    EXPECT_EQ(Main(CDayCount::FromGregorian(1873, 1, 1)), "明治 6");
    EXPECT_EQ(Main(CDayCount::FromGregorian(1912, 7, 29)), "明治 45");
    EXPECT_EQ(Main(CDayCount::FromGregorian(1912, 7, 30)), "大正 1");
    EXPECT_EQ(Main(CDayCount::FromGregorian(1989, 1, 7)), "昭和 64");
    EXPECT_EQ(Main(CDayCount::FromGregorian(1989, 1, 8)), "平成 1");
    EXPECT_EQ(Main(CDayCount::FromGregorian(2019, 4, 30)), "平成 31");
    EXPECT_EQ(Main(CDayCount::FromGregorian(2019, 5, 1)), "令和 1");
    EXPECT_EQ(Main(Days().GetLastDay()), "令和 34");
    EXPECT_EQ(Main(Days().GetLastDay() + 1), "");
    EXPECT_EQ(Main(Days().GetFirstDay() - 1), "");
}

TEST_F(EraTableTest, BothCourtsFrom1331To1392) {
    EXPECT_EQ(Main(Old(1331, 8, 8)), "元徳 3");
    EXPECT_EQ(North(Old(1331, 8, 8)), "");
    EXPECT_EQ(Main(Old(1331, 8, 9)), "元弘 1");
    EXPECT_EQ(North(Old(1331, 8, 9)), "元徳 3");
    EXPECT_EQ(North(Old(1332, 4, 28)), "正慶 1");
    EXPECT_EQ(North(Old(1333, 5, 24)), "正慶 2");
    EXPECT_EQ(Main(Old(1333, 5, 25)), "元弘 3");
    EXPECT_EQ(North(Old(1333, 5, 25)), "");
    EXPECT_EQ(Main(Old(1334, 1, 29)), "建武 1");
    EXPECT_EQ(North(Old(1336, 2, 28)), "");
    EXPECT_EQ(Main(Old(1336, 2, 29)), "延元 1");
    EXPECT_EQ(North(Old(1336, 2, 29)), "建武 3");
    EXPECT_EQ(North(Old(1338, 8, 28)), "暦応 1");
    EXPECT_EQ(Main(Old(1350, 2, 27)), "正平 5");
    EXPECT_EQ(North(Old(1350, 2, 27)), "観応 1");
    EXPECT_EQ(Main(Old(1379, 3, 22)), "天授 5");
    EXPECT_EQ(North(Old(1379, 3, 22)), "康暦 1");
    EXPECT_EQ(Main(Old(1392, 10, 4, true)), "元中 9");
    EXPECT_EQ(North(Old(1392, 10, 4, true)), "明徳 3");
    EXPECT_EQ(Main(Old(1392, 10, 5, true)), "明徳 3");
    EXPECT_EQ(North(Old(1392, 10, 5, true)), "");
    EXPECT_EQ(Main(Old(1394, 7, 4)), "明徳 5");
    EXPECT_EQ(Main(Old(1394, 7, 5)), "応永 1");

    // Each row of the northern court's table takes effect on its day.
    for (int i = 0; i < kNorthernEraRowCount; ++i) {
        const NorthernEraRow& row = kNorthernEraRows[i];
        SCOPED_TRACE(row.name);
        const long long day = Old(row.year, row.month, row.day, row.leap);
        const std::string& line = row.joins ? Main(day) : North(day);
        EXPECT_EQ(line.substr(0, line.find(' ')), row.name);
        EXPECT_NE(North(day - 1), North(day));
    }
    // Only the eras of the northern court alone are marked so.
    EXPECT_TRUE(Table().GetEra(Table().FindEra("暦応")).northernOnly);
    EXPECT_TRUE(Table().GetEra(Table().FindEra("正慶")).northernOnly);
    EXPECT_FALSE(Table().GetEra(Table().FindEra("元徳")).northernOnly);
    EXPECT_FALSE(Table().GetEra(Table().FindEra("明徳")).northernOnly);
    EXPECT_FALSE(Table().GetEra(Table().FindEra("延元")).northernOnly);
}

// Over every day of the table: the main line always has an era, every era
// is in force on one unbroken run of days from its first to its last day,
// its year is 1 on its first day, and a year count never moves back or
// jumps.
TEST_F(EraTableTest, EveryEraIsInForceOnOneRunOfDays) {
    const int count = Table().GetEraCount();
    std::vector<long long> seenFirst(count, -1), seenLast(count, -1);
    std::vector<int> runs(count, 0);
    std::vector<int> lastYear(count, 0);
    for (long long day = Days().GetFirstDay(); day <= Days().GetLastDay(); ++day) {
        const CEraTable::EraYear main = Table().GetMainEra(day);
        ASSERT_TRUE(main.Found()) << day;
        for (const CEraTable::EraYear e : {main, Table().GetNorthernEra(day)}) {
            if (!e.Found()) continue;
            if (seenLast[e.era] != day - 1 && seenLast[e.era] != day) {
                ++runs[e.era];
                seenFirst[e.era] = seenFirst[e.era] < 0 ? day : seenFirst[e.era];
                ASSERT_EQ(e.year, lastYear[e.era] == 0 ? 1 : lastYear[e.era]) << Table().GetEra(e.era).name;
            } else {
                ASSERT_TRUE(e.year == lastYear[e.era] || e.year == lastYear[e.era] + 1) << day;
            }
            seenLast[e.era] = day;
            lastYear[e.era] = e.year;
        }
    }
    for (int i = 0; i < count; ++i) {
        const CEraTable::Era& era = Table().GetEra(i);
        SCOPED_TRACE(era.name);
        EXPECT_EQ(runs[i], 1);
        EXPECT_EQ(seenFirst[i], era.first);
        EXPECT_EQ(seenLast[i], era.end - 1);
        EXPECT_TRUE(Table().IsInForce(i, era.first));
        EXPECT_FALSE(Table().IsInForce(i, era.first - 1));
        if (i > 0) {
            EXPECT_LE(Table().GetEra(i - 1).first, era.first) << "out of order";
        }
    }
}
