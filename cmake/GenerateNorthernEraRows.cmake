# Turns calendar/northern-court-eras.tsv into the compiled rows of the
# northern court's eras (kNorthernEraRows, calendar/NorthernEraRow.h).
#   cmake -DINPUT=<tsv> -DOUTPUT=<cpp> -P GenerateNorthernEraRows.cmake
#
# Columns: line (北 or 合), era name, old-calendar year, month, leap flag,
# day, source key. The rows must run in increasing order of their days.
if(NOT INPUT OR NOT OUTPUT)
  message(FATAL_ERROR "usage: cmake -DINPUT=<tsv> -DOUTPUT=<cpp> -P ${CMAKE_CURRENT_LIST_FILE}")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/ReadTsvRows.cmake)
kirokan_read_tsv_rows(${INPUT} "^line\tera\tyear\tmonth\tleap\tday\tsource$" 7 lines)

set(body "")
set(count 0)
set(previous 0)
foreach(line IN LISTS lines)
  string(REPLACE "\t" ";" cols "${line}")
  list(GET cols 0 kind)
  list(GET cols 1 era)
  list(GET cols 2 year)
  list(GET cols 3 month)
  list(GET cols 4 leap)
  list(GET cols 5 day)
  if(kind STREQUAL "北")
    set(joins false)
  elseif(kind STREQUAL "合")
    set(joins true)
  else()
    message(FATAL_ERROR "${INPUT}: the line must be 北 or 合: ${line}")
  endif()
  if(era STREQUAL "" OR NOT year MATCHES "^1[0-9][0-9][0-9]$" OR NOT month MATCHES "^([1-9]|1[0-2])$"
     OR NOT leap MATCHES "^[01]$" OR NOT day MATCHES "^([1-9]|[12][0-9]|30)$")
    message(FATAL_ERROR "${INPUT}: bad row: ${line}")
  endif()
  # A sort key that puts a leap month after its regular month.
  math(EXPR key "(${year} * 100 + ${month} * 2 + ${leap}) * 100 + ${day}")
  if(NOT key GREATER previous)
    message(FATAL_ERROR "${INPUT}: the rows must be in order of their days: ${line}")
  endif()
  set(previous ${key})
  if(leap)
    set(leap true)
  else()
    set(leap false)
  endif()
  string(APPEND body "    {${joins}, \"${era}\", ${year}, ${month}, ${leap}, ${day}},\n")
  math(EXPR count "${count} + 1")
endforeach()

set(content "// Generated from calendar/northern-court-eras.tsv by cmake/GenerateNorthernEraRows.cmake.
// Do not edit: change the data file instead.
#include \"calendar/NorthernEraRow.h\"

const NorthernEraRow kNorthernEraRows[] = {
${body}};
const int kNorthernEraRowCount = ${count};
")

file(WRITE ${OUTPUT} "${content}")
