# What `cmake --install BUILD --prefix P` lays out:
#   P/bin/kestrelmoore
#   P/share/kestrelmoore/Kestrelmoore_res.dat
#   P/share/applications/kestrelmoore.desktop
#   P/share/icons/hicolor/NxN/apps/kestrelmoore.png   (N = 32, 64, 128, 256)
#   P/share/man/man6/kestrelmoore.6
#   P/share/metainfo/org.example.kestrelmoore.metainfo.xml     (cmake/KmPackage.cmake)
# The prefix may change at install time, so the game finds its pack relative to its
# own folder (KM_PACK_FROM_BIN), never by an absolute path fixed when configuring.
# scripts/install-check tests the result.
if(KM_FUZZ)
  return()
endif()

include(GNUInstallDirs)

# The desktop file, the icons, the window class and the data folder share one name.
set(KM_APP_ID kestrelmoore)

if(TARGET kestrelmoore)
  install(TARGETS kestrelmoore RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  file(RELATIVE_PATH KM_PACK_FROM_BIN
       /${CMAKE_INSTALL_BINDIR} /${CMAKE_INSTALL_DATADIR}/${KM_APP_ID})
  target_compile_definitions(kestrelmoore PRIVATE KM_PACK_FROM_BIN="${KM_PACK_FROM_BIN}")
endif()

# The pack is built by tools/packgen (target resource_pack) into the build folder.
install(FILES ${CMAKE_BINARY_DIR}/Kestrelmoore_res.dat
        DESTINATION ${CMAKE_INSTALL_DATADIR}/${KM_APP_ID})

install(FILES ${PROJECT_SOURCE_DIR}/dist/${KM_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# Icons: drawn by packgen from the splash emblem (tools/packgen/IconWriter).
set(KM_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(KM_ICONS)
foreach(size 32 64 128 256)
  list(APPEND KM_ICONS ${KM_ICON_DIR}/hicolor/${size}x${size}/apps/${KM_APP_ID}.png)
endforeach()
add_custom_command(
  OUTPUT ${KM_ICONS}
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 $<TARGET_FILE:packgen> --icons ${KM_ICON_DIR}
  # packgen leaves an unchanged icon alone; touching keeps the outputs newer than packgen.
  COMMAND ${CMAKE_COMMAND} -E touch ${KM_ICONS}
  DEPENDS packgen
  COMMENT "Drawing the desktop icons"
  VERBATIM)
add_custom_target(desktop_icons ALL DEPENDS ${KM_ICONS})
install(DIRECTORY ${KM_ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

configure_file(${PROJECT_SOURCE_DIR}/dist/${KM_APP_ID}.6.in ${CMAKE_BINARY_DIR}/${KM_APP_ID}.6 @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${KM_APP_ID}.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
