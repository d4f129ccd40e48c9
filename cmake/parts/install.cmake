# Installation: the program, the bundled museum data, the desktop entry and
# the icons. Run at the end of the top directory, when the program's targets
# and the museum data's paths are known.

set(KIROKAN_APP_ID io.github.kirokan.Kirokan)
set(KIROKAN_ICON_SIZES 16 24 32 48 64 128 256)

function(kirokan_install_rules)
  if(NOT KIROKAN_UI)
    return()
  endif()
  set(data_dir ${CMAKE_INSTALL_DATADIR}/kirokan)

  # The museum data: the program's working directory holds TxtData.
  install(DIRECTORY ${CMAKE_BINARY_DIR}/museum/TxtData DESTINATION ${data_dir} OPTIONAL)

  # The desktop entry starts the program in the data directory.
  set(desktop ${CMAKE_BINARY_DIR}/desktop/${KIROKAN_APP_ID}.desktop)
  file(CONFIGURE OUTPUT ${desktop} CONTENT "[Desktop Entry]
Type=Application
Name=Kirokan
Name[ja]=『キロノ』博物館
GenericName=Haiku museum
GenericName[ja]=俳句の博物館
Comment=The haiku, works, life and calendar of the poet キロノ
Comment[ja]=俳人キロノの俳句・作品・生涯・暦
Exec=${CMAKE_INSTALL_FULL_BINDIR}/kirokan
Path=${CMAKE_INSTALL_FULL_DATADIR}/kirokan
Icon=${KIROKAN_APP_ID}
Terminal=false
Categories=Education;Literature;
StartupNotify=true
")
  install(FILES ${desktop} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

  # The icon, drawn by the program's own painter at each theme size.
  add_executable(render_icons ${CMAKE_CURRENT_SOURCE_DIR}/tools/RenderIcons.cpp)
  target_link_libraries(render_icons PRIVATE kirokan_ui)
  set(icon_dir ${CMAKE_BINARY_DIR}/icons/hicolor)
  set(icon_files)
  foreach(size IN LISTS KIROKAN_ICON_SIZES)
    list(APPEND icon_files ${icon_dir}/${size}x${size}/apps/${KIROKAN_APP_ID}.png)
  endforeach()
  add_custom_command(
    OUTPUT ${icon_files}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:render_icons> ${icon_dir} ${KIROKAN_APP_ID} ${KIROKAN_ICON_SIZES}
    DEPENDS render_icons
    COMMENT "Drawing the desktop icons"
    VERBATIM)
  add_custom_target(kirokan_icons ALL DEPENDS ${icon_files})
  foreach(size IN LISTS KIROKAN_ICON_SIZES)
    install(FILES ${icon_dir}/${size}x${size}/apps/${KIROKAN_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
endfunction()

cmake_language(DEFER CALL kirokan_install_rules)

# A developer tool: start-up timing and the main window's screenshot.
function(kirokan_showcase_tool)
  if(KIROKAN_UI)
    add_executable(kirokan_showcase ${CMAKE_CURRENT_SOURCE_DIR}/tools/ShellShowcase.cpp)
    target_link_libraries(kirokan_showcase PRIVATE kirokan_ui)
  endif()
endfunction()
cmake_language(DEFER CALL kirokan_showcase_tool)
