#pragma once
// Day numbers for the Western calendars: a "fixed" day number counts days
// from 1 January of year 1 in the proleptic Gregorian calendar (day 1), as
// Reingold and Dershowitz do in Calendrical Calculations. Both the
// Gregorian and the Julian calendar are proleptic: their rules run back
// unchanged before 1582.
#include "calendar/WesternDate.h"

class CDayCount {
public:
    // The first Gregorian day, 1582-10-15 (Julian 1582-10-05).
    static constexpr long long kGregorianReform = 577736;

    static bool IsGregorianLeapYear(int year);
    static bool IsJulianLeapYear(int year);
    // 28..31; 0 for a month outside 1..12.
    static int GregorianMonthDays(int year, int month);
    static int JulianMonthDays(int year, int month);

    // The fixed day of a date. The date must be valid in its calendar.
    static long long FromGregorian(int year, int month, int day);
    static long long FromGregorian(const WesternDate& date) {
        return FromGregorian(date.year, date.month, date.day);
    }
    static long long FromJulian(int year, int month, int day);

    static WesternDate ToGregorian(long long fixed);
    static WesternDate ToJulian(long long fixed);
};
