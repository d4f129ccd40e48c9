#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "RecordedMessages.h"
#include "calendar/CalendarNames.h"
#include "calendar/OldCalendarTable.h"
#include "calendar/SexagenaryNames.h"

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (an independent count,
// by eras of 400 years), for checking dates and weekdays.
long long DaysFromCivil(long long y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

long long DaysFromCivil(const WesternDate& w) { return DaysFromCivil(w.year, w.month, w.day); }

struct Conversion {
    int year, position, day;
    WesternDate western;
    int weekday;
    const char* weekdayName;
    int cycle;
    const char* cycleName;
};

const Conversion kConversions[] = {
    {593, 1, 1, {593, 2, 9}, 6, "土", 38, "壬寅"},      // first day of the table
    {1644, 1, 1, {1644, 2, 8}, 1, "月", 26, "庚寅"},    // first day of 正保 1
    {1644, 1, 2, {1644, 2, 9}, 2, "火", 27, "辛卯"},
    {1644, 2, 1, {1644, 3, 9}, 3, "水", 56, "庚申"},
    {1644, 12, 4, {1645, 1, 1}, 0, "日", 54, "戊午"},   // first day in Western 1645
    {1644, 12, 30, {1645, 1, 27}, 5, "金", 20, "甲申"}, // last day of 1644
    {1689, 4, 27, {1689, 5, 16}, 1, "月", 0, "甲子"},   // month 3 after the leap month at 2
    {1694, 6, 1, {1694, 6, 23}, 3, "水", 4, "戊辰"},    // first day of the leap month
    {1694, 11, 12, {1694, 11, 28}, 0, "日", 42, "丙午"},
    {1872, 12, 2, {1872, 12, 31}, 2, "火", 48, "壬子"},
    {1872, 12, 3, {1873, 1, 1}, 3, "水", 49, "癸丑"},
    {2051, 12, 30, {2052, 1, 31}, 3, "水", 57, "辛酉"}, // last day of the table
};

TEST(CalendarConversion, WorkedDatesWeekdaysAndDayCycles) {
    const auto t = std::make_unique<COldCalendarTable>();
    const CCalendarNames names;
    const CSexagenaryNames cycles;
    RecordedMessages messages;
    for (const Conversion& c : kConversions) {
        SCOPED_TRACE(testing::Message() << c.year << "/" << c.position << "/" << c.day);
        const WesternDate w = t->ToWestern(c.year, c.position, c.day);
        EXPECT_EQ(w, c.western) << w.year << "-" << w.month << "-" << w.day;
        const int weekday = names.DayOfWeek(w.year, w.month, w.day);
        EXPECT_EQ(weekday, c.weekday);
        EXPECT_STREQ(names.GetWeekdayName(weekday), c.weekdayName);
        const int cycle = t->GetDayCycle(c.year, c.position, c.day);
        EXPECT_EQ(cycle, c.cycle);
        EXPECT_STREQ(cycles.GetCycleName(cycle), c.cycleName);
    }
    EXPECT_TRUE(messages.Texts().empty());
}

TEST(CalendarConversion, DaysRunOnWithoutGapAcrossAllYears) {
    // The first day of each year lies the previous year's length after the
    // first day of the previous year, in Western days and in the day cycle;
    // the day after the last day of the table is the first day of old 2052.
    const auto t = std::make_unique<COldCalendarTable>();
    long long previous = DaysFromCivil(t->ToWestern(593, 1, 1));
    int previousCycle = t->GetDayCycle(593, 1, 1);
    for (int y = 594; y <= 2051; ++y) {
        SCOPED_TRACE(y);
        const int length = t->GetRecord(y - 1)->daysInYear;
        const long long first = DaysFromCivil(t->ToWestern(y, 1, 1));
        EXPECT_EQ(first - previous, length);
        const int cycle = t->GetDayCycle(y, 1, 1);
        EXPECT_EQ(cycle, (previousCycle + length) % 60);
        previous = first;
        previousCycle = cycle;
    }
    // Within one year: each month starts where the one before it ends.
    for (int y : {597, 1658, 1694, 2051}) {
        SCOPED_TRACE(y);
        const int count = t->GetLeapPosition(y) ? 13 : 12;
        for (int p = 2; p <= count; ++p) {
            const WesternDate last = t->ToWestern(y, p - 1, t->GetMonthDays(y, p - 1));
            EXPECT_EQ(DaysFromCivil(t->ToWestern(y, p, 1)) - DaysFromCivil(last), 1) << p;
        }
    }
    EXPECT_EQ(DaysFromCivil(t->ToWestern(2051, 12, 30)) - DaysFromCivil(t->ToWestern(593, 1, 1)),
              532880 - 1);
}

TEST(CalendarConversion, DayOfWeekAgreesWithAnIndependentDayCount) {
    const CCalendarNames names;
    EXPECT_EQ(names.DayOfWeek(2000, 1, 1), 6);
    EXPECT_EQ(names.DayOfWeek(2000, 3, 1), 3);
    // 1970-01-01 was a Thursday (4).
    for (int y : {593, 600, 1600, 1644, 1700, 1899, 1900, 2000, 2052}) {
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= names.DaysInMonth(y, m); ++d) {
                const long long n = DaysFromCivil(y, m, d) + 4;
                ASSERT_EQ(names.DayOfWeek(y, m, d), ((n % 7) + 7) % 7) << y << "-" << m << "-" << d;
            }
        }
    }
}

