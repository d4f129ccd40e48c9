#pragma once
// A Western (proleptic Gregorian) date. All zeros is no date: that is what a
// conversion of a year outside the old-calendar table returns.

struct WesternDate {
    int year;
    int month;  // 1..12
    int day;    // 1..31

    friend bool operator==(const WesternDate&, const WesternDate&) = default;
};
