# Clang has no -fexec-charset=CP932. With clang (the fuzz build) the Qt-free
# sources are compiled from copies whose narrow literals are rewritten as
# Shift-JIS octal escapes by tools/cp932_literals.py; the copies of the
# headers come first on the include path. Included last of the parts so that
# the generated sources of the other parts are rewritten as well.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  set(KIROKAN_CP932_FLAGS -finput-charset=UTF-8)
  set(kirokan_literal_tool ${CMAKE_CURRENT_SOURCE_DIR}/tools/cp932_literals.py)
  set(kirokan_mirror ${CMAKE_BINARY_DIR}/cp932)

  # Headers of the core and the fuzz targets: rewritten now, and again
  # whenever one of them changes (the change re-runs this configuration).
  set(kirokan_mirror_headers)
  foreach(dir IN LISTS KIROKAN_DIRS ITEMS fuzz)
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h)
    list(APPEND kirokan_mirror_headers ${headers})
  endforeach()
  foreach(src IN LISTS kirokan_mirror_headers)
    file(RELATIVE_PATH rel ${CMAKE_CURRENT_SOURCE_DIR} ${src})
    get_filename_component(out_dir ${kirokan_mirror}/${rel} DIRECTORY)
    file(MAKE_DIRECTORY ${out_dir})
    execute_process(COMMAND ${Python3_EXECUTABLE} ${kirokan_literal_tool} ${src} ${kirokan_mirror}/${rel}
                    RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "cannot rewrite the literals of ${src}")
    endif()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${src})
  endforeach()
  include_directories(BEFORE ${kirokan_mirror})

  # Sources (also the generated ones): rewritten at build time.
  set(rewritten_core)
  foreach(src IN LISTS KIROKAN_CORE_SOURCES)
    file(RELATIVE_PATH rel ${CMAKE_CURRENT_SOURCE_DIR} ${src})
    get_filename_component(out_dir ${kirokan_mirror}/${rel} DIRECTORY)
    file(MAKE_DIRECTORY ${out_dir})
    add_custom_command(OUTPUT ${kirokan_mirror}/${rel}
      COMMAND ${Python3_EXECUTABLE} ${kirokan_literal_tool} ${src} ${kirokan_mirror}/${rel}
      DEPENDS ${src} ${kirokan_literal_tool} VERBATIM)
    list(APPEND rewritten_core ${kirokan_mirror}/${rel})
  endforeach()
  set(KIROKAN_CORE_SOURCES ${rewritten_core})

  set(rewritten_generated)
  foreach(src IN LISTS KIROKAN_GENERATED_SOURCES)
    get_filename_component(name ${src} NAME)
    add_custom_command(OUTPUT ${kirokan_mirror}/generated/${name}
      COMMAND ${Python3_EXECUTABLE} ${kirokan_literal_tool} ${src} ${kirokan_mirror}/generated/${name}
      DEPENDS ${src} ${kirokan_literal_tool} VERBATIM)
    list(APPEND rewritten_generated ${kirokan_mirror}/generated/${name})
  endforeach()
  file(MAKE_DIRECTORY ${kirokan_mirror}/generated)
  set(KIROKAN_GENERATED_SOURCES ${rewritten_generated})
endif()
