// The date converter's decisions: conversions both ways over the whole
// old-calendar table, the rows it shows for a day, and the messages for
// input that names no day.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "RecordedMessages.h"
#include "calendar/CalendarNames.h"
#include "calendar/DateConverter.h"
#include "calendar/DayCount.h"
#include "calendar/OldCalendarDays.h"

namespace {

// Julian day numbers by the Fliegel-Van Flandern formulas, an independent
// count for the fixed days of calendar/DayCount.h (JDN = fixed + 1721425).
long long JdnGregorian(long long y, long long m, long long d) {
    const long long a = (14 - m) / 12, y2 = y + 4800 - a, m2 = m + 12 * a - 3;
    return d + (153 * m2 + 2) / 5 + 365 * y2 + y2 / 4 - y2 / 100 + y2 / 400 - 32045;
}
long long JdnJulian(long long y, long long m, long long d) {
    const long long a = (14 - m) / 12, y2 = y + 4800 - a, m2 = m + 12 * a - 3;
    return d + (153 * m2 + 2) / 5 + 365 * y2 + y2 / 4 - 32083;
}
constexpr long long kJdnOfFixedZero = 1721425;

class DateConverterTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_converter = new CDateConverter(); }
    static void TearDownTestSuite() { delete s_converter; }
    void SetUp() override { ASSERT_TRUE(C().ShowDay(CDayCount::FromGregorian(1689, 5, 16))); }

    static CDateConverter& C() { return *s_converter; }

    static bool Old(const std::string& era, const std::string& year, const std::string& month, const std::string& day,
                    bool leap = false) {
        return C().ConvertOld(CDateConverter::OldFields{era, year, month, leap, day});
    }
    static bool Western(int year, int month, int day, bool julian = false) {
        return C().ConvertWestern(CDateConverter::WesternFields{std::to_string(year), std::to_string(month),
                                                                std::to_string(day), julian});
    }
    static std::string Value(int row) { return C().GetValue(row); }

    // Everything the window shows, to see that a failed conversion left it.
    struct Shown {
        long long day;
        std::string rows;
        CDateConverter::OldFields old;
        CDateConverter::WesternFields western;
        bool operator==(const Shown&) const = default;
    };
    static Shown Now() {
        Shown s{C().GetDay(), "", C().GetOldFields(), C().GetWesternFields()};
        for (int row = 0; row < CDateConverter::kRowCount; ++row) s.rows += C().GetLabel(row) + "=" + Value(row) + ";";
        return s;
    }

private:
    static inline CDateConverter* s_converter = nullptr;
};

}  // namespace

TEST(DayCount, GregorianAndJulianAgreeWithJulianDayNumbers) {
    EXPECT_EQ(CDayCount::FromGregorian(1582, 10, 15), CDayCount::kGregorianReform);
    EXPECT_EQ(CDayCount::FromJulian(1582, 10, 5), CDayCount::kGregorianReform);
    EXPECT_EQ(CDayCount::ToJulian(CDayCount::FromGregorian(593, 2, 9)), (WesternDate{593, 2, 7}));
    EXPECT_EQ(CDayCount::ToJulian(CDayCount::FromGregorian(1694, 11, 28)), (WesternDate{1694, 11, 18}));
    const CCalendarNames names;
    for (long long fixed = CDayCount::FromGregorian(500, 1, 1); fixed <= CDayCount::FromGregorian(2100, 12, 31);
         ++fixed) {
        const WesternDate g = CDayCount::ToGregorian(fixed);
        const WesternDate j = CDayCount::ToJulian(fixed);
        ASSERT_EQ(JdnGregorian(g.year, g.month, g.day), fixed + kJdnOfFixedZero) << fixed;
        ASSERT_EQ(JdnJulian(j.year, j.month, j.day), fixed + kJdnOfFixedZero) << fixed;
        ASSERT_EQ(CDayCount::FromGregorian(g), fixed);
        ASSERT_EQ(CDayCount::FromJulian(j.year, j.month, j.day), fixed);
        ASSERT_LE(g.day, CDayCount::GregorianMonthDays(g.year, g.month));
        ASSERT_LE(j.day, CDayCount::JulianMonthDays(j.year, j.month));
    }
    EXPECT_EQ(CDayCount::GregorianMonthDays(1700, 2), 28);
    EXPECT_EQ(CDayCount::JulianMonthDays(1700, 2), 29);
    EXPECT_EQ(CDayCount::GregorianMonthDays(2000, 2), 29);
    EXPECT_EQ(CDayCount::GregorianMonthDays(2000, 13), 0);
}

