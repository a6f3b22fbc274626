# The Debian package, made by `cpack -G DEB` in the build folder (or `make package`
# at the root) as kestrelmoore_<version>_<arch>.deb:
#   /usr/games/kestrelmoore
#   /usr/share/games/kestrelmoore/Kestrelmoore_res.dat
#   /usr/share/applications/kestrelmoore.desktop
#   /usr/share/icons/hicolor/NxN/apps/kestrelmoore.png   (N = 32, 64, 128, 256)
#   /usr/share/man/man6/kestrelmoore.6.gz
#   /usr/share/metainfo/org.example.kestrelmoore.metainfo.xml
#   /usr/share/doc/kestrelmoore/copyright, changelog.gz
# Debian keeps games in /usr/games and their data in /usr/share/games, which is not
# the layout of `cmake --install`, so the package has its own install component,
# left out of a plain `cmake --install`. The game looks for its pack relative to
# itself in both layouts (src/app/main.cpp). scripts/deb-check tests the result.
if(KM_FUZZ OR NOT TARGET kestrelmoore)
  return()
endif()

set(KM_METAINFO_ID org.example.kestrelmoore)
set(KM_PACKAGE_GAMES_DIR games)
set(KM_PACKAGE_DATA_DIR share/games/${KM_APP_ID})
file(RELATIVE_PATH KM_PACKAGE_PACK_FROM_BIN /${KM_PACKAGE_GAMES_DIR} /${KM_PACKAGE_DATA_DIR})
target_compile_definitions(kestrelmoore PRIVATE KM_PACKAGE_PACK_FROM_BIN="${KM_PACKAGE_PACK_FROM_BIN}")
# Read-only relocations and symbols bound at start, as Debian builds its programs.
target_link_options(kestrelmoore PRIVATE -Wl,-z,relro -Wl,-z,now)

# Software centres on other systems read the same metadata.
install(FILES ${PROJECT_SOURCE_DIR}/dist/${KM_METAINFO_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian wants manual pages and changelogs gzipped, without a time stamp in the
# gzip header (-n) so that rebuilding gives the same bytes.
set(KM_PACKAGE_FILES ${CMAKE_BINARY_DIR}/package)
add_custom_command(
  OUTPUT ${KM_PACKAGE_FILES}/${KM_APP_ID}.6.gz ${KM_PACKAGE_FILES}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KM_PACKAGE_FILES}
  COMMAND sh -c "gzip -9n <\"$0\" >\"$1\"" ${CMAKE_BINARY_DIR}/${KM_APP_ID}.6 ${KM_PACKAGE_FILES}/${KM_APP_ID}.6.gz
  COMMAND sh -c "gzip -9n <\"$0\" >\"$1\"" ${PROJECT_SOURCE_DIR}/dist/changelog ${KM_PACKAGE_FILES}/changelog.gz
  DEPENDS ${CMAKE_BINARY_DIR}/${KM_APP_ID}.6 ${PROJECT_SOURCE_DIR}/dist/changelog
  COMMENT "Compressing the manual page and the changelog for the package"
  VERBATIM)
add_custom_target(package_files ALL
  DEPENDS ${KM_PACKAGE_FILES}/${KM_APP_ID}.6.gz ${KM_PACKAGE_FILES}/changelog.gz)

set(KM_PACKAGE_COMPONENT debian)
install(TARGETS kestrelmoore RUNTIME DESTINATION ${KM_PACKAGE_GAMES_DIR}
        COMPONENT ${KM_PACKAGE_COMPONENT} EXCLUDE_FROM_ALL)
install(FILES ${CMAKE_BINARY_DIR}/Kestrelmoore_res.dat DESTINATION ${KM_PACKAGE_DATA_DIR}
        COMPONENT ${KM_PACKAGE_COMPONENT} EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/dist/${KM_APP_ID}.desktop DESTINATION share/applications
        COMPONENT ${KM_PACKAGE_COMPONENT} EXCLUDE_FROM_ALL)
install(DIRECTORY ${KM_ICON_DIR}/hicolor DESTINATION share/icons
        COMPONENT ${KM_PACKAGE_COMPONENT} EXCLUDE_FROM_ALL)
install(FILES ${KM_PACKAGE_FILES}/${KM_APP_ID}.6.gz DESTINATION share/man/man6
        COMPONENT ${KM_PACKAGE_COMPONENT} EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/dist/${KM_METAINFO_ID}.metainfo.xml DESTINATION share/metainfo
        COMPONENT ${KM_PACKAGE_COMPONENT} EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/dist/copyright ${KM_PACKAGE_FILES}/changelog.gz
        DESTINATION share/doc/${KM_APP_ID}
        COMPONENT ${KM_PACKAGE_COMPONENT} EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${KM_APP_ID})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Only the package's component, not the `cmake --install` layout beside it.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};${KM_PACKAGE_COMPONENT};/")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_CONTACT "The Kestrelmoore developers <maintainers@kestrelmoore.example.org>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://kestrelmoore.example.org/)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # kestrelmoore_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends from the libraries the stripped binary links (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "no-limit Texas hold'em against computer opponents")
set(CPACK_PACKAGE_DESCRIPTION
    "Kestrelmoore is a single-player game of no-limit Texas hold'em. You sit at a\n"
    "six-seat table with chips from your bankroll and play against computer\n"
    "opponents: cash games at six stakes with up to five opponents who come and\n"
    "go, heads-up games against one, and tournaments of 12 to 250 entrants whose\n"
    "blinds rise every 10 hands. Your profile, bankrolls and any game in progress\n"
    "are saved as you go. The game is drawn for small screens and shown at the\n"
    "largest whole-number scale that fits, and plays with the keyboard or the mouse.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
include(CPack)
