# The Debian package, built by `make deb` (cpack -G DEB) from the install rules of dist/.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvat)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle game of coloured balls")
set(CPACK_PACKAGE_DESCRIPTION
    "Korvat is a single-player puzzle of coloured balls on a 9 x 9 board:
move a ball along a free route so that five of one colour stand in a row
(Lines) or four in a 2 x 2 square (Block) and burst. A move that forms no
figure brings three new balls, announced one turn ahead.
.
The package holds the game and korvat-sim, which plays the game's rules
without a window, from a script of taps and commands or at random.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KORVAT_MAINTAINER})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The game asks fontconfig for DejaVu Sans; it loads fontconfig itself for that lookup, so the
# library is not among those found from the binary.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, libfontconfig1")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Everything but the per-prefix bin/ copies of the programs, in one package.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};korvat;debian;/;${CMAKE_BINARY_DIR};korvat;data;/")
include(CPack)
