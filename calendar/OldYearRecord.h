#pragma once
// The old-calendar data of one year: month sizes, leap month and era.

struct OldYearRecord {
    // Entry 0: 1 if the year has a leap month. Entries 1 to 12 (1 to 13 with a
    // leap month): 1 = big month, 0 = small month, in calendar order with the
    // leap month at its own position.
    char monthSizes[14];
    int leapPresent;   // 1 if the year has a leap month, else 0
    int leapPosition;  // month position 1..13 of the leap month, 0 = none
    int daysInYear;
    int eraYear;       // 1 for the first year of an era
    char eraName[12];  // Shift-JIS, NUL-terminated
};
