#pragma once
// A day of the old calendar by its regular month number and a leap flag:
// 閏5月 is month 5 with leap set. The year is the Western year number the
// old-calendar table gives the year.

struct OldDate {
    int year;
    int month;  // 1..12
    bool leap;  // the leap month that follows month
    int day;    // 1..30

    friend bool operator==(const OldDate&, const OldDate&) = default;
};
