#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "calendar/CalendarYearRows.h"
#include "platform/MessageBox.h"

namespace {

using Col = CCalendarYearRows::Column;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's
// days_from_civil), kept apart from the table's own arithmetic.
long long DaysFromCivil(long long y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

int Number(const char* cell) { return std::atoi(cell); }

// The sixty cycle names built from stems and branches here, not taken from
// the names object.
std::vector<std::string> CycleNames() {
    const char* stems[10] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
    const char* branches[12] = {"子", "丑", "寅", "卯", "辰", "巳",
                                "午", "未", "申", "酉", "戌", "亥"};
    std::vector<std::string> names;
    for (int i = 0; i < 60; ++i) names.push_back(std::string(stems[i % 10]) + branches[i % 12]);
    return names;
}

int CycleIndex(const std::vector<std::string>& names, const char* cell) {
    for (int i = 0; i < 60; ++i)
        if (names[i] == cell) return i;
    return -1;
}

int WeekdayIndex(const char* cell) {
    const char* days[7] = {"日", "月", "火", "水", "木", "金", "土"};
    for (int i = 0; i < 7; ++i)
        if (std::string(days[i]) == cell) return i;
    return -1;
}

class CalendarYearRowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = platform::SetMessageBoxHandler([this](const std::string& text, const std::string&) {
            messages_.push_back(text);
            return platform::kIdOk;
        });
    }
    void TearDown() override { platform::SetMessageBoxHandler(previous_); }

    std::unique_ptr<CCalendarYearRows> rows_ = std::make_unique<CCalendarYearRows>();
    std::vector<std::string> messages_;
    platform::MessageBoxHandler previous_;
};

TEST_F(CalendarYearRowsTest, MonthLabelsCountRegularMonthsAndNameTheLeapMonthByItsPredecessor) {
    struct Case {
        int year;
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        {1644, {" 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8", " 9", "10", "11", "12"}},
        {1694, {" 1", " 2", " 3", " 4", " 5", "閏 5", " 6", " 7", " 8", " 9", "10", "11", "12"}},
        {1689, {" 1", "閏 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8", " 9", "10", "11", "12"}},
        {1658, {" 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8", " 9", "10", "11", "12", "閏12"}},
    };
    for (const Case& c : cases) {
        ASSERT_GT(rows_->Fill(c.year), 0);
        std::vector<std::string> labels;
        int expectedDay = 0;
        for (int r = 0; r < rows_->GetRowCount(); ++r) {
            const std::string label = rows_->GetCell(r, Col::kOldMonth);
            const int day = Number(rows_->GetCell(r, Col::kOldDay));
            if (!label.empty()) {
                labels.push_back(label);
                // A month starts at day 1 after a month of 29 or 30 days.
                EXPECT_EQ(day, 1) << c.year << " row " << r + 1;
                if (r > 0) {
                    EXPECT_TRUE(expectedDay == 30 || expectedDay == 31) << c.year << " row " << r + 1;
                }
                expectedDay = 1;
            } else {
                EXPECT_EQ(day, expectedDay) << c.year << " row " << r + 1;
            }
            ++expectedDay;
        }
        EXPECT_EQ(labels, c.labels) << c.year;
    }
}

