# Shared by the generators that turn a data file of tab-separated columns
# into compiled rows (run with cmake -P).
#
# kirokan_read_tsv_rows(<input> <header-regex> <columns> <out-var>) sets
# out-var to the file's rows after its column header line, empty lines left
# out, each row still tab-separated. It stops with an error when the first
# line does not match header-regex or a row has another number of columns.
function(kirokan_read_tsv_rows input header_regex columns out_var)
  file(STRINGS ${input} lines ENCODING UTF-8)
  list(POP_FRONT lines header)
  if(NOT header MATCHES "${header_regex}")
    message(FATAL_ERROR "${input}: the first line must be the column header")
  endif()
  set(rows "")
  foreach(line IN LISTS lines)
    if(line STREQUAL "")
      continue()
    endif()
    string(REPLACE "\t" ";" cols "${line}")
    list(LENGTH cols ncols)
    if(NOT ncols EQUAL columns)
      message(FATAL_ERROR "${input}: expected ${columns} columns: ${line}")
    endif()
    list(APPEND rows "${line}")
  endforeach()
  set(${out_var} "${rows}" PARENT_SCOPE)
endfunction()
