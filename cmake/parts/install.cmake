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

  # The desktop entry starts the program by name: it finds the museum
  # installed beside it, wherever the installation is (any --prefix, DESTDIR).
  install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/dist/${KIROKAN_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/dist/${KIROKAN_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/dist/kirokan.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

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

# The desktop entry and the AppStream metadata must pass their validators
# (skipped, with a message, where the validators are not installed).
if(BUILD_TESTING)
  add_test(NAME desktop_entry_is_valid
           COMMAND sh -c "command -v desktop-file-validate >/dev/null || { echo 'SKIP: desktop-file-validate is not installed'; exit 0; }; desktop-file-validate '${CMAKE_CURRENT_SOURCE_DIR}/dist/${KIROKAN_APP_ID}.desktop'")
  add_test(NAME metainfo_is_valid
           COMMAND sh -c "command -v appstreamcli >/dev/null || { echo 'SKIP: appstreamcli is not installed'; exit 0; }; appstreamcli validate --no-net --pedantic '${CMAKE_CURRENT_SOURCE_DIR}/dist/${KIROKAN_APP_ID}.metainfo.xml'")
  set_tests_properties(desktop_entry_is_valid metainfo_is_valid PROPERTIES SKIP_REGULAR_EXPRESSION "SKIP:")
endif()

# A Debian package: cpack -G DEB in the build directory.
set(CPACK_PACKAGE_NAME kirokan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The kirokan developers <kirokan@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop museum of the haiku poet Kirono")
set(CPACK_PACKAGE_DESCRIPTION "The poet's 1,017 haiku with their notes, the travel journals and works,
the chronology, disciples, memorial halls and monuments, a glossary, and
the old Japanese calendar of 1644-1694 day by day beside the Gregorian dates.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts that stand in for the Gothic faces the museum is laid out in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_GENERATOR DEB)
include(CPack)

# A developer tool: start-up timing and the main window's screenshot.
function(kirokan_showcase_tool)
  if(KIROKAN_UI)
    add_executable(kirokan_showcase ${CMAKE_CURRENT_SOURCE_DIR}/tools/ShellShowcase.cpp)
    target_link_libraries(kirokan_showcase PRIVATE kirokan_ui)
  endif()
endfunction()
cmake_language(DEFER CALL kirokan_showcase_tool)
