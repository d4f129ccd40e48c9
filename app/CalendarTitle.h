#pragma once
// The title of the calendar command's document window:
// "旧暦／西暦対照表 旧暦  %d年(%s %d年 %s)" (two blanks after 旧暦) with the
// year, its era name, era year and sexagenary name, at most 127 bytes.
#include <string>
#include <string_view>

// Formats the title from the given names.
std::string FormatCalendarTitle(int year, std::string_view eraName, int eraYear,
                                std::string_view cycleName);

// The title for year, with the names taken from the old-calendar table and
// the sexagenary names (the calendar command always passes 1644).
std::string CalendarDocTitle(int year);
