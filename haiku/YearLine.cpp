#include "haiku/YearLine.h"

#include <cstdio>

#include "calendar/OldCalendarTable.h"
#include "calendar/SexagenaryNames.h"
#include "haiku/HaikuTable.h"

namespace haiku {
namespace {

std::string YearPart(int year, const CHaikuTable& table, const COldCalendarTable& calendar,
                     const CSexagenaryNames& cycles) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%s %d年%s(%d)(%d才)", calendar.GetEraName(year),
                  calendar.GetEraYear(year), cycles.GetCycleName(cycles.GetYearCycle(year)), year,
                  table.AgeInYear(year));
    return buffer;
}

}  // namespace

std::string FormatYearLine(int year, int yearFrom, const CHaikuTable& table,
                           const COldCalendarTable& calendar, const CSexagenaryNames& cycles) {
    if (yearFrom == 0) return YearPart(year, table, calendar, cycles);
    return YearPart(yearFrom, table, calendar, cycles) + "～" +
           YearPart(year, table, calendar, cycles);
}

}  // namespace haiku
