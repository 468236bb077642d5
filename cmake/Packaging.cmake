# Installing Gridmoot as a desktop program, and its Debian package.
#
# `cmake --install <build> --prefix DIR` gives:
#   bin/gridmoot, bin/gridmoot-cli
#   share/gridmoot/seasons, share/gridmoot/docs   (found from bin/../share/gridmoot)
#   share/applications/gridmoot.desktop
#   share/icons/hicolor/{scalable,48x48,256x256}/apps/gridmoot.{svg,png}
#   share/man/man1/gridmoot.1.gz, gridmoot-cli.1.gz
# `cpack -G DEB` in the build folder packs the same layout under /usr.
#
# The paths are written out rather than taken from GNUInstallDirs: the program
# looks for its share folder beside its bin folder, so the two must not move
# apart.

find_program(GRIDMOOT_GZIP gzip REQUIRED)

# The desktop entry and the icon (drawn as SVG; the PNGs are rendered from it
# by tools/render-icons.sh and kept in the repository).
install(FILES share/desktop/gridmoot.desktop DESTINATION share/applications)
install(FILES share/desktop/gridmoot.svg DESTINATION share/icons/hicolor/scalable/apps)
foreach(size 48 256)
  install(FILES share/desktop/gridmoot-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME gridmoot.png)
endforeach()

# The manual pages. gridmoot-cli.1 is written from the built gridmoot-cli's
# own help, so the page always says what the program says; gridmoot.1 is
# written by hand (the desktop program has a single argument).
set(GRIDMOOT_MAN_DIR ${CMAKE_BINARY_DIR}/man)
configure_file(share/man/gridmoot.1.in ${GRIDMOOT_MAN_DIR}/gridmoot.1 @ONLY)
add_custom_command(
  OUTPUT ${GRIDMOOT_MAN_DIR}/gridmoot-cli.1
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:gridmoot-cli> -DOUT=${GRIDMOOT_MAN_DIR}/gridmoot-cli.1
          -DVERSION=${PROJECT_VERSION} -P ${CMAKE_SOURCE_DIR}/cmake/GenerateManPage.cmake
  DEPENDS gridmoot-cli ${CMAKE_SOURCE_DIR}/cmake/GenerateManPage.cmake
  COMMENT "Writing the manual page gridmoot-cli.1 from gridmoot-cli's help"
  VERBATIM)
set(gridmoot_man_pages "")
foreach(page gridmoot.1 gridmoot-cli.1)
  add_custom_command(
    OUTPUT ${GRIDMOOT_MAN_DIR}/${page}.gz
    COMMAND ${GRIDMOOT_GZIP} -9nkf ${GRIDMOOT_MAN_DIR}/${page}
    DEPENDS ${GRIDMOOT_MAN_DIR}/${page}
    VERBATIM)
  list(APPEND gridmoot_man_pages ${GRIDMOOT_MAN_DIR}/${page}.gz)
endforeach()
add_custom_target(gridmoot_manpages ALL DEPENDS ${gridmoot_man_pages})
install(FILES ${gridmoot_man_pages} DESTINATION share/man/man1)

# The Debian package. Its dependencies are the shared libraries the programs
# link (found by dpkg-shlibdeps), the fonts the printouts name, and
# xdg-utils, through which the help pages and web pages open in a browser.
set(GRIDMOOT_PACKAGE_MAINTAINER "Gridmoot maintainers <maintainers@users.noreply.c-seed-062dbe52.example>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gridmoot)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Gridmoot")
set(CPACK_PACKAGE_CONTACT "${GRIDMOOT_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "NFL office pool organiser")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${GRIDMOOT_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, xdg-utils")
# The long description; the synopsis line above it is the summary.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[Gridmoot runs an office NFL pool through a season: the season's games,
point spreads and scores, the pool's members and their weekly pick
sheets, grading straight up or against the spread with confidence points
and tiebreakers, standings, statistics, printed sheets and reports, a
small web site, and two side games.

gridmoot-cli, its command-line companion, imports and exports the data
and writes any report without opening a window.]=])
# A source package is not made here; keep build folders out should one be asked for.
set(CPACK_SOURCE_IGNORE_FILES "/\\.git/" "/build[^/]*/")
include(CPack)
