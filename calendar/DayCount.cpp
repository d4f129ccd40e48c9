#include "calendar/DayCount.h"

// The conversions follow E. M. Reingold and N. Dershowitz, Calendrical
// Calculations (3rd ed., Cambridge University Press 2008), chapter 2
// (fixed-from-gregorian, gregorian-year-from-fixed, gregorian-from-fixed)
// and chapter 3 (fixed-from-julian, julian-from-fixed). Year 0 does not
// occur here: the program's days begin in 593.

namespace {

constexpr long long kGregorianEpoch = 1;   // fixed day of Gregorian 0001-01-01
constexpr long long kJulianEpoch = -1;     // fixed day of Julian 0001-01-01 (Gregorian 0000-12-30)

long long FloorDiv(long long a, long long b) {
    const long long q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

long long FloorMod(long long a, long long b) { return a - b * FloorDiv(a, b); }

// The days before the month in a year whose March has index 3 and whose
// February is taken as 30 days; the correction brings February right.
long long MonthOffset(int month) { return FloorDiv(367LL * month - 362, 12); }

}  // namespace

bool CDayCount::IsGregorianLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool CDayCount::IsJulianLeapYear(int year) { return FloorMod(year, 4) == (year > 0 ? 0 : 3); }

namespace {

int MonthDays(int month, bool leap) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

int CDayCount::GregorianMonthDays(int year, int month) {
    return MonthDays(month, IsGregorianLeapYear(year));
}

int CDayCount::JulianMonthDays(int year, int month) { return MonthDays(month, IsJulianLeapYear(year)); }

long long CDayCount::FromGregorian(int year, int month, int day) {
    const long long y = year - 1LL;
    const int correction = month <= 2 ? 0 : IsGregorianLeapYear(year) ? -1 : -2;
    return kGregorianEpoch - 1 + 365 * y + FloorDiv(y, 4) - FloorDiv(y, 100) + FloorDiv(y, 400) +
           MonthOffset(month) + correction + day;
}

long long CDayCount::FromJulian(int year, int month, int day) {
    const long long y = year < 0 ? year + 1LL : year;
    const int correction = month <= 2 ? 0 : IsJulianLeapYear(year) ? -1 : -2;
    return kJulianEpoch - 1 + 365 * (y - 1) + FloorDiv(y - 1, 4) + MonthOffset(month) + correction + day;
}

WesternDate CDayCount::ToGregorian(long long fixed) {
    // gregorian-year-from-fixed: whole 400-, 100-, 4- and 1-year cycles.
    const long long d0 = fixed - kGregorianEpoch;
    const long long n400 = FloorDiv(d0, 146097);
    const long long d1 = FloorMod(d0, 146097);
    const long long n100 = FloorDiv(d1, 36524);
    const long long d2 = FloorMod(d1, 36524);
    const long long n4 = FloorDiv(d2, 1461);
    const long long d3 = FloorMod(d2, 1461);
    const long long n1 = FloorDiv(d3, 365);
    long long year = 400 * n400 + 100 * n100 + 4 * n4 + n1;
    if (n100 != 4 && n1 != 4) ++year;
    const int y = static_cast<int>(year);

    const long long prior = fixed - FromGregorian(y, 1, 1);
    const int correction = fixed < FromGregorian(y, 3, 1) ? 0 : IsGregorianLeapYear(y) ? 1 : 2;
    const int month = static_cast<int>(FloorDiv(12 * (prior + correction) + 373, 367));
    const int day = static_cast<int>(fixed - FromGregorian(y, month, 1) + 1);
    return WesternDate{y, month, day};
}

WesternDate CDayCount::ToJulian(long long fixed) {
    const long long approx = FloorDiv(4 * (fixed - kJulianEpoch) + 1464, 1461);
    const int y = static_cast<int>(approx <= 0 ? approx - 1 : approx);
    const long long prior = fixed - FromJulian(y, 1, 1);
    const int correction = fixed < FromJulian(y, 3, 1) ? 0 : IsJulianLeapYear(y) ? 1 : 2;
    const int month = static_cast<int>(FloorDiv(12 * (prior + correction) + 373, 367));
    const int day = static_cast<int>(fixed - FromJulian(y, month, 1) + 1);
    return WesternDate{y, month, day};
}
