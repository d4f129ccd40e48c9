#pragma once
// What the date converter (暦館 > 日付の換算) decides: an old-calendar date,
// given by era (or as a Western year number), year, month, leap flag and
// day, to its Western date, and a Western date (Gregorian, or Julian before
// 1582-10-15) to its old-calendar date; then the rows the window shows for
// that day: the old date with the era in force on it (both courts' eras in
// 1331..1392, the era by the Western date from 1873 on), the Gregorian date
// and weekday, the Julian date before 1582-10-15, the day's and the year's
// sexagenary names and, for 1644..1694 up to 元禄7年10月12日, the poet's age.
//
// Input that names no day leaves the day, the rows and the fields as they
// were and gives a message that says why. After a conversion both sides'
// fields hold the day, so that the window can show it on both sides.
// All texts are Shift-JIS.
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calendar/EraTable.h"
#include "calendar/OldDate.h"
#include "calendar/WesternDate.h"

class COldCalendarDays;

class CDateConverter {
public:
    enum Row { kRowOld, kRowSecond, kRowWestern, kRowJulian, kRowDayCycle, kRowYearCycle, kRowAge, kRowCount };

    // The years the calendar hall's list shows, the poet's lifetime.
    static constexpr int kFirstCalendarYear = 1644;
    static constexpr int kLastCalendarYear = 1694;

    // The old-calendar side as typed: the era chooser's text (an era name,
    // one of its items, or "西暦" for a Western year number), the year (a
    // number; "元" for 1), month, the leap flag and day.
    struct OldFields {
        std::string era;
        std::string year;
        std::string month;
        bool leap = false;
        std::string day;
        friend bool operator==(const OldFields&, const OldFields&) = default;
    };
    // The Western side: year, month, day, and whether they are Julian.
    struct WesternFields {
        std::string year;
        std::string month;
        std::string day;
        bool julian = false;
        friend bool operator==(const WesternFields&, const WesternFields&) = default;
    };

    // With the eras of ICU's Japanese calendar.
    CDateConverter();
    // With the eras given (tests).
    explicit CDateConverter(const std::vector<CEraTable::SourceEra>& eras);
    ~CDateConverter();

    const COldCalendarDays& GetDays() const { return *m_days; }
    const CEraTable& GetEras() const { return *m_eras; }

    // The chooser's items: "西暦", then every era in order, "元禄 1688"
    // (a northern court's era "暦応 1338 北朝").
    const std::vector<std::string>& GetEraItems() const { return m_eraItems; }
    // The item of era index i (the first era is item 1).
    const std::string& GetEraItem(int era) const { return m_eraItems[era + 1]; }

    // Each returns true when the input names a day, which then becomes the
    // converter's day; false with a message otherwise.
    bool ConvertOld(const OldFields& fields);
    bool ConvertWestern(const WesternFields& fields);
    // Any day of the table's range (the window opens on today); false
    // outside it, without a message.
    bool ShowDay(long long fixed);

    bool HasDay() const { return m_day >= 0; }
    long long GetDay() const { return m_day; }
    OldDate GetOldDate() const { return m_old; }
    WesternDate GetWesternDate() const { return m_western; }

    // Empty after a conversion that named a day.
    const std::string& GetMessage() const { return m_message; }
    // A row's label and value; both empty for a row that does not apply.
    const std::string& GetLabel(int row) const { return m_labels[row]; }
    const std::string& GetValue(int row) const { return m_values[row]; }
    // The rows that apply, in order, as the window lists them (label, value).
    std::vector<std::pair<std::string, std::string>> GetShownRows() const;

    const OldFields& GetOldFields() const { return m_oldFields; }
    const WesternFields& GetWesternFields() const { return m_westernFields; }

    // The old-calendar year of the day when the calendar hall lists it
    // (1644..1694), else 0.
    int GetCalendarYear() const;

private:
    void SetDay(long long fixed);
    bool Fail(std::string message);
    std::string EraYearText(int era, int year) const;
    std::string OldDateText(const std::string& yearLabel, const OldDate& date) const;
    // An era's first or last day, as the message says it.
    std::string EraDayText(int era, long long fixed) const;
    std::string WesternText(const WesternDate& date) const;

    std::unique_ptr<COldCalendarDays> m_days;
    std::unique_ptr<CEraTable> m_eras;
    std::vector<std::string> m_eraItems;
    long long m_day = -1;
    OldDate m_old{};
    WesternDate m_western{};
    std::string m_message;
    std::string m_labels[kRowCount];
    std::string m_values[kRowCount];
    OldFields m_oldFields;
    WesternFields m_westernFields;
};
