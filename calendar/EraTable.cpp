#include "calendar/EraTable.h"

#include <unicode/dtfmtsym.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <unicode/ures.h>

#include <algorithm>
#include <map>
#include <set>

#include "calendar/DayCount.h"
#include "calendar/NorthernEraRow.h"
#include "calendar/OldCalendarDays.h"
#include "platform/Codec.h"

namespace {

// The first year with an era of its own in every year: 大宝 (701).
constexpr int kErasInUseFrom = 701;
constexpr int kWesternReckoningYear = 1873;

// One line's era from its first day on, before the eras are numbered.
struct Entry {
    long long first;
    std::string name;  // empty: the northern line ends here
    int firstYear;
};

}  // namespace

std::vector<CEraTable::SourceEra> CEraTable::LoadIcuEras(std::string* error) {
    std::vector<SourceEra> eras;
    auto fail = [&](const char* what, UErrorCode status) {
        if (error) *error = std::string(what) + ": " + u_errorName(status);
        return std::vector<SourceEra>{};
    };

    // The names: the Japanese calendar's era names of the "ja" locale.
    UErrorCode status = U_ZERO_ERROR;
    const icu::DateFormatSymbols symbols(icu::Locale("ja"), "japanese", status);
    if (U_FAILURE(status)) return fail("DateFormatSymbols", status);
    int32_t count = 0;
    const icu::UnicodeString* names = symbols.getEras(count);

    // The first days: the data of ICU's Japanese calendar, era by era. The
    // calendar itself would carry them through its Gregorian arithmetic,
    // which turns an old-calendar 2月29日 or 2月30日 into 3月1日; the stored
    // start dates are read as they are.
    icu::LocalUResourceBundlePointer supplemental(ures_openDirect(nullptr, "supplementalData", &status));
    icu::LocalUResourceBundlePointer calendarData(
        ures_getByKey(supplemental.getAlias(), "calendarData", nullptr, &status));
    icu::LocalUResourceBundlePointer japanese(ures_getByKey(calendarData.getAlias(), "japanese", nullptr, &status));
    icu::LocalUResourceBundlePointer starts(ures_getByKey(japanese.getAlias(), "eras", nullptr, &status));
    if (U_FAILURE(status)) return fail("calendarData/japanese/eras", status);

    for (int32_t i = 0; i < count; ++i) {
        const std::string key = std::to_string(i);
        icu::LocalUResourceBundlePointer era(ures_getByKey(starts.getAlias(), key.c_str(), nullptr, &status));
        // An era ICU holds without a name of its own yet (a coming era) is
        // not one that history has.
        UErrorCode namedStatus = U_ZERO_ERROR;
        int32_t namedLength = 0;
        const UChar* named = ures_getStringByKey(era.getAlias(), "named", &namedLength, &namedStatus);
        if (U_SUCCESS(namedStatus) && icu::UnicodeString(named, namedLength) == icu::UnicodeString(u"false")) continue;
        icu::LocalUResourceBundlePointer start(ures_getByKey(era.getAlias(), "start", nullptr, &status));
        int32_t length = 0;
        const int32_t* ymd = ures_getIntVector(start.getAlias(), &length, &status);
        if (U_FAILURE(status) || length != 3) return fail("era start", U_FAILURE(status) ? status : U_INVALID_FORMAT_ERROR);
        std::string name;
        names[i].toUTF8String(name);
        eras.push_back(SourceEra{name, ymd[0], ymd[1], ymd[2]});
    }
    if (eras.empty()) return fail("no eras", U_MISSING_RESOURCE_ERROR);
    return eras;
}

long long CEraTable::WesternReckoningStart() {
    return CDayCount::FromGregorian(kWesternReckoningYear, 1, 1);
}

int CEraTable::GetReckoningYear(long long fixed) const {
    if (fixed >= WesternReckoningStart()) return CDayCount::ToGregorian(fixed).year;
    return m_days.FromFixed(fixed).year;
}

