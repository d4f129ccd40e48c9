#pragma once
// The year line of a haiku: era name, era year, sexagenary name, Western
// year and the poet's age, e.g. "寛文 2年壬寅(1662)(19才)", or two such parts
// joined by "～" for a span of years. Shared by the haiku list and the card.
#include <string>

class COldCalendarTable;
class CSexagenaryNames;
class CHaikuTable;

namespace haiku {

// The year line for year Y with the span start F (0 for no span); Shift-JIS.
std::string FormatYearLine(int year, int yearFrom, const CHaikuTable& table,
                           const COldCalendarTable& calendar, const CSexagenaryNames& cycles);

}  // namespace haiku