// Every first day of a month from 593 to 2051 converts to the Western date
// the old-calendar table gives it, back to itself, and again from the era
// and year the converter filled in.
TEST_F(DateConverterTest, EveryFirstDayOfAMonthBothWaysAndBack) {
    RecordedMessages messages;
    const COldCalendarDays& days = C().GetDays();
    const COldCalendarTable& table = days.GetTable();
    int months = 0;
    for (int year = COldCalendarTable::kFirstYear; year <= COldCalendarTable::kLastYear; ++year) {
        const int leapMonth = days.GetLeapMonth(year);
        for (int position = 1; position <= (leapMonth ? 13 : 12); ++position) {
            const bool leap = leapMonth != 0 && position == leapMonth + 1;
            const int month = leapMonth != 0 && position > leapMonth ? position - 1 : position;
            SCOPED_TRACE(testing::Message() << year << "/" << (leap ? "leap " : "") << month);
            const OldDate old{year, month, leap, 1};
            ASSERT_TRUE(Old("西暦", std::to_string(year), std::to_string(month), "1", leap)) << C().GetMessage();
            const WesternDate western = C().GetWesternDate();
            ASSERT_EQ(western, table.ToWestern(year, position, 1));
            const CDateConverter::OldFields filled = C().GetOldFields();

            ASSERT_TRUE(Western(western.year, western.month, western.day)) << C().GetMessage();
            ASSERT_EQ(C().GetOldDate(), old);
            ASSERT_EQ(C().ConvertOld(filled), true) << C().GetMessage() << " " << filled.era << " " << filled.year;
            ASSERT_EQ(C().GetWesternDate(), western);
            ++months;
        }
    }
    EXPECT_EQ(months, 1459 * 12 + 537);
    EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(DateConverterTest, ThePoetsDeathDayAndTheNorthernJourney) {
    ASSERT_TRUE(Old("元禄", "7", "10", "12"));
    EXPECT_EQ(C().GetWesternDate(), (WesternDate{1694, 11, 28}));
    EXPECT_EQ(Value(CDateConverter::kRowOld), "元禄7年10月12日");
    EXPECT_EQ(Value(CDateConverter::kRowWestern), "1694年11月28日(日曜日)");
    EXPECT_EQ(Value(CDateConverter::kRowJulian), "");
    EXPECT_EQ(Value(CDateConverter::kRowDayCycle), "丙午(ひのえ・うま)");
    EXPECT_EQ(Value(CDateConverter::kRowYearCycle), "甲戌(きのえ・いぬ)");
    EXPECT_EQ(Value(CDateConverter::kRowAge), "数え年51歳");
    EXPECT_EQ(C().GetCalendarYear(), 1694);
    EXPECT_EQ(C().GetWesternFields(), (CDateConverter::WesternFields{"1694", "11", "28", false}));
    // The window lists the rows that apply.
    const auto shown = C().GetShownRows();
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[1], (std::pair<std::string, std::string>{"西暦", "1694年11月28日(日曜日)"}));
    EXPECT_EQ(shown[4].first, "キロノ");

    ASSERT_TRUE(Old("元禄 1688", "2", "3", "27"));
    EXPECT_EQ(C().GetWesternDate(), (WesternDate{1689, 5, 16}));
    EXPECT_EQ(Value(CDateConverter::kRowWestern), "1689年5月16日(月曜日)");
    EXPECT_EQ(Value(CDateConverter::kRowDayCycle), "甲子(きのえ・ね)");
    EXPECT_EQ(Value(CDateConverter::kRowYearCycle), "己巳(つちのと・み)");
    EXPECT_EQ(Value(CDateConverter::kRowAge), "数え年46歳");
    EXPECT_EQ(C().GetOldFields(), (CDateConverter::OldFields{"元禄 1688", "2", "3", false, "27"}));

    // The day after the death day has no age; the calendar hall still lists the year.
    ASSERT_TRUE(Old("元禄", "7", "10", "13"));
    EXPECT_EQ(C().GetLabel(CDateConverter::kRowAge), "");
    EXPECT_EQ(C().GetCalendarYear(), 1694);
    // The first day of 1644 (寛永21年) is age 1; 1643 has none and is not listed.
    ASSERT_TRUE(Old("西暦", "1644", "1", "1"));
    EXPECT_EQ(Value(CDateConverter::kRowOld), "寛永21年1月1日");
    EXPECT_EQ(Value(CDateConverter::kRowAge), "数え年1歳");
    EXPECT_EQ(C().GetCalendarYear(), 1644);
    ASSERT_TRUE(Old("寛永", "20", "12", "29"));
    EXPECT_EQ(Value(CDateConverter::kRowAge), "");
    EXPECT_EQ(C().GetCalendarYear(), 0);
}

