# `cpack -G DEB` in a build turns what `cmake --install` installs into a
# Debian package. The desktop entry names the installed paths, so the package
# installs under the build's own prefix: configure the build that is packaged
# with -DCMAKE_INSTALL_PREFIX=/usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quelta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quelta developers")
set(CPACK_PACKAGE_CONTACT "Quelta developers <maintainers@quelta-tables.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "roulette table for trying out betting systems")
# Debian's description lines stay under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "Quelta is a roulette table on the desktop for trying out betting systems
on an American or European wheel. Chips stay on the layout from spin to
spin, so a fixed system replays itself over runs of up to 400 spins while
the table keeps the winnings or losses, the last ten numbers, the hit
counts and a history of the last 400 results. No money is involved and
nothing is saved. quelta-analyse judges betting systems written as text
files, or named ones that come with it, on the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.quelta-tables.example/)
# The libraries the program links come from dpkg-shlibdeps; the fonts the
# windows ask for are data, which no tool can find in the binary.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-liberation2")

include(CPack)
