#include "calendar/DateConverter.h"

#include <cstdarg>
#include <cstdio>

#include "calendar/CalendarNames.h"
#include "calendar/DayCount.h"
#include "calendar/OldCalendarDays.h"
#include "calendar/SexagenaryNames.h"
#include "platform/ShiftJis.h"
#include "res/DateConverterTexts.h"

namespace {

// The poet's first year, counted as age 1, and the day of the poet's death.
constexpr int kPoetFirstYear = 1644;
constexpr OldDate kPoetDeathDay{1694, 10, false, 12};

std::string Format(const char* format, ...) {
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

// The text without the spaces around it (ASCII and the full-width space).
std::string_view Trim(std::string_view s) {
    const std::string_view wide = "　";
    for (;;) {
        if (!s.empty() && s.front() == ' ') s.remove_prefix(1);
        else if (s.substr(0, wide.size()) == wide) s.remove_prefix(wide.size());
        else break;
    }
    for (;;) {
        if (!s.empty() && s.back() == ' ') s.remove_suffix(1);
        else if (s.size() >= wide.size() && s.substr(s.size() - wide.size()) == wide &&
                 platform::IsCharStart(s, s.size() - wide.size()))
            s.remove_suffix(wide.size());
        else break;
    }
    return s;
}

// A whole number of up to six digits, ASCII or full-width; -1 otherwise.
int ParseNumber(std::string_view text) {
    const std::string_view s = Trim(text);
    const std::string_view wideZero = "０";
    if (s.empty()) return -1;
    int value = 0;
    int digits = 0;
    for (std::size_t i = 0; i < s.size();) {
        int digit = -1;
        if (s[i] >= '0' && s[i] <= '9') {
            digit = s[i] - '0';
            i += 1;
        } else if (i + 1 < s.size() && s[i] == wideZero[0] &&
                   static_cast<unsigned char>(s[i + 1]) >= static_cast<unsigned char>(wideZero[1]) &&
                   static_cast<unsigned char>(s[i + 1]) <= static_cast<unsigned char>(wideZero[1]) + 9) {
            digit = static_cast<unsigned char>(s[i + 1]) - static_cast<unsigned char>(wideZero[1]);
            i += 2;
        }
        if (digit < 0 || ++digits > 6) return -1;
        value = value * 10 + digit;
    }
    return value;
}

// The era name of the chooser's text: an item ("元禄 1688") or a name typed.
std::string_view EraNamePart(std::string_view text) {
    const std::string_view s = Trim(text);
    const std::string_view wideSpace = "　";
    const std::string_view wideParen = "（";
    std::size_t i = 0;
    while (i < s.size()) {
        if (s[i] == ' ' || s[i] == '(') break;
        if (s.substr(i, wideSpace.size()) == wideSpace || s.substr(i, wideParen.size()) == wideParen) break;
        i += platform::IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
    }
    return s.substr(0, i);
}

}  // namespace

CDateConverter::CDateConverter() : CDateConverter(CEraTable::LoadIcuEras()) {}

CDateConverter::CDateConverter(const std::vector<CEraTable::SourceEra>& eras)
    : m_days(std::make_unique<COldCalendarDays>()), m_eras(std::make_unique<CEraTable>(*m_days, eras)) {
    m_eraItems.push_back(res::kConvWesternYearItem);
    for (int i = 0; i < m_eras->GetEraCount(); ++i) {
        const CEraTable::Era& era = m_eras->GetEra(i);
        m_eraItems.push_back(Format(era.northernOnly ? res::kConvNorthernEraItemFormat : res::kConvEraItemFormat,
                                    era.name.c_str(), era.firstYear));
    }
}

CDateConverter::~CDateConverter() = default;

bool CDateConverter::Fail(std::string message) {
    m_message = std::move(message);
    return false;
}

std::string CDateConverter::EraYearText(int era, int year) const {
    const std::string& name = m_eras->GetEra(era).name;
    return year == 1 ? name + res::kConvFirstYear + "年" : name + Format("%d年", year);
}

std::string CDateConverter::OldDateText(const std::string& yearLabel, const OldDate& date) const {
    return yearLabel + (date.leap ? res::kConvLeap : "") + Format("%d月%d日", date.month, date.day);
}

std::string CDateConverter::WesternText(const WesternDate& date) const {
    return Format("%d年%d月%d日", date.year, date.month, date.day);
}

std::string CDateConverter::EraDayText(int era, long long fixed) const {
    if (fixed >= CEraTable::WesternReckoningStart())
        return res::kConvWesternPrefix + WesternText(CDayCount::ToGregorian(fixed));
    const OldDate date = m_days->FromFixed(fixed);
    return OldDateText(EraYearText(era, date.year - m_eras->GetEra(era).firstYear + 1), date);
}

bool CDateConverter::ConvertOld(const OldFields& fields) {
    const std::string eraName(EraNamePart(fields.era));
    const bool westernYear = eraName == res::kConvWesternYearItem;
    int era = -1;
    if (!westernYear) {
        if (eraName.empty()) return Fail(res::kConvMsgNoEra);
        era = m_eras->FindEra(eraName);
        if (era < 0) return Fail(Format(res::kConvMsgUnknownEra, eraName.c_str()));
    }
    const std::string_view yearText = Trim(fields.year);
    const int count = !westernYear && yearText == res::kConvFirstYear ? 1 : ParseNumber(yearText);
    if (count < 1) return Fail(res::kConvMsgYear);
    const int year = westernYear ? count : m_eras->GetEra(era).firstYear + count - 1;
    if (year < COldCalendarTable::kFirstYear || year > COldCalendarTable::kLastYear)
        return Fail(Format(res::kConvMsgOldRange, COldCalendarTable::kFirstYear, COldCalendarTable::kLastYear));
    if (!westernYear) {
        const CEraTable::Era& e = m_eras->GetEra(era);
        const int lastCount = m_days->FromFixed(e.end - 1).year - e.firstYear + 1;
        if (count > lastCount) {
            const std::string last = lastCount == 1 ? res::kConvFirstYear : std::to_string(lastCount);
            return Fail(Format(res::kConvMsgEraLastYear, e.name.c_str(), last.c_str()));
        }
    }
    const int month = ParseNumber(fields.month);
    if (month < 1 || month > 12) return Fail(res::kConvMsgMonth);
    const int day = ParseNumber(fields.day);
    if (day < 1) return Fail(res::kConvMsgDay);

    const OldDate date{year, month, fields.leap, day};
    const std::string yearLabel = westernYear ? Format("%d年", year) : EraYearText(era, count);
    switch (m_days->Validate(date)) {
        case COldCalendarDays::Check::Ok:
            break;
        case COldCalendarDays::Check::NoSuchLeapMonth: {
            const int leapMonth = m_days->GetLeapMonth(year);
            return Fail(leapMonth > 0 ? Format(res::kConvMsgNoLeapMonth, yearLabel.c_str(), month, leapMonth)
                                      : Format(res::kConvMsgNoLeapInYear, yearLabel.c_str()));
        }
        case COldCalendarDays::Check::DayOutOfRange:
            return Fail(Format(res::kConvMsgMonthEnd, yearLabel.c_str(), date.leap ? res::kConvLeap : "", month,
                               m_days->GetMonthDays(year, month, date.leap)));
        case COldCalendarDays::Check::YearOutOfRange:
        case COldCalendarDays::Check::MonthOutOfRange:
            return Fail(res::kConvMsgMonth);  // ruled out above
    }
    const long long fixed = m_days->ToFixed(date);
    if (!westernYear && !m_eras->IsInForce(era, fixed)) {
        const CEraTable::Era& e = m_eras->GetEra(era);
        return Fail(fixed < e.first ? Format(res::kConvMsgEraStarts, e.name.c_str(), EraDayText(era, e.first).c_str())
                                    : Format(res::kConvMsgEraEnds, e.name.c_str(), EraDayText(era, e.end - 1).c_str()));
    }
    SetDay(fixed);
    return true;
}

bool CDateConverter::ConvertWestern(const WesternFields& fields) {
    const int year = ParseNumber(fields.year);
    if (year < 1) return Fail(res::kConvMsgYear);
    const int month = ParseNumber(fields.month);
    if (month < 1 || month > 12) return Fail(res::kConvMsgMonth);
    const int day = ParseNumber(fields.day);
    if (day < 1) return Fail(res::kConvMsgDay);
    const int monthDays = fields.julian ? CDayCount::JulianMonthDays(year, month)
                                        : CDayCount::GregorianMonthDays(year, month);
    if (day > monthDays) return Fail(Format(res::kConvMsgWesternMonthEnd, year, month, monthDays));

    const long long fixed = fields.julian ? CDayCount::FromJulian(year, month, day)
                                          : CDayCount::FromGregorian(year, month, day);
    if (fields.julian && fixed >= CDayCount::kGregorianReform)
        return Fail(Format(res::kConvMsgJulianEnd,
                           WesternText(CDayCount::ToJulian(CDayCount::kGregorianReform - 1)).c_str()));
    if (fixed < m_days->GetFirstDay() || fixed > m_days->GetLastDay()) {
        auto text = [&](long long d) {
            return WesternText(fields.julian ? CDayCount::ToJulian(d) : CDayCount::ToGregorian(d));
        };
        return Fail(Format(res::kConvMsgWesternRange, text(m_days->GetFirstDay()).c_str(),
                           text(m_days->GetLastDay()).c_str()));
    }
    SetDay(fixed);
    if (fields.julian) {
        const WesternDate julian = CDayCount::ToJulian(fixed);
        m_westernFields = WesternFields{std::to_string(julian.year), std::to_string(julian.month),
                                        std::to_string(julian.day), true};
    }
    return true;
}

bool CDateConverter::ShowDay(long long fixed) {
    if (fixed < m_days->GetFirstDay() || fixed > m_days->GetLastDay()) return false;
    SetDay(fixed);
    return true;
}

void CDateConverter::SetDay(long long fixed) {
    m_day = fixed;
    m_old = m_days->FromFixed(fixed);
    m_western = CDayCount::ToGregorian(fixed);
    m_message.clear();
    for (std::string& s : m_labels) s.clear();
    for (std::string& s : m_values) s.clear();

    const CEraTable::EraYear main = m_eras->GetMainEra(fixed);
    const CEraTable::EraYear northern = m_eras->GetNorthernEra(fixed);
    const bool westernReckoning = fixed >= CEraTable::WesternReckoningStart();

    m_labels[kRowOld] = res::kConvRowOld;
    if (!westernReckoning && main.Found()) {
        m_values[kRowOld] = OldDateText(EraYearText(main.era, main.year), m_old);
        if (northern.Found()) m_values[kRowOld] += res::kConvSouthernMark;
    } else {
        m_values[kRowOld] = OldDateText(Format("%d年", m_old.year), m_old);
    }
    if (northern.Found()) {
        m_labels[kRowSecond] = res::kConvRowNorthern;
        m_values[kRowSecond] = OldDateText(EraYearText(northern.era, northern.year), m_old);
    } else if (westernReckoning && main.Found()) {
        m_labels[kRowSecond] = res::kConvRowEraWestern;
        m_values[kRowSecond] = EraYearText(main.era, main.year) + Format("%d月%d日", m_western.month, m_western.day);
    }

    const CCalendarNames names;
    const int weekday = names.DayOfWeek(m_western.year, m_western.month, m_western.day);
    m_labels[kRowWestern] = res::kConvRowWestern;
    m_values[kRowWestern] = WesternText(m_western) + Format(res::kConvWeekdayFormat, names.GetWeekdayName(weekday));
    if (fixed < CDayCount::kGregorianReform) {
        m_labels[kRowJulian] = res::kConvRowJulian;
        m_values[kRowJulian] = WesternText(CDayCount::ToJulian(fixed));
    }

    const CSexagenaryNames cycles;
    const int position = m_days->GetPosition(m_old.year, m_old.month, m_old.leap);
    const int dayCycle = m_days->GetTable().GetDayCycle(m_old.year, position, m_old.day);
    const int yearCycle = cycles.GetYearCycle(m_old.year);
    m_labels[kRowDayCycle] = res::kConvRowDayCycle;
    m_values[kRowDayCycle] = Format(res::kConvCycleFormat, cycles.GetCycleName(dayCycle), cycles.GetCycleReading(dayCycle));
    m_labels[kRowYearCycle] = res::kConvRowYearCycle;
    m_values[kRowYearCycle] =
        Format(res::kConvCycleFormat, cycles.GetCycleName(yearCycle), cycles.GetCycleReading(yearCycle));

    if (m_old.year >= kPoetFirstYear && fixed <= m_days->ToFixed(kPoetDeathDay)) {
        m_labels[kRowAge] = res::kConvRowAge;
        m_values[kRowAge] = Format(res::kConvAgeFormat, m_old.year - kPoetFirstYear + 1);
    }

    // Both sides' fields show the day: the era by the old year's count when
    // that year belongs to the era, else the year as a Western number.
    m_oldFields = OldFields{res::kConvWesternYearItem, std::to_string(m_old.year), std::to_string(m_old.month),
                           m_old.leap, std::to_string(m_old.day)};
    if (main.Found()) {
        const int count = m_old.year - m_eras->GetEra(main.era).firstYear + 1;
        if (count >= 1) {
            m_oldFields.era = GetEraItem(main.era);
            m_oldFields.year = std::to_string(count);
        }
    }
    m_westernFields = WesternFields{std::to_string(m_western.year), std::to_string(m_western.month),
                                    std::to_string(m_western.day), false};
}

std::vector<std::pair<std::string, std::string>> CDateConverter::GetShownRows() const {
    std::vector<std::pair<std::string, std::string>> rows;
    for (int row = 0; row < kRowCount; ++row)
        if (!m_labels[row].empty()) rows.emplace_back(m_labels[row], m_values[row]);
    return rows;
}

int CDateConverter::GetCalendarYear() const {
    if (!HasDay() || m_old.year < kFirstCalendarYear || m_old.year > kLastCalendarYear) return 0;
    return m_old.year;
}
