#include "calendar/OldCalendarTable.h"

#include <cstdio>

#include "calendar/OldCalendarRow.h"
#include "platform/MessageBox.h"
#include "platform/ShiftJis.h"

namespace {

// Day number 1 (old 593, month 1, day 1) is the 40th day of Western 593.
// Day number 1 (593, month 1, day 1) is Julian day number 1937689, 593-02-09
// in the proleptic Gregorian calendar (calendar/old-calendar.md: the first
// month's JDN in the pinned calendar data): day 40 of 593.
constexpr long long kWesternOffset = 39;
// Day number 1 has the cycle index 38 (壬寅). The day's name is number
// (R.D. - 45) mod 60 counted from 甲子 = 1 (fixed day numbers, R.D. 1 =
// 0001-01-01 Gregorian): N. Dershowitz and E. M. Reingold, Calendrical
// Calculations, 3rd ed. (Cambridge University Press, 2008), ch. 19 "The
// Chinese Calendar", chinese-day-name with chinese-day-name-epoch = R.D. 45.
// JDN 1937689 is R.D. 216264; (216264 - 45) mod 60 = 39, the 39th name.
constexpr long long kCycleOffset = 37;

}  // namespace

// Every holder builds its own table, so building must stay cheap: the calls
// of SetYear are inlined into this loop.
#if defined(__GNUC__)
__attribute__((flatten))
#endif
COldCalendarTable::COldCalendarTable()
    : m_firstYear(kFirstYear), m_bigMonthDays(30), m_smallMonthDays(29), m_years() {
    platform::CopyToField(m_bigLabel, sizeof m_bigLabel, "大");
    platform::CopyToField(m_bigLeapLabel, sizeof m_bigLeapLabel, "閏大");
    platform::CopyToField(m_smallLabel, sizeof m_smallLabel, "小");
    platform::CopyToField(m_smallLeapLabel, sizeof m_smallLeapLabel, "閏小");
    for (const OldCalendarRow& r : kOldCalendarRows) {
        SetYear(r.year, r.flags[0], r.flags[1], r.flags[2], r.flags[3], r.flags[4], r.flags[5],
                r.flags[6], r.flags[7], r.flags[8], r.flags[9], r.flags[10], r.flags[11],
                r.leapAfter, r.leapFlag, r.eraName, r.eraYear);
    }
}

int COldCalendarTable::CheckYear(int year, int code) const {
    if (year >= kFirstYear && year <= kLastYear) return 0;
    char text[128];
    std::snprintf(text, sizeof text, "%d年の旧暦は計算できません.%d", year, code);
    platform::ShowMessageBox(text);
    return -1;
}

void COldCalendarTable::SetYear(int year, int flag1, int flag2, int flag3, int flag4, int flag5,
                                int flag6, int flag7, int flag8, int flag9, int flag10,
                                int flag11, int flag12, int leapAfter, int leapFlag,
                                const char* eraName, int eraYear) {
    if (CheckYear(year, kOpSetYear) != 0) return;
    OldYearRecord& rec = m_years[year - m_firstYear];
    const int flags[12] = {flag1, flag2, flag3, flag4, flag5, flag6,
                           flag7, flag8, flag9, flag10, flag11, flag12};

    // A leap month can only follow one of the twelve regular months; it takes
    // the position after that month, and the later months move up by one.
    const bool leap = leapAfter >= 1 && leapAfter <= 12;
    const int before = leap ? leapAfter : 12;  // regular months before the leap month
    char* sizes = rec.monthSizes;
    int bigMonths = 0;
    for (int m = 1; m <= before; ++m) {
        const char big = flags[m - 1] != 0;
        sizes[m] = big;
        bigMonths += big;
    }
    for (int m = before + 1; m <= 12; ++m) {
        const char big = flags[m - 1] != 0;
        sizes[m + 1] = big;
        bigMonths += big;
    }
    // Without a leap month this clears the unused entry 13.
    const char leapBig = leap && leapFlag != 0;
    sizes[before + 1] = leapBig;
    bigMonths += leapBig;
    sizes[0] = leap ? 1 : 0;
    const int count = leap ? 13 : 12;
    rec.leapPresent = leap ? 1 : 0;
    rec.leapPosition = leap ? before + 1 : 0;
    rec.daysInYear = bigMonths * m_bigMonthDays + (count - bigMonths) * m_smallMonthDays;

    // Era names fit their field; a longer text is cut at a character boundary.
    if (eraName == nullptr) eraName = "";
    std::size_t length = 0;
    for (; length + 1 < sizeof rec.eraName && eraName[length] != '\0'; ++length) {
        rec.eraName[length] = eraName[length];
    }
    if (eraName[length] == '\0') {
        rec.eraName[length] = '\0';
    } else {
        platform::CopyToField(rec.eraName, sizeof rec.eraName, eraName);
    }
    rec.eraYear = eraYear;
}

const char* COldCalendarTable::GetEraName(int year) const {
    if (CheckYear(year, kOpGetEraName) != 0) return "";
    return m_years[year - m_firstYear].eraName;
}

int COldCalendarTable::GetEraYear(int year) const {
    if (CheckYear(year, kOpGetEraYear) != 0) return -1;
    return m_years[year - m_firstYear].eraYear;
}

int COldCalendarTable::GetLeapPosition(int year) const {
    if (CheckYear(year, kOpGetLeapPosition) != 0) return -1;
    return m_years[year - m_firstYear].leapPosition;
}

int COldCalendarTable::GetMonthDays(int year, int position) const {
    if (CheckYear(year, kOpGetMonthDays) != 0) return -1;
    const OldYearRecord& rec = m_years[year - m_firstYear];
    if (position < 1 || position > MonthCount(rec)) return -1;
    return rec.monthSizes[position] ? m_bigMonthDays : m_smallMonthDays;
}

long long COldCalendarTable::DayNumber(int year, int position, int day) const {
    const int index = year - m_firstYear;
    const OldYearRecord& rec = m_years[index];
    if (position < 1 || position > MonthCount(rec)) return -1;
    long long n = 0;
    for (int i = 0; i < index; ++i) n += m_years[i].daysInYear;
    for (int p = 1; p < position; ++p) {
        n += rec.monthSizes[p] ? m_bigMonthDays : m_smallMonthDays;
    }
    return n + day;
}

WesternDate COldCalendarTable::ToWestern(int year, int position, int day) const {
    if (CheckYear(year, kOpToWestern) != 0) return WesternDate{0, 0, 0};
    const long long number = DayNumber(year, position, day);
    if (number < 0) return WesternDate{0, 0, 0};

    long long e = number + kWesternOffset;
    int y = m_firstYear;
    while (e > m_names.DaysInYear(y)) {
        e -= m_names.DaysInYear(y);
        ++y;
    }
    int m = 1;
    while (e > m_names.DaysInMonth(y, m)) {
        e -= m_names.DaysInMonth(y, m);
        ++m;
    }
    return WesternDate{y, m, static_cast<int>(e)};
}

int COldCalendarTable::GetDayCycle(int year, int position, int day) const {
    if (CheckYear(year, kOpGetDayCycle) != 0) return -1;
    const long long number = DayNumber(year, position, day);
    if (number < 0) return -1;
    const long long r = (number + kCycleOffset) % 60;
    return static_cast<int>(r < 0 ? r + 60 : r);
}

const OldYearRecord* COldCalendarTable::GetRecord(int year) const {
    if (year < kFirstYear || year > kLastYear) return nullptr;
    return &m_years[year - m_firstYear];
}
