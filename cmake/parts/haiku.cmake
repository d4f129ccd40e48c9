# The haiku register: haiku/register.tsv (checked in, the record of the numbers)
# is refreshed from haiku/catalogue.tsv and haiku/creatures.tsv by
# derive_register, and --gen_haiku_rows--> generated/HaikuRows.cpp (compiled rows).
# Both tools are host programs without the Shift-JIS flags.

add_executable(derive_register ${CMAKE_CURRENT_SOURCE_DIR}/tools/DeriveRegister.cpp)
add_executable(gen_haiku_rows ${CMAKE_CURRENT_SOURCE_DIR}/tools/GenHaikuRows.cpp)

set(KIROKAN_HAIKU_CATALOGUE ${CMAKE_CURRENT_SOURCE_DIR}/haiku/catalogue.tsv)
set(KIROKAN_HAIKU_REGISTER ${CMAKE_CURRENT_SOURCE_DIR}/haiku/register.tsv)
set(KIROKAN_HAIKU_CREATURES ${CMAKE_CURRENT_SOURCE_DIR}/haiku/creatures.tsv)
set(KIROKAN_HAIKU_ROWS_CPP ${CMAKE_BINARY_DIR}/generated/HaikuRows.cpp)

file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/generated)
add_custom_command(
  OUTPUT ${KIROKAN_HAIKU_ROWS_CPP}
  COMMAND gen_haiku_rows ${KIROKAN_HAIKU_REGISTER} ${KIROKAN_HAIKU_ROWS_CPP}
  DEPENDS gen_haiku_rows ${KIROKAN_HAIKU_REGISTER}
  COMMENT "Generating the compiled haiku rows from haiku/register.tsv"
  VERBATIM)
list(APPEND KIROKAN_GENERATED_SOURCES ${KIROKAN_HAIKU_ROWS_CPP})

# Where the tests find the register to compare the compiled rows with.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/HaikuRegisterPath.h
  CONTENT "#pragma once\n#define KIROKAN_HAIKU_REGISTER_TSV \"${KIROKAN_HAIKU_REGISTER}\"\n")

# The checked-in register must be exactly its refresh: numbers whole, texts,
# datings and creatures as the catalogue and the creature list give them.
add_test(NAME haiku_register_is_derived
  COMMAND derive_register --check ${KIROKAN_HAIKU_CATALOGUE} ${KIROKAN_HAIKU_CREATURES} ${KIROKAN_HAIKU_REGISTER})

# Refreshes haiku/register.tsv after a change of the catalogue or the creature
# list; the numbers stay as they are.
add_custom_target(update_register
  COMMAND derive_register ${KIROKAN_HAIKU_CATALOGUE} ${KIROKAN_HAIKU_CREATURES} ${KIROKAN_HAIKU_REGISTER}
  DEPENDS derive_register
  COMMENT "Refreshing haiku/register.tsv from haiku/catalogue.tsv"
  VERBATIM)
