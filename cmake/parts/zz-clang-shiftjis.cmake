# clang has no CP932 execution character set. In a clang build (the fuzz
# build) the Qt-free sources and headers are compiled from copies in which
# every non-ASCII character is written as the octal escapes of its
# Shift-JIS bytes, which gives the same narrow literals as
# -fexec-charset=CP932 does with gcc. The fuzz build also instruments the
# core for libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  if(KIROKAN_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                        -fsanitize-coverage-ignorelist=${CMAKE_CURRENT_SOURCE_DIR}/fuzz/coverage-ignorelist.txt)
    add_link_options(-fsanitize=address,undefined)
  endif()

  add_executable(cp932_escape ${CMAKE_CURRENT_SOURCE_DIR}/tools/Cp932Escape.cpp)
  set(KIROKAN_ESCAPED_DIR ${CMAKE_BINARY_DIR}/cp932src)

  # Escaped copy of one file; its path relative to the mirror is rel.
  function(kirokan_escape src rel out_var)
    set(out ${KIROKAN_ESCAPED_DIR}/${rel})
    get_filename_component(out_dir ${out} DIRECTORY)
    file(MAKE_DIRECTORY ${out_dir})
    add_custom_command(OUTPUT ${out}
      COMMAND cp932_escape ${src} ${out}
      DEPENDS cp932_escape ${src}
      COMMENT "Escaping ${rel} for the Shift-JIS literals"
      VERBATIM)
    set(${out_var} ${out} PARENT_SCOPE)
  endfunction()

  set(escaped)
  foreach(dir IN LISTS KIROKAN_DIRS)
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h)
    foreach(h IN LISTS headers)
      get_filename_component(name ${h} NAME)
      kirokan_escape(${h} ${dir}/${name} out)
      list(APPEND escaped ${out})
    endforeach()
  endforeach()
  foreach(src IN LISTS KIROKAN_CORE_SOURCES KIROKAN_GENERATED_SOURCES)
    file(RELATIVE_PATH rel ${CMAKE_CURRENT_SOURCE_DIR} ${src})
    if(rel MATCHES "^\\.\\.")
      file(RELATIVE_PATH rel ${CMAKE_BINARY_DIR} ${src})
    endif()
    kirokan_escape(${src} ${rel} out)
    list(APPEND escaped ${out})
  endforeach()

  set(KIROKAN_CORE_SOURCES ${escaped})
  set(KIROKAN_GENERATED_SOURCES)
  set(KIROKAN_CP932_FLAGS)
  include_directories(BEFORE ${KIROKAN_ESCAPED_DIR} ${KIROKAN_ESCAPED_DIR}/generated)
endif()
