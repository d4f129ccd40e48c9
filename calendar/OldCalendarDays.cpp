#include "calendar/OldCalendarDays.h"

#include <algorithm>

#include "calendar/DayCount.h"

COldCalendarDays::COldCalendarDays() : m_table(std::make_unique<COldCalendarTable>()) {
    const int first = COldCalendarTable::kFirstYear;
    const int last = COldCalendarTable::kLastYear;
    m_yearStart.reserve(COldCalendarTable::kYearCount + 1);
    long long day = CDayCount::FromGregorian(m_table->ToWestern(first, 1, 1));
    for (int year = first; year <= last; ++year) {
        m_yearStart.push_back(day);
        day += m_table->GetRecord(year)->daysInYear;
    }
    m_yearStart.push_back(day);
}

COldCalendarDays::~COldCalendarDays() = default;

int COldCalendarDays::GetLeapMonth(int year) const {
    const OldYearRecord* record = m_table->GetRecord(year);
    if (!record) return -1;
    return record->leapPresent ? record->leapPosition - 1 : 0;
}

int COldCalendarDays::GetPosition(int year, int month, bool leap) const {
    const int leapMonth = GetLeapMonth(year);
    if (leapMonth < 0 || month < 1 || month > 12) return 0;
    if (leap) return leapMonth == month ? month + 1 : 0;
    // Months after the leap month move up by one position.
    return leapMonth != 0 && month > leapMonth ? month + 1 : month;
}

int COldCalendarDays::GetMonthDays(int year, int month, bool leap) const {
    const int position = GetPosition(year, month, leap);
    if (position == 0) return 0;
    return m_table->GetRecord(year)->monthSizes[position] ? 30 : 29;
}

COldCalendarDays::Check COldCalendarDays::Validate(const OldDate& date) const {
    if (!m_table->GetRecord(date.year)) return Check::YearOutOfRange;
    if (date.month < 1 || date.month > 12) return Check::MonthOutOfRange;
    const int days = GetMonthDays(date.year, date.month, date.leap);
    if (days == 0) return Check::NoSuchLeapMonth;
    if (date.day < 1 || date.day > days) return Check::DayOutOfRange;
    return Check::Ok;
}

long long COldCalendarDays::ToFixed(const OldDate& date) const {
    if (Validate(date) != Check::Ok) return -1;
    const OldYearRecord& record = *m_table->GetRecord(date.year);
    long long day = m_yearStart[date.year - COldCalendarTable::kFirstYear];
    const int position = GetPosition(date.year, date.month, date.leap);
    for (int p = 1; p < position; ++p) day += record.monthSizes[p] ? 30 : 29;
    return day + date.day - 1;
}

OldDate COldCalendarDays::FromFixed(long long fixed) const {
    if (fixed < GetFirstDay() || fixed > GetLastDay()) return OldDate{0, 0, false, 0};
    // The last year that starts on or before the day.
    const auto next = std::upper_bound(m_yearStart.begin(), m_yearStart.end(), fixed);
    const int index = static_cast<int>(next - m_yearStart.begin()) - 1;
    const int year = COldCalendarTable::kFirstYear + index;
    const OldYearRecord& record = *m_table->GetRecord(year);
    long long rest = fixed - m_yearStart[index];
    int position = 1;
    for (;; ++position) {
        const int days = record.monthSizes[position] ? 30 : 29;
        if (rest < days) break;
        rest -= days;
    }
    const int leapPosition = record.leapPresent ? record.leapPosition : 0;
    const bool leap = leapPosition != 0 && position == leapPosition;
    const int month = leapPosition != 0 && position >= leapPosition ? position - 1 : position;
    return OldDate{year, month, leap, static_cast<int>(rest) + 1};
}