CEraTable::CEraTable(const COldCalendarDays& days, const std::vector<SourceEra>& icuEras) : m_days(days) {
    const COldCalendarTable& table = days.GetTable();
    auto firstDayOf = [&days](int year) { return days.ToFixed(OldDate{year, 1, false, 1}); };

    // The northern line, and the days on which it has eras of its own.
    std::vector<Entry> northern;
    std::vector<Entry> joins;
    std::set<std::string> northernNames;
    std::vector<std::pair<long long, long long>> divided;
    for (int i = 0; i < kNorthernEraRowCount; ++i) {
        const NorthernEraRow& row = kNorthernEraRows[i];
        const long long first = days.ToFixed(OldDate{row.year, row.month, row.leap, row.day});
        if (first < 0) continue;
        if (row.joins) {
            northern.push_back(Entry{first, "", 0});
            joins.push_back(Entry{first, row.name, row.year});
            if (!divided.empty() && divided.back().second < 0) divided.back().second = first;
        } else {
            northern.push_back(Entry{first, row.name, row.year});
            northernNames.insert(row.name);
            if (divided.empty() || divided.back().second >= 0) divided.emplace_back(first, -1);
        }
    }
    auto isDivided = [&divided](long long day) {
        for (const auto& [from, to] : divided)
            if (day >= from && (to < 0 || day < to)) return true;
        return false;
    };

    // The main line: the reigns of the years before eras were in constant
    // use, then ICU's eras, then the eras that reunite the lines.
    std::vector<Entry> main;
    std::set<std::string> earlyNames;
    for (int year = COldCalendarTable::kFirstYear; year < kErasInUseFrom; ++year) earlyNames.insert(table.GetEraName(year));
    std::set<std::string> icuNames;
    for (const SourceEra& era : icuEras) icuNames.insert(platform::Utf8ToCp932(era.name));
    for (int year = COldCalendarTable::kFirstYear; year < kErasInUseFrom; ++year) {
        const std::string name = table.GetEraName(year);
        if (table.GetEraYear(year) == 1 && !icuNames.count(name)) main.push_back(Entry{firstDayOf(year), name, year});
    }
    for (const SourceEra& era : icuEras) {
        const std::string name = platform::Utf8ToCp932(era.name);
        const long long first = era.year < kWesternReckoningYear
                                    ? days.ToFixed(OldDate{era.year, era.month, false, era.day})
                                    : CDayCount::FromGregorian(era.year, era.month, era.day);
        if (first < 0) continue;  // outside the old-calendar table
        if (era.year < kErasInUseFrom && !earlyNames.count(name)) continue;
        if (isDivided(first) && northernNames.count(name)) continue;
        main.push_back(Entry{first, name, era.year});
    }
    std::stable_sort(main.begin(), main.end(), [](const Entry& a, const Entry& b) { return a.first < b.first; });
    for (const Entry& join : joins) {
        // The reunited line goes on with the era named, unless it already has it.
        auto at = std::upper_bound(main.begin(), main.end(), join.first,
                                   [](long long day, const Entry& e) { return day < e.first; });
        if (at != main.begin() && std::prev(at)->name == join.name) continue;
        main.insert(at, join);
    }

    // Each name becomes one era: its years count from its earliest first day.
    const long long afterLast = days.GetLastDay() + 1;
    struct Extent {
        long long first = 0, end = 0;
        int firstYear = 0;
        bool inMain = false;
    };
    std::map<std::string, Extent> extents;
    auto extend = [&extents](const std::vector<Entry>& line, long long lineEnd, bool isMain) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i].name.empty()) continue;
            const long long end = i + 1 < line.size() ? line[i + 1].first : lineEnd;
            auto [it, added] = extents.try_emplace(line[i].name);
            Extent& x = it->second;
            if (added || line[i].first < x.first) {
                x.first = line[i].first;
                x.firstYear = line[i].firstYear;
            }
            if (added || end > x.end) x.end = end;
            x.inMain = x.inMain || isMain;
        }
    };
    extend(main, afterLast, true);
    extend(northern, afterLast, false);
    for (const auto& [name, x] : extents) {
        m_eras.push_back(Era{name, x.firstYear, x.first, x.end, !x.inMain});
    }
    std::sort(m_eras.begin(), m_eras.end(), [](const Era& a, const Era& b) {
        return a.first != b.first ? a.first < b.first : a.end < b.end;
    });
    std::map<std::string, int> index;
    for (int i = 0; i < GetEraCount(); ++i) index[m_eras[i].name] = i;
    for (const Entry& e : main) m_main.push_back(Span{e.first, index[e.name]});
    for (const Entry& e : northern) m_northern.push_back(Span{e.first, e.name.empty() ? -1 : index[e.name]});

    // The old-calendar table's spellings: a year it names differently from
    // the era in force at the year's end, with the same year number.
    for (int year = kErasInUseFrom; year <= COldCalendarTable::kLastYear; ++year) {
        const long long lastDay = year < COldCalendarTable::kLastYear ? firstDayOf(year + 1) - 1 : days.GetLastDay();
        const EraYear e = GetMainEra(lastDay);
        const std::string spelled = table.GetEraName(year);
        if (!e.Found() || spelled == m_eras[e.era].name) continue;
        if (year - m_eras[e.era].firstYear + 1 != table.GetEraYear(year)) continue;
        const std::pair<std::string, std::string> variant{spelled, m_eras[e.era].name};
        if (std::find(m_variants.begin(), m_variants.end(), variant) == m_variants.end()) m_variants.push_back(variant);
    }
}

CEraTable::EraYear CEraTable::EraOnDay(const std::vector<Span>& spans, long long fixed, long long end) const {
    if (fixed >= end) return EraYear{};
    const auto next = std::upper_bound(spans.begin(), spans.end(), fixed,
                                       [](long long day, const Span& s) { return day < s.first; });
    if (next == spans.begin()) return EraYear{};
    const int era = std::prev(next)->era;
    if (era < 0) return EraYear{};
    return EraYear{era, GetReckoningYear(fixed) - m_eras[era].firstYear + 1};
}

CEraTable::EraYear CEraTable::GetMainEra(long long fixed) const {
    if (fixed < m_days.GetFirstDay()) return EraYear{};
    return EraOnDay(m_main, fixed, m_days.GetLastDay() + 1);
}

CEraTable::EraYear CEraTable::GetNorthernEra(long long fixed) const {
    return EraOnDay(m_northern, fixed, m_days.GetLastDay() + 1);
}

bool CEraTable::IsInForce(int era, long long fixed) const {
    return era >= 0 && (GetMainEra(fixed).era == era || GetNorthernEra(fixed).era == era);
}

int CEraTable::FindEra(std::string_view name) const {
    for (int i = 0; i < GetEraCount(); ++i)
        if (m_eras[i].name == name) return i;
    for (const auto& [spelled, trueName] : m_variants)
        if (spelled == name) return FindEra(trueName);
    return -1;
}
