# text_window_shots: pictures of the text windows on a data directory
# (docs/screenshots). A Qt program of its own, built with the program.
if(KIROKAN_UI)
  add_executable(text_window_shots ${CMAKE_CURRENT_SOURCE_DIR}/tools/TextWindowShots.cpp)
  target_link_libraries(text_window_shots PRIVATE kirokan_ui)
endif()
