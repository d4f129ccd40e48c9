# The northern court's eras (calendar/northern-court-eras.tsv) become compiled
# rows for the date converter's era table.
set(KIROKAN_NORTHERN_ERAS_TSV ${CMAKE_CURRENT_SOURCE_DIR}/calendar/northern-court-eras.tsv)
set(KIROKAN_NORTHERN_ERAS_GENERATOR ${CMAKE_CURRENT_SOURCE_DIR}/cmake/GenerateNorthernEraRows.cmake)
set(KIROKAN_NORTHERN_ERAS_CPP ${CMAKE_BINARY_DIR}/generated/NorthernEraRows.cpp)

add_custom_command(
  OUTPUT ${KIROKAN_NORTHERN_ERAS_CPP}
  COMMAND ${CMAKE_COMMAND} -DINPUT=${KIROKAN_NORTHERN_ERAS_TSV} -DOUTPUT=${KIROKAN_NORTHERN_ERAS_CPP}
          -P ${KIROKAN_NORTHERN_ERAS_GENERATOR}
  DEPENDS ${KIROKAN_NORTHERN_ERAS_TSV} ${KIROKAN_NORTHERN_ERAS_GENERATOR} ${CMAKE_CURRENT_SOURCE_DIR}/cmake/ReadTsvRows.cmake
  COMMENT "Compiling the northern court's eras"
  VERBATIM)

list(APPEND KIROKAN_GENERATED_SOURCES ${KIROKAN_NORTHERN_ERAS_CPP})
