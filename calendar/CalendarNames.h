#pragma once
// Western-calendar rules (proleptic Gregorian for every year) and the names
// of weekdays and months. Texts are Shift-JIS, NUL-terminated.

class CCalendarNames {
public:
    CCalendarNames();

    // "日" .. "土" for 0 (Sunday) .. 6 (Saturday); empty text for any other w.
    const char* GetWeekdayName(int w) const;
    // "SUNDAY" .. "SATURDAY"; empty text outside 0..6.
    const char* GetEnglishWeekdayName(int w) const;
    // "JANUARY" .. "DECEMBER" for months 1..12; empty text otherwise.
    const char* GetEnglishMonthName(int month) const;
    // "睦月" .. "師走" and their readings for months 1..12; empty text otherwise.
    const char* GetOldMonthName(int month) const;
    const char* GetOldMonthReading(int month) const;

    // Weekday index 0 (Sunday) .. 6 (Saturday) of a Western date.
    int DayOfWeek(int year, int month, int day) const;
    // 31, 30, or February's days for any other month number.
    int DaysInMonth(int year, int month) const;
    // 29 in a Gregorian leap year, else 28.
    int FebruaryDays(int year) const;
    // 366 or 365.
    int DaysInYear(int year) const;

private:
    char m_weekdayNames[7][3];
    char m_englishWeekdayNames[7][10];
    char m_englishMonthNames[12][10];
    char m_oldMonthNames[12][7];
    char m_oldMonthReadings[12][11];
};
