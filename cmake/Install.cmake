# `cmake --install` puts the program on the path and its picture and help
# files in one data folder. The program reads those files by bare name from
# the folder it runs in, so the desktop entry starts it there.
include(GNUInstallDirs)

# A game's programs go where Debian keeps games (/usr/games, or
# /usr/local/games for a local install), both on the path of every user.
set(QUELTA_GAMES_DIR games)
set(QUELTA_INSTALLED_DATA_DIR ${CMAKE_INSTALL_FULL_DATADIR}/quelta)
set(QUELTA_INSTALLED_PROGRAM ${CMAKE_INSTALL_PREFIX}/${QUELTA_GAMES_DIR}/quelta)

install(TARGETS quelta RUNTIME DESTINATION ${QUELTA_GAMES_DIR})
install(FILES
  ${QUELTA_APP_DIR}/euroback.dib
  ${QUELTA_APP_DIR}/amerback.dib
  ${QUELTA_APP_DIR}/chip.dib
  ${QUELTA_APP_DIR}/wheel2.dib
  ${QUELTA_APP_DIR}/Vuzivadi.hlp
  DESTINATION ${CMAKE_INSTALL_DATADIR}/quelta)
install(FILES ${CMAKE_BINARY_DIR}/assets/pictures/quelta.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)

configure_file(${CMAKE_SOURCE_DIR}/assets/quelta.desktop.in ${CMAKE_BINARY_DIR}/quelta.desktop @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/quelta.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# Software centres find the program through its AppStream metainfo, named
# after its component id.
set(QUELTA_APP_ID example.quelta_tables.quelta)
set(QUELTA_METAINFO ${CMAKE_BINARY_DIR}/${QUELTA_APP_ID}.metainfo.xml)
configure_file(${CMAKE_SOURCE_DIR}/assets/quelta.metainfo.xml.in ${QUELTA_METAINFO} @ONLY)
install(FILES ${QUELTA_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The licence and the package's history, where Debian keeps them: the
# copyright file in the machine-readable format, the changelog compressed
# without a time stamp so that the same source always makes the same package.
find_program(GZIP gzip REQUIRED)
set(QUELTA_CHANGELOG_GZ ${CMAKE_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(OUTPUT ${QUELTA_CHANGELOG_GZ}
  COMMAND ${GZIP} -9nc ${CMAKE_SOURCE_DIR}/assets/debian/changelog > ${QUELTA_CHANGELOG_GZ}
  DEPENDS ${CMAKE_SOURCE_DIR}/assets/debian/changelog
  VERBATIM)
add_custom_target(quelta_changelog ALL DEPENDS ${QUELTA_CHANGELOG_GZ})
install(FILES ${CMAKE_SOURCE_DIR}/assets/debian/copyright ${QUELTA_CHANGELOG_GZ}
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quelta)

# The manual page, compressed the same way.
set(QUELTA_MANPAGE_GZ ${CMAKE_BINARY_DIR}/quelta.6.gz)
add_custom_command(OUTPUT ${QUELTA_MANPAGE_GZ}
  COMMAND ${GZIP} -9nc ${CMAKE_SOURCE_DIR}/docs/quelta.6 > ${QUELTA_MANPAGE_GZ}
  DEPENDS ${CMAKE_SOURCE_DIR}/docs/quelta.6
  VERBATIM)
add_custom_target(quelta_manpage ALL DEPENDS ${QUELTA_MANPAGE_GZ})
install(FILES ${QUELTA_MANPAGE_GZ} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# The command-line analyser goes beside the table, the named systems into the
# data folder, where it finds them, and its manual page beside the table's.
install(TARGETS quelta-analyse RUNTIME DESTINATION ${QUELTA_GAMES_DIR})
install(FILES ${QUELTA_LIBRARY_SYSTEMS} DESTINATION ${CMAKE_INSTALL_DATADIR}/quelta/systems)
set(QUELTA_ANALYSE_MANPAGE_GZ ${CMAKE_BINARY_DIR}/quelta-analyse.6.gz)
add_custom_command(OUTPUT ${QUELTA_ANALYSE_MANPAGE_GZ}
  COMMAND ${GZIP} -9nc ${CMAKE_SOURCE_DIR}/docs/quelta-analyse.6 > ${QUELTA_ANALYSE_MANPAGE_GZ}
  DEPENDS ${CMAKE_SOURCE_DIR}/docs/quelta-analyse.6
  VERBATIM)
add_custom_target(quelta_analyse_manpage ALL DEPENDS ${QUELTA_ANALYSE_MANPAGE_GZ})
install(FILES ${QUELTA_ANALYSE_MANPAGE_GZ} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
