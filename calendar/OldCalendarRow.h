#pragma once
// One compiled row of the old-calendar month data: the arguments of one
// COldCalendarTable::SetYear call. The rows are generated at build time from
// calendar/old-calendar.tsv (see cmake/GenerateOldCalendarRows.cmake), one
// per year from 593 to 2051 in increasing order.

struct OldCalendarRow {
    int year;
    signed char flags[12];  // regular months 1..12: 1 = big month, 0 = small month
    signed char leapAfter;  // the regular month the leap month follows, 0 = none
    signed char leapFlag;   // size flag of the leap month (ignored when leapAfter is 0)
    const char* eraName;    // Shift-JIS
    int eraYear;
};

constexpr int kOldCalendarRowCount = 1459;
extern const OldCalendarRow kOldCalendarRows[kOldCalendarRowCount];