TEST(CalendarConversion, GregorianMonthAndYearLengths) {
    const CCalendarNames names;
    const struct {
        int year, february, days;
    } years[] = {{1700, 28, 365}, {1900, 28, 365}, {1600, 29, 366}, {2000, 29, 366}, {1644, 29, 366}};
    for (const auto& y : years) {
        EXPECT_EQ(names.FebruaryDays(y.year), y.february) << y.year;
        EXPECT_EQ(names.DaysInMonth(y.year, 2), y.february) << y.year;
        EXPECT_EQ(names.DaysInYear(y.year), y.days) << y.year;
        int sum = 0;
        for (int m = 1; m <= 12; ++m) sum += names.DaysInMonth(y.year, m);
        EXPECT_EQ(sum, y.days) << y.year;
    }
    // Any other month number counts as February.
    EXPECT_EQ(names.DaysInMonth(1644, 13), 29);
    EXPECT_EQ(names.DaysInMonth(1645, 0), 28);
}

TEST(CalendarConversion, NamesOutsideTheirRangeAreEmpty) {
    const CCalendarNames names;
    EXPECT_STREQ(names.GetWeekdayName(-1), "");
    EXPECT_STREQ(names.GetWeekdayName(7), "");
    EXPECT_STREQ(names.GetEnglishWeekdayName(7), "");
    EXPECT_STREQ(names.GetEnglishMonthName(0), "");
    EXPECT_STREQ(names.GetOldMonthName(13), "");
    EXPECT_STREQ(names.GetOldMonthReading(-1), "");
}

TEST(SexagenaryNames, CycleOfAYearAndNameOfAnIndexOrAYear) {
    const CSexagenaryNames names;
    EXPECT_EQ(names.GetYearCycle(1644), 20);
    EXPECT_EQ(names.GetYearCycle(1694), 10);
    EXPECT_EQ(names.GetYearCycle(593), 49);
    for (int y : {4, 1624, 1684, 1744}) EXPECT_EQ(names.GetYearCycle(y), 0) << y;
    EXPECT_EQ(names.GetYearCycle(3), 59);
    EXPECT_STREQ(names.GetCycleName(names.GetYearCycle(1694)), "甲戌");
    EXPECT_STREQ(names.GetCycleName(names.GetYearCycle(593)), "癸丑");

    EXPECT_STREQ(names.GetCycleName(1644), "甲申");  // a year
    EXPECT_STREQ(names.GetCycleName(20), "甲申");    // an index
    EXPECT_STREQ(names.GetCycleName(59), "癸亥");    // an index, not the year 59
    EXPECT_STREQ(names.GetCycleName(60), "庚申");    // the year 60
    EXPECT_STREQ(names.GetCycleName(-1), "");
    EXPECT_STREQ(names.GetCycleName(-2147483647 - 1), "");
    EXPECT_STREQ(names.GetCycleReading(0), "きのえ・ね");
    EXPECT_STREQ(names.GetCycleReading(59), "みずのと・い");
    EXPECT_STREQ(names.GetCycleReading(60), "");
    EXPECT_STREQ(names.GetCycleReading(-1), "");
}

TEST(SexagenaryNames, EveryEntryIsItsStemAndBranch) {
    // Entry i pairs the stem of entry i mod 10 with the branch of entry
    // i mod 12, in the names and in the readings alike; no two are the same.
    const CSexagenaryNames names;
    std::set<std::string> seen;
    for (int i = 0; i < 60; ++i) {
        SCOPED_TRACE(i);
        const std::string name = names.GetCycleName(i);
        ASSERT_EQ(name.size(), 4u);
        EXPECT_EQ(name.substr(0, 2), std::string(names.GetCycleName(i % 10)).substr(0, 2));
        EXPECT_EQ(name.substr(2), std::string(names.GetCycleName(i % 12)).substr(2));
        EXPECT_TRUE(seen.insert(name).second);

        const std::string reading = names.GetCycleReading(i);
        const std::string stemReading = names.GetCycleReading(i % 10);
        const std::string branchReading = names.GetCycleReading(i % 12);
        const std::size_t dot = reading.find("・");
        ASSERT_NE(dot, std::string::npos);
        EXPECT_EQ(reading.substr(0, dot), stemReading.substr(0, stemReading.find("・")));
        EXPECT_EQ(reading.substr(dot), branchReading.substr(branchReading.find("・")));
        EXPECT_LE(reading.size(), 24u);
    }
}

}  // namespace
