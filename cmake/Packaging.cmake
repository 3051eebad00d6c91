# The Debian package: `cpack -G DEB` in the build directory (or the `package`
# target) turns the install rules into tessra_<version>_<arch>.deb.

set(CPACK_PACKAGE_NAME tessra)
set(CPACK_PACKAGE_VENDOR "the Tessra developers")
set(CPACK_PACKAGE_CONTACT "the Tessra developers <tessra@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "9x9 number-placement puzzle with live candidates")
# Lines of at most 80 columns, as dpkg and apt show them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Tessra is a small desktop program for the 9x9 number-placement puzzle."
  "After every click and keystroke it shows the digits that can still go in"
  "each cell. It generates puzzles at five levels, checks a finished board,"
  "reveals the solution, saves and loads your work, saves a picture of the"
  "board and lets you colour cells.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
# The installed program needs no debug information: stripped, the binary is
# about a fortieth of its RelWithDebInfo size.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME tessra)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "the Tessra developers <tessra@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the libraries the binary links: Qt and the C++
# runtime. That covers the X11 platform plugin Qt loads at run time
# (libqxcb.so ships in libqt6gui6, which the binary links anyway). What no
# tool can see are the fonts the board is laid out in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# Qt's Wayland platform plugin; without it Qt falls back to X11 (XWayland).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
