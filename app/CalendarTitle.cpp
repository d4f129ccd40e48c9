#include "app/CalendarTitle.h"

#include <cstdio>

#include <algorithm>

#include "calendar/OldCalendarTable.h"
#include "calendar/SexagenaryNames.h"
#include "platform/ShiftJis.h"

std::string FormatCalendarTitle(int year, std::string_view eraName, int eraYear,
                                std::string_view cycleName) {
    // The main frame's 128-byte title buffer.
    char title[128];
    const std::string era(eraName), cycle(cycleName);
    const int n = std::snprintf(title, sizeof title, "%s 旧暦  %d年(%s %d年 %s)", "旧暦／西暦対照表", year,
                                era.c_str(), eraYear, cycle.c_str());
    if (n < 0) return {};
    const std::string_view text(title, std::min<std::size_t>(static_cast<std::size_t>(n), sizeof title - 1));
    // Never end inside a double-byte character.
    return std::string(text.substr(0, platform::CharBoundaryPrefix(text, text.size())));
}

std::string CalendarDocTitle(int year) {
    // Built from temporary tables each time, as the command does.
    const COldCalendarTable table;
    const CSexagenaryNames names;
    return FormatCalendarTitle(year, table.GetEraName(year), table.GetEraYear(year), names.GetCycleName(year));
}