TEST_F(DateConverterTest, TheEraInForceByTheDay) {
    ASSERT_TRUE(Western(1688, 10, 22));
    EXPECT_EQ(Value(CDateConverter::kRowOld), "貞享5年9月29日");
    EXPECT_EQ(C().GetOldFields().era, "貞享 1684");
    ASSERT_TRUE(Western(1688, 10, 23));
    EXPECT_EQ(Value(CDateConverter::kRowOld), "元禄元年9月30日");
    // Both courts: the main line is the southern court's.
    ASSERT_TRUE(Old("観応", "元", "3", "1"));
    EXPECT_EQ(Value(CDateConverter::kRowOld), "正平5年3月1日(南朝)");
    EXPECT_EQ(C().GetLabel(CDateConverter::kRowSecond), "北朝");
    EXPECT_EQ(Value(CDateConverter::kRowSecond), "観応元年3月1日");
    EXPECT_EQ(C().GetOldFields().era, "正平 1346");
    ASSERT_TRUE(Old("明徳", "3", "10", "5", true));
    EXPECT_EQ(Value(CDateConverter::kRowOld), "明徳3年閏10月5日");
    EXPECT_EQ(C().GetLabel(CDateConverter::kRowSecond), "");
    // From 1873 the old date is given by its year number, the era by the Western date.
    ASSERT_TRUE(Western(2019, 5, 1));
    EXPECT_EQ(Value(CDateConverter::kRowOld), "2019年3月27日");
    EXPECT_EQ(C().GetLabel(CDateConverter::kRowSecond), "和暦");
    EXPECT_EQ(Value(CDateConverter::kRowSecond), "令和元年5月1日");
    EXPECT_EQ(C().GetOldFields(), (CDateConverter::OldFields{"令和 2019", "1", "3", false, "27"}));
    ASSERT_TRUE(Western(2019, 4, 30));
    EXPECT_EQ(Value(CDateConverter::kRowSecond), "平成31年4月30日");
    // 平成 began in the last month of the old year 1988: no 平成 year counts
    // that old year, so the fields give it as a Western year number.
    ASSERT_TRUE(Western(1989, 1, 8));
    EXPECT_EQ(Value(CDateConverter::kRowSecond), "平成元年1月8日");
    EXPECT_EQ(C().GetOldFields().era, "西暦");
    EXPECT_EQ(C().GetOldFields().year, "1988");
    ASSERT_TRUE(C().ConvertOld(C().GetOldFields()));
    EXPECT_EQ(C().GetWesternDate(), (WesternDate{1989, 1, 8}));
}

TEST_F(DateConverterTest, TheJulianDateUpToTheReform) {
    ASSERT_TRUE(Western(1582, 10, 14));
    EXPECT_EQ(C().GetLabel(CDateConverter::kRowJulian), "ユリウス暦");
    EXPECT_EQ(Value(CDateConverter::kRowJulian), "1582年10月4日");
    ASSERT_TRUE(Western(1582, 10, 15));
    EXPECT_EQ(C().GetLabel(CDateConverter::kRowJulian), "");
    // A Julian date in, Julian fields back.
    ASSERT_TRUE(Western(1582, 10, 4, true));
    EXPECT_EQ(C().GetWesternDate(), (WesternDate{1582, 10, 14}));
    EXPECT_EQ(C().GetWesternFields(), (CDateConverter::WesternFields{"1582", "10", "4", true}));
    // 1500 is a Julian leap year, not a Gregorian one.
    EXPECT_TRUE(Western(1500, 2, 29, true));
    EXPECT_FALSE(Western(1500, 2, 29));
    EXPECT_EQ(C().GetMessage(), "1500年2月は28日までです。");
}

