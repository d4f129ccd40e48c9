#pragma once
// The days of the old-calendar table (593..2051) on the fixed day count of
// calendar/DayCount.h: an old date to its fixed day and back, with the
// checks that say why an old date does not exist. Built once from a
// COldCalendarTable of its own; the table's year records give the month
// sizes, its ToWestern the first day.
#include <memory>
#include <vector>

#include "calendar/OldCalendarTable.h"
#include "calendar/OldDate.h"

class COldCalendarDays {
public:
    // Why an old date does not exist.
    enum class Check {
        Ok,
        YearOutOfRange,  // outside 593..2051
        MonthOutOfRange, // outside 1..12
        NoSuchLeapMonth, // the year has no leap month after that month
        DayOutOfRange,   // below 1 or past the month's last day
    };

    COldCalendarDays();
    ~COldCalendarDays();

    const COldCalendarTable& GetTable() const { return *m_table; }

    // The first and the last day of the table (old 593/1/1 and 2051/12/30).
    long long GetFirstDay() const { return m_yearStart.front(); }
    long long GetLastDay() const { return m_yearStart.back() - 1; }

    // The regular month the year's leap month follows, 0 if none; -1 for a
    // year outside the table.
    int GetLeapMonth(int year) const;
    // Month position 1..13 in the year (as COldCalendarTable counts), 0 when
    // the year has no such month.
    int GetPosition(int year, int month, bool leap) const;
    // 29 or 30; 0 when the month does not exist.
    int GetMonthDays(int year, int month, bool leap) const;

    Check Validate(const OldDate& date) const;
    // The fixed day of a valid old date; -1 for one that does not exist.
    long long ToFixed(const OldDate& date) const;
    // The old date of a fixed day of the table's range (GetFirstDay ..
    // GetLastDay); all zeros outside it.
    OldDate FromFixed(long long fixed) const;

private:
    std::unique_ptr<COldCalendarTable> m_table;
    // Fixed day of the first day of each year, and one past the last year.
    std::vector<long long> m_yearStart;
};
