#pragma once
// The eras of Japan by the day, for the years of the old-calendar table
// (593..2051): which era is in force on a given day, with its year, and
// the eras by name.
//
// The eras come from ICU's Japanese calendar (大化 645 onwards, each with the
// day it was proclaimed). Before 701 (大宝) the old-calendar table names the
// years where no era was in use by the reigns (推古, 舒明, 皇極, 斉明, 天智, 天武,
// 持統, 文武), each from the first day of its first year; ICU's 白鳳, which the
// table does not name, is left out. From 1331 to 1392 two courts named the
// years: the main line is the southern court's (the table's), the northern
// court's line comes from calendar/northern-court-eras.tsv. ICU's northern
// eras among those years belong to that second line.
//
// An era's years count from the year of its first day: old-calendar years
// before 1873, Western years from 1873-01-01 on (明治6年). The table's own
// spellings of ten era names (斉衛 for 斉衡 ...) are found as well.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class COldCalendarDays;

class CEraTable {
public:
    // An era as ICU gives it: the name (UTF-8) and the first day, which is an
    // old-calendar month and day under the Western year number for eras that
    // began before 1873, a Gregorian date for the later ones.
    struct SourceEra {
        std::string name;
        int year;
        int month;
        int day;
    };

    struct Era {
        std::string name;   // Shift-JIS
        int firstYear;      // the year numbered 1
        long long first;    // first day in force (fixed day)
        long long end;      // the day after the last day in force
        bool northernOnly;  // in force only in the northern court's line
    };

    // An era in force on a day: the era's index and the year within it.
    struct EraYear {
        int era = -1;
        int year = 0;
        bool Found() const { return era >= 0; }
    };

    // The Japanese calendar's eras of ICU ("ja" names); empty when ICU
    // cannot give them, with the reason in error.
    static std::vector<SourceEra> LoadIcuEras(std::string* error = nullptr);

    // Builds the table on the days of the old calendar, which must outlive it.
    CEraTable(const COldCalendarDays& days, const std::vector<SourceEra>& icuEras);

    // The eras in order of their first days.
    int GetEraCount() const { return static_cast<int>(m_eras.size()); }
    const Era& GetEra(int index) const { return m_eras[index]; }

    // The era of the main line on a day of the table's range.
    EraYear GetMainEra(long long fixed) const;
    // The northern court's era on a day when the two courts named the years
    // differently; not found on any other day.
    EraYear GetNorthernEra(long long fixed) const;
    // True while the northern court has eras of its own.
    bool IsDivided(long long fixed) const { return GetNorthernEra(fixed).Found(); }
    // True when the era is in force on the day in either line.
    bool IsInForce(int era, long long fixed) const;

    // The index of an era by name (Shift-JIS), true name or the old-calendar
    // table's spelling; -1 when unknown.
    int FindEra(std::string_view name) const;
    // The table's spellings that differ from the true names, as pairs
    // (table spelling, true name).
    const std::vector<std::pair<std::string, std::string>>& GetVariantSpellings() const {
        return m_variants;
    }

    // The year by which eras count on a day: the old-calendar year before
    // 1873-01-01, the Western year from then on.
    int GetReckoningYear(long long fixed) const;
    // The fixed day of 1873-01-01 (明治6年1月1日), when the Western calendar
    // was adopted.
    static long long WesternReckoningStart();

private:
    struct Span {
        long long first;  // first day
        int era;
    };

    int AddEra(const std::string& name, long long first, int firstYear);
    EraYear EraOnDay(const std::vector<Span>& spans, long long fixed, long long end) const;

    const COldCalendarDays& m_days;
    std::vector<Era> m_eras;
    std::vector<Span> m_main;      // in order; each runs to the next one
    std::vector<Span> m_northern;  // era -1 where the northern line ends
    std::vector<std::pair<std::string, std::string>> m_variants;
};