TEST_F(DateConverterTest, TypedNamesSpellingsAndDigits) {
    ASSERT_TRUE(Old("  享保 ", "元", "６", "２２"));
    const long long day = C().GetDay();
    EXPECT_EQ(Value(CDateConverter::kRowOld), "享保元年6月22日");
    ASSERT_TRUE(Old("亨保", "1", "6", "22"));  // the old-calendar table's spelling
    EXPECT_EQ(C().GetDay(), day);
    ASSERT_TRUE(Old("享保（1716）", "1", "6", "22"));
    EXPECT_EQ(C().GetDay(), day);
    ASSERT_TRUE(Old("暦応 1338 北朝", "1", "8", "28"));
    EXPECT_EQ(Value(CDateConverter::kRowSecond), "暦応元年8月28日");
    EXPECT_EQ(Value(CDateConverter::kRowOld), "延元3年8月28日(南朝)");

    const auto& items = C().GetEraItems();
    ASSERT_EQ(static_cast<int>(items.size()), C().GetEras().GetEraCount() + 1);
    EXPECT_EQ(items.front(), "西暦");
    EXPECT_EQ(items[1], "推古 593");
    EXPECT_EQ(items.back(), "令和 2019");
    EXPECT_NE(std::find(items.begin(), items.end(), "暦応 1338 北朝"), items.end());
    EXPECT_NE(std::find(items.begin(), items.end(), "元禄 1688"), items.end());
}

// Input that names no day: a message says why, and nothing else changes.
TEST_F(DateConverterTest, InputThatNamesNoDayOnlyGivesAMessage) {
    struct Case {
        CDateConverter::OldFields fields;
        const char* message;
    };
    const Case cases[] = {
        {{"元禄", "7", "11", false, "30"}, "元禄7年11月は29日までです。"},
        {{"元禄", "7", "5", true, "30"}, "元禄7年閏5月は29日までです。"},
        {{"元禄", "7", "4", true, "1"}, "元禄7年に閏4月はありません(この年の閏月は閏5月です)。"},
        {{"西暦", "1690", "1", true, "1"}, "1690年に閏月はありません。"},
        {{"元禄", "18", "1", false, "1"}, "元禄は17年までです。"},
        {{"元禄", "1", "9", false, "29"}, "元禄は元禄元年9月30日からです。"},
        {{"元禄", "17", "3", false, "13"}, "元禄は元禄17年3月12日までです。"},
        {{"令和", "1", "1", false, "1"}, "令和は西暦2019年5月1日からです。"},
        {{"明治", "45", "7", false, "1"}, "明治は西暦1912年7月29日までです。"},
        {{"西暦", "592", "12", false, "1"}, "旧暦は593年から2051年までです。"},
        {{"令和", "34", "1", false, "1"}, "旧暦は593年から2051年までです。"},
        {{"白鳳", "1", "1", false, "1"}, "「白鳳」は元号の一覧にありません。"},
        {{"", "1", "1", false, "1"}, "元号を選ぶか入れてください(年を西暦で入れるときは「西暦」)。"},
        {{"元禄", "七", "1", false, "1"}, "年を数字で入れてください。"},
        {{"元禄", "0", "1", false, "1"}, "年を数字で入れてください。"},
        {{"元禄", "7", "13", false, "1"}, "月は1から12の数字で入れてください。"},
        {{"元禄", "7", "1", false, ""}, "日を数字で入れてください。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const Shown before = Now();
        EXPECT_FALSE(C().ConvertOld(c.fields));
        EXPECT_EQ(C().GetMessage(), c.message);
        EXPECT_TRUE(Now() == before);
    }

    struct WesternCase {
        CDateConverter::WesternFields fields;
        const char* message;
    };
    const WesternCase westernCases[] = {
        {{"593", "2", "8", false}, "換算できるのは西暦593年2月9日から2052年1月31日までです。"},
        {{"2052", "2", "1", false}, "換算できるのは西暦593年2月9日から2052年1月31日までです。"},
        {{"593", "2", "6", true}, "換算できるのは西暦593年2月7日から2052年1月18日までです。"},
        {{"1582", "10", "5", true}, "ユリウス暦で入れられるのは1582年10月4日までです。"},
        {{"1700", "2", "29", false}, "1700年2月は28日までです。"},
        {{"1700", "4", "31", false}, "1700年4月は30日までです。"},
        {{"1700", "0", "1", false}, "月は1から12の数字で入れてください。"},
        {{"1700", "1", "x", false}, "日を数字で入れてください。"},
        {{"", "1", "1", false}, "年を数字で入れてください。"},
    };
    for (const WesternCase& c : westernCases) {
        SCOPED_TRACE(c.message);
        const Shown before = Now();
        EXPECT_FALSE(C().ConvertWestern(c.fields));
        EXPECT_EQ(C().GetMessage(), c.message);
        EXPECT_TRUE(Now() == before);
    }
    // A conversion that names a day clears the message.
    EXPECT_TRUE(Western(1700, 2, 28));
    EXPECT_EQ(C().GetMessage(), "");
    EXPECT_FALSE(C().ShowDay(C().GetDays().GetLastDay() + 1));
    EXPECT_EQ(C().GetWesternDate(), (WesternDate{1700, 2, 28}));
}
