# The museum's data: the UTF-8 sources in museum/TxtData become the Shift-JIS
# TxtData directory of the build tree (${CMAKE_BINARY_DIR}/museum/TxtData),
# and kirono.txt is written from the haiku catalogue, the register and the
# hand-written notes in museum/notes.
# The run command starts the program in ${CMAKE_BINARY_DIR}/museum.

# The converter is a host tool: no CP932 literal flags, but it uses the core's
# codec (platform::Utf8ToCp932) to convert.
add_executable(MakeTxtData ${CMAKE_CURRENT_SOURCE_DIR}/tools/MakeTxtData.cpp)
target_link_libraries(MakeTxtData PRIVATE kirokan_core)
target_include_directories(MakeTxtData PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})

set(KIROKAN_MUSEUM_DIR ${CMAKE_BINARY_DIR}/museum)
set(KIROKAN_TXTDATA_DIR ${KIROKAN_MUSEUM_DIR}/TxtData)
set(KIROKAN_CATALOGUE ${CMAKE_CURRENT_SOURCE_DIR}/haiku/catalogue.tsv)
set(KIROKAN_REGISTER ${CMAKE_CURRENT_SOURCE_DIR}/haiku/register.tsv)
set(KIROKAN_NOTES_DIR ${CMAKE_CURRENT_SOURCE_DIR}/museum/notes)
file(GLOB KIROKAN_NOTES_SOURCES CONFIGURE_DEPENDS ${KIROKAN_NOTES_DIR}/*.txt)

file(GLOB KIROKAN_MUSEUM_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/museum/TxtData/*.txt)
set(KIROKAN_MUSEUM_OUTPUTS ${KIROKAN_TXTDATA_DIR}/kirono.txt)
foreach(src IN LISTS KIROKAN_MUSEUM_SOURCES)
  get_filename_component(name ${src} NAME)
  list(APPEND KIROKAN_MUSEUM_OUTPUTS ${KIROKAN_TXTDATA_DIR}/${name})
endforeach()

# The register may not exist yet; the tool then numbers by catalogue id. The
# glob makes a newly added register.tsv re-run the configure step.
file(GLOB KIROKAN_REGISTER_FOUND CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/haiku/register.tsv)

add_custom_command(
  OUTPUT ${KIROKAN_MUSEUM_OUTPUTS}
  COMMAND MakeTxtData --catalogue ${KIROKAN_CATALOGUE} --register ${KIROKAN_REGISTER}
          --notes ${KIROKAN_NOTES_DIR} --out ${KIROKAN_TXTDATA_DIR} --kirono ${KIROKAN_MUSEUM_SOURCES}
  DEPENDS MakeTxtData ${KIROKAN_CATALOGUE} ${KIROKAN_REGISTER_FOUND} ${KIROKAN_NOTES_SOURCES}
          ${KIROKAN_MUSEUM_SOURCES}
  COMMENT "Writing the museum's TxtData (Shift-JIS)"
  VERBATIM)
add_custom_target(museum_txtdata ALL DEPENDS ${KIROKAN_MUSEUM_OUTPUTS})

# The converter must refuse what cannot be shipped.
if(BUILD_TESTING)
  set(_bad ${CMAKE_CURRENT_SOURCE_DIR}/tests/museum)
  add_test(NAME museum_rejects_non_cp932
           COMMAND MakeTxtData --catalogue ${KIROKAN_CATALOGUE} --register ${KIROKAN_REGISTER}
                   --out ${CMAKE_BINARY_DIR}/museum-rejects ${_bad}/not_cp932.txt)
  add_test(NAME museum_rejects_unknown_haiku
           COMMAND MakeTxtData --catalogue ${KIROKAN_CATALOGUE} --register ${KIROKAN_REGISTER}
                   --out ${CMAKE_BINARY_DIR}/museum-rejects ${_bad}/unknown_haiku.txt)
  add_test(NAME museum_rejects_unknown_placeholder
           COMMAND MakeTxtData --catalogue ${KIROKAN_CATALOGUE} --register ${KIROKAN_REGISTER}
                   --out ${CMAKE_BINARY_DIR}/museum-rejects ${_bad}/unknown_placeholder.txt)
  # The source of this test writes the character as an escape: no file of
  # the tree holds it.
  add_test(NAME museum_rejects_the_pen_name
           COMMAND sh -c "mkdir -p museum-rejects && printf '[*]\\n1:a\\n2:b\\n2:\\345\\272\\265\\350\\225\\211\\n' > museum-rejects/pen_name.txt && $<TARGET_FILE:MakeTxtData> --catalogue ${KIROKAN_CATALOGUE} --register ${KIROKAN_REGISTER} --out museum-rejects/out museum-rejects/pen_name.txt"
           WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  set_tests_properties(museum_rejects_the_pen_name PROPERTIES
                       PASS_REGULAR_EXPRESSION "pen_name.txt:4: holds a character of the poet's historical name")
  set_tests_properties(museum_rejects_non_cp932 PROPERTIES
                       PASS_REGULAR_EXPRESSION "not_cp932.txt:2: character .* has no Shift-JIS form")
  set_tests_properties(museum_rejects_unknown_haiku PROPERTIES
                       PASS_REGULAR_EXPRESSION "unknown_haiku.txt:3: catalogue id 99999 is not registered")
  set_tests_properties(museum_rejects_unknown_placeholder PROPERTIES
                       PASS_REGULAR_EXPRESSION "unknown_placeholder.txt:3: unknown placeholder")
endif()

# The core tests check the shipped files in the build tree's museum directory,
# so they need it built. The targets exist only after every part is read.
function(kirokan_museum_hook_tests)
  if(TARGET core_tests)
    add_dependencies(core_tests museum_txtdata)
    target_compile_definitions(core_tests PRIVATE KIROKAN_MUSEUM_DIR="${KIROKAN_MUSEUM_DIR}")
  endif()
endfunction()
cmake_language(DEFER CALL kirokan_museum_hook_tests)
