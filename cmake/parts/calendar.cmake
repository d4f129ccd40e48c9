# The old-calendar month data (calendar/old-calendar.tsv) becomes the compiled
# rows of the year table: one generated source that kirokan_core compiles.
set(KIROKAN_OLD_CALENDAR_TSV ${CMAKE_CURRENT_SOURCE_DIR}/calendar/old-calendar.tsv)
set(KIROKAN_OLD_CALENDAR_GENERATOR ${CMAKE_CURRENT_SOURCE_DIR}/cmake/GenerateOldCalendarRows.cmake)
set(KIROKAN_OLD_CALENDAR_CPP ${CMAKE_BINARY_DIR}/generated/OldCalendarRows.cpp)

add_custom_command(
  OUTPUT ${KIROKAN_OLD_CALENDAR_CPP}
  COMMAND ${CMAKE_COMMAND} -DINPUT=${KIROKAN_OLD_CALENDAR_TSV} -DOUTPUT=${KIROKAN_OLD_CALENDAR_CPP}
          -P ${KIROKAN_OLD_CALENDAR_GENERATOR}
  DEPENDS ${KIROKAN_OLD_CALENDAR_TSV} ${KIROKAN_OLD_CALENDAR_GENERATOR} ${CMAKE_CURRENT_SOURCE_DIR}/cmake/ReadTsvRows.cmake
  COMMENT "Compiling the old-calendar month data"
  VERBATIM)

list(APPEND KIROKAN_GENERATED_SOURCES ${KIROKAN_OLD_CALENDAR_CPP})