// For every year the list can show, each row's Western date is the day after
// the previous row's (also across years); the year and month cells are set on
// the first day of each old month and whenever they change, and only then;
// the weekday and the day's cycle name step on by one a day.
TEST_F(CalendarYearRowsTest, WesternDatesRunOnDayByDayAcrossTheWholeRange) {
    const std::vector<std::string> cycles = CycleNames();
    long long previousDay = DaysFromCivil(1644, 2, 8) - 1;
    int previousWeekday = -1;
    int previousCycle = -1;
    for (int year = 1644; year <= 1694; ++year) {
        const int count = rows_->Fill(year);
        ASSERT_GE(count, 353) << year;
        ASSERT_LE(count, 385) << year;
        int shownYear = 0, shownMonth = 0;
        for (int r = 0; r < count; ++r) {
            const bool monthStart = *rows_->GetCell(r, Col::kOldMonth) != '\0';
            const char* yearCell = rows_->GetCell(r, Col::kWesternYear);
            const char* monthCell = rows_->GetCell(r, Col::kWesternMonth);
            if (monthStart) {
                ASSERT_NE(*yearCell, '\0') << year << " row " << r + 1;
                ASSERT_NE(*monthCell, '\0') << year << " row " << r + 1;
            }
            const int y = *yearCell ? Number(yearCell) : shownYear;
            const int m = *monthCell ? Number(monthCell) : shownMonth;
            const int d = Number(rows_->GetCell(r, Col::kWesternDay));
            const long long day = DaysFromCivil(y, m, d);
            ASSERT_EQ(day, previousDay + 1) << year << " row " << r + 1 << ": " << y << "-" << m << "-" << d;
            // A year or month cell is only ever set at a month start or a change.
            if (*yearCell && !monthStart) {
                EXPECT_NE(y, shownYear) << year << " row " << r + 1;
            }
            if (*monthCell && !monthStart) {
                EXPECT_NE(m, shownMonth) << year << " row " << r + 1;
            }
            const int weekday = WeekdayIndex(rows_->GetCell(r, Col::kWeekday));
            const int cycle = CycleIndex(cycles, rows_->GetCell(r, Col::kDayCycle));
            ASSERT_GE(weekday, 0);
            ASSERT_GE(cycle, 0);
            if (previousWeekday >= 0) {
                EXPECT_EQ(weekday, (previousWeekday + 1) % 7) << year << " row " << r + 1;
                EXPECT_EQ(cycle, (previousCycle + 1) % 60) << year << " row " << r + 1;
            }
            // 1970-01-01 was a Thursday.
            EXPECT_EQ(weekday, static_cast<int>(((day % 7) + 7 + 4) % 7)) << year << " row " << r + 1;
            previousDay = day;
            previousWeekday = weekday;
            previousCycle = cycle;
            shownYear = y;
            shownMonth = m;
        }
    }
    EXPECT_TRUE(messages_.empty());
}

TEST_F(CalendarYearRowsTest, RefillingReplacesEveryRow) {
    CCalendarYearRows fresh;
    ASSERT_EQ(fresh.Fill(1644), 355);
    ASSERT_EQ(rows_->Fill(1694), 384);
    ASSERT_EQ(rows_->Fill(1644), 355);
    for (int r = 0; r < 355; ++r)
        for (int c = 0; c < CCalendarYearRows::kColumnCount; ++c)
            ASSERT_STREQ(rows_->GetCell(r, c), fresh.GetCell(r, c)) << r << "," << c;
    EXPECT_STREQ(rows_->GetCell(355, 0), "");
    EXPECT_STREQ(rows_->GetCell(383, 1), "");
    EXPECT_STREQ(rows_->GetCell(-1, 1), "");
    EXPECT_STREQ(rows_->GetCell(0, 7), "");
}

TEST_F(CalendarYearRowsTest, YearOutsideTheTableIsReportedAndLeavesNoRows) {
    ASSERT_EQ(rows_->Fill(1644), 355);
    EXPECT_EQ(rows_->Fill(2052), -1);
    EXPECT_EQ(rows_->GetRowCount(), 0);
    EXPECT_STREQ(rows_->GetCaption(), "");
    EXPECT_STREQ(rows_->GetCell(0, 1), "");
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], "2052年の旧暦は計算できません.10");
    // The first and last years of the table fill, the last running into 2052.
    EXPECT_GT(rows_->Fill(593), 0);
    EXPECT_STREQ(rows_->GetCell(0, Col::kWesternYear), " 593");
    EXPECT_GT(rows_->Fill(2051), 0);
    bool reaches2052 = false;
    for (int r = 0; r < rows_->GetRowCount(); ++r)
        reaches2052 = reaches2052 || std::string(rows_->GetCell(r, Col::kWesternYear)) == "2052";
    EXPECT_TRUE(reaches2052);
    EXPECT_EQ(messages_.size(), 1u);
}

}  // namespace
