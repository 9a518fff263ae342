# `cmake --install` puts the program on the path and its picture and help
# files in one data folder. The program reads those files by bare name from
# the folder it runs in, so the desktop entry starts it there.
include(GNUInstallDirs)

set(QUELTA_INSTALLED_DATA_DIR ${CMAKE_INSTALL_FULL_DATADIR}/quelta)
set(QUELTA_INSTALLED_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR}/quelta)

install(TARGETS quelta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
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

# The command-line analyser goes beside the table, the named systems it and
# the table share into the data folder, and its manual page into section 1,
# compressed as Debian keeps manual pages.
install(TARGETS quelta-analyse RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QUELTA_LIBRARY_SYSTEMS} DESTINATION ${CMAKE_INSTALL_DATADIR}/quelta/systems)
set(QUELTA_ANALYSE_MAN_PAGE ${CMAKE_BINARY_DIR}/quelta-analyse.1.gz)
add_custom_command(
  OUTPUT ${QUELTA_ANALYSE_MAN_PAGE}
  COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/docs/quelta-analyse.1 > ${QUELTA_ANALYSE_MAN_PAGE}
  DEPENDS ${CMAKE_SOURCE_DIR}/docs/quelta-analyse.1
  VERBATIM)
add_custom_target(quelta_analyse_man_page ALL DEPENDS ${QUELTA_ANALYSE_MAN_PAGE})
install(FILES ${QUELTA_ANALYSE_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
