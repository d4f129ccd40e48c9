#pragma once
// The old Japanese lunisolar calendar of the Western years 593 to 2051: month
// sizes, leap months, days and era of every year, and the conversions of an
// old-calendar day to its Western date and its sexagenary day cycle.
//
// Every operation first checks the year; a year outside 593..2051 shows the
// message "<year>年の旧暦は計算できません.<operation code>" and the operation
// returns its failure value: -1, an empty era name, or a WesternDate of
// zeros. A month position outside the year's months (1..12, or 1..13 in a
// year with a leap month) fails the same way without a message.
#include "calendar/CalendarNames.h"
#include "calendar/OldYearRecord.h"
#include "calendar/WesternDate.h"

class COldCalendarTable {
public:
    static constexpr int kFirstYear = 593;
    static constexpr int kLastYear = 2051;
    static constexpr int kYearCount = kLastYear - kFirstYear + 1;  // 1459

    // Operation codes shown in the out-of-range message.
    enum : int {
        kOpSetYear = 3,
        kOpGetEraName = 4,
        kOpGetEraYear = 5,
        kOpToWestern = 7,
        kOpGetLeapPosition = 10,
        kOpGetMonthDays = 11,
        kOpGetDayCycle = 13,
    };

    // Fills every year from the compiled month data.
    COldCalendarTable();

    // 0 for a year of the table; otherwise shows the message with the year and
    // code and returns -1.
    int CheckYear(int year, int code) const;

    // Fills the record of a year: the size flags of regular months 1..12
    // (1 = big, 0 = small), the regular month the leap month follows (0 =
    // none) with the leap month's size flag, and the era. Nothing is stored
    // for a year outside the table.
    void SetYear(int year, int flag1, int flag2, int flag3, int flag4, int flag5, int flag6,
                 int flag7, int flag8, int flag9, int flag10, int flag11, int flag12,
                 int leapAfter, int leapFlag, const char* eraName, int eraYear);

    // The era name (Shift-JIS); empty text for a year outside the table.
    const char* GetEraName(int year) const;
    int GetEraYear(int year) const;
    // Month position 1..13 of the leap month, 0 if the year has none.
    int GetLeapPosition(int year) const;
    // 30 or 29.
    int GetMonthDays(int year, int position) const;
    // The Western date of an old-calendar day (the year may be one more than
    // the old year, up to 2052); all zeros on failure.
    WesternDate ToWestern(int year, int position, int day) const;
    // Sexagenary-cycle index 0..59 of an old-calendar day.
    int GetDayCycle(int year, int position, int day) const;

    // The record of a year (for inspection); nullptr outside the table.
    const OldYearRecord* GetRecord(int year) const;

private:
    // Day number of an old-calendar day, 1 for the first day of 593; -1 when
    // the position lies outside the year's months. The year must be checked.
    long long DayNumber(int year, int position, int day) const;
    int MonthCount(const OldYearRecord& record) const { return record.leapPresent ? 13 : 12; }

    int m_firstYear;
    int m_bigMonthDays;
    char m_bigLabel[3];
    char m_bigLeapLabel[5];
    int m_smallMonthDays;
    char m_smallLabel[3];
    char m_smallLeapLabel[5];
    OldYearRecord m_years[kYearCount];
    CCalendarNames m_names;
};
