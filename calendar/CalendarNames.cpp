#include "calendar/CalendarNames.h"

#include "platform/ShiftJis.h"

namespace {

const char* const kWeekdayNames[7] = {"日", "月", "火", "水", "木", "金", "土"};

const char* const kEnglishWeekdayNames[7] = {
    "SUNDAY", "MONDAY", "TUESDAY", "WEDNESDAY", "THURSDAY", "FRIDAY", "SATURDAY",
};

// The program has always spelled October this way.
const char* const kEnglishMonthNames[12] = {
    "JANUARY", "FEBRUARY", "MARCH",     "APRIL",   "MAY",      "JUNE",
    "JULY",    "AUGUST",   "SEPTEMBER", "ACTOBER", "NOVEMBER", "DECEMBER",
};

const char* const kOldMonthNames[12] = {
    "睦月", "如月", "弥生", "卯月", "皐月", "水無月", "文月", "葉月", "長月", "神無月", "霜月", "師走",
};

const char* const kOldMonthReadings[12] = {
    "むつき", "きさらぎ", "やよい", "うずき", "さつき", "みなずき",
    "ふみずき", "はずき", "ながつき", "かんなずき", "しもつき", "しわす",
};

}  // namespace

CCalendarNames::CCalendarNames() {
    for (int i = 0; i < 7; ++i) {
        platform::CopyToField(m_weekdayNames[i], sizeof m_weekdayNames[i], kWeekdayNames[i]);
        platform::CopyToField(m_englishWeekdayNames[i], sizeof m_englishWeekdayNames[i],
                              kEnglishWeekdayNames[i]);
    }
    for (int i = 0; i < 12; ++i) {
        platform::CopyToField(m_englishMonthNames[i], sizeof m_englishMonthNames[i],
                              kEnglishMonthNames[i]);
        platform::CopyToField(m_oldMonthNames[i], sizeof m_oldMonthNames[i], kOldMonthNames[i]);
        platform::CopyToField(m_oldMonthReadings[i], sizeof m_oldMonthReadings[i],
                              kOldMonthReadings[i]);
    }
}

const char* CCalendarNames::GetWeekdayName(int w) const {
    return w >= 0 && w < 7 ? m_weekdayNames[w] : "";
}

const char* CCalendarNames::GetEnglishWeekdayName(int w) const {
    return w >= 0 && w < 7 ? m_englishWeekdayNames[w] : "";
}

const char* CCalendarNames::GetEnglishMonthName(int month) const {
    return month >= 1 && month <= 12 ? m_englishMonthNames[month - 1] : "";
}

const char* CCalendarNames::GetOldMonthName(int month) const {
    return month >= 1 && month <= 12 ? m_oldMonthNames[month - 1] : "";
}

const char* CCalendarNames::GetOldMonthReading(int month) const {
    return month >= 1 && month <= 12 ? m_oldMonthReadings[month - 1] : "";
}

int CCalendarNames::DayOfWeek(int year, int month, int day) const {
    // Zeller's congruence (Chr. Zeller, "Kalender-Formeln", Acta Mathematica
    // 9 (1887), 131-136), Gregorian form, rearranged so that 0 is Sunday:
    // (13m + 8) / 5 is Zeller's (13(m + 1)) / 5 less one, and y + y/4 - y/100
    // + y/400 his K + K/4 + J/4 - 2J taken mod 7. January and February count
    // as months 13 and 14 of the year before.
    if (month < 3) {
        year -= 1;
        month += 12;
    }
    const int w = (day + year / 400 + year / 4 + (13 * month + 8) / 5 + year - year / 100) % 7;
    return w < 0 ? w + 7 : w;  // only for dates before year 1
}

int CCalendarNames::DaysInMonth(int year, int month) const {
    switch (month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
        return 31;
    case 4: case 6: case 9: case 11:
        return 30;
    default:
        return FebruaryDays(year);
    }
}

// The Gregorian leap-year rule (the bull Inter gravissimas, 1582), applied to
// every year (proleptic).
int CCalendarNames::FebruaryDays(int year) const {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 ? 29 : 28;
}

int CCalendarNames::DaysInYear(int year) const {
    return FebruaryDays(year) == 29 ? 366 : 365;
}
