# Turns calendar/old-calendar.tsv into the compiled rows of the old-calendar
# year table (kOldCalendarRows, calendar/OldCalendarRow.h).
#   cmake -DINPUT=<tsv> -DOUTPUT=<cpp> -P GenerateOldCalendarRows.cmake
#
# Columns: year, flags (12 letters, B = big month, S = small month, months
# 1..12), N (the month the leap month follows, 0 = none), leap flag, days in
# year, era name, era year. The years must run from 593 to 2051 without a
# gap, and the days column must equal the sum of the month lengths.
if(NOT INPUT OR NOT OUTPUT)
  message(FATAL_ERROR "usage: cmake -DINPUT=<tsv> -DOUTPUT=<cpp> -P ${CMAKE_CURRENT_LIST_FILE}")
endif()

set(first_year 593)
set(last_year 2051)

include(${CMAKE_CURRENT_LIST_DIR}/ReadTsvRows.cmake)
kirokan_read_tsv_rows(${INPUT} "^year\t" 7 lines)

set(body "")
set(expected ${first_year})
foreach(line IN LISTS lines)
  string(REPLACE "\t" ";" cols "${line}")
  list(GET cols 0 year)
  list(GET cols 1 flags)
  list(GET cols 2 leap_after)
  list(GET cols 3 leap_flag)
  list(GET cols 4 days)
  list(GET cols 5 era)
  list(GET cols 6 era_year)

  if(NOT year EQUAL expected)
    message(FATAL_ERROR "${INPUT}: year ${expected} expected, found ${year}")
  endif()
  if(NOT flags MATCHES "^[BS][BS][BS][BS][BS][BS][BS][BS][BS][BS][BS][BS]$")
    message(FATAL_ERROR "${INPUT}: ${year}: twelve letters B or S expected: ${flags}")
  endif()
  if(NOT leap_after MATCHES "^([0-9]|1[0-2])$" OR NOT leap_flag MATCHES "^[01]$")
    message(FATAL_ERROR "${INPUT}: ${year}: bad leap month data: ${leap_after} ${leap_flag}")
  endif()
  if(NOT era_year MATCHES "^[1-9][0-9]*$" OR era STREQUAL "")
    message(FATAL_ERROR "${INPUT}: ${year}: bad era: ${era} ${era_year}")
  endif()

  # The days column checks the letters: 29 days a month, one more per big month.
  string(REGEX MATCHALL "B" big "${flags}")
  list(LENGTH big nbig)
  if(leap_after EQUAL 0)
    math(EXPR sum "12 * 29 + ${nbig}")
  else()
    math(EXPR sum "13 * 29 + ${nbig} + ${leap_flag}")
  endif()
  if(NOT sum EQUAL days)
    message(FATAL_ERROR "${INPUT}: ${year}: the months add up to ${sum} days, the file says ${days}")
  endif()

  string(REPLACE "B" "1, " numeric "${flags}")
  string(REPLACE "S" "0, " numeric "${numeric}")
  string(REGEX REPLACE ", $" "" numeric "${numeric}")
  string(APPEND body "    {${year}, {${numeric}}, ${leap_after}, ${leap_flag}, \"${era}\", ${era_year}},\n")
  math(EXPR expected "${year} + 1")
endforeach()

math(EXPR end_year "${last_year} + 1")
if(NOT expected EQUAL end_year)
  message(FATAL_ERROR "${INPUT}: the years must end with ${last_year} (next year: ${expected})")
endif()

set(content "// Generated from calendar/old-calendar.tsv by cmake/GenerateOldCalendarRows.cmake.
// Do not edit: change the data file instead.
#include \"calendar/OldCalendarRow.h\"

const OldCalendarRow kOldCalendarRows[kOldCalendarRowCount] = {
${body}};
")

file(WRITE ${OUTPUT} "${content}")
