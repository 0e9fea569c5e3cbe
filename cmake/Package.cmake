# The Debian package (`make package`): CPack's DEB generator packs what the
# install rules put in place, in the Debian layout of a game
# (FLATMATES_DEBIAN_LAYOUT, cmake/Install.cmake), under /usr.
if(NOT FLATMATES_DEBIAN_LAYOUT)
  return()
endif()
if(CMAKE_VERSION VERSION_LESS 3.19)
  # The dependency on either SDL 1.2 needs CPack's pre-build scripts.
  message(FATAL_ERROR "The Debian package needs CMake 3.19 or newer")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME flatmates)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${FLATMATES_DEB_REVISION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "${FLATMATES_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small adventure game in a flat of two rooms")
set(CPACK_PACKAGE_DESCRIPTION
  "A man walks left and right through a flat of two rooms, a kitchen and a\n"
  "living room, and uses the household things within his reach: outlets, a\n"
  "toaster, the sink, a clock, a lamp, pills, a drink, a tomato and a light\n"
  "switch that darkens the rooms. His flatmate stands in the living room and\n"
  "has a word to say about what he does. A run lasts at most five minutes.\n"
  "\n"
  "Played with the keyboard or a gamepad, in a window or fullscreen. The\n"
  "package also holds flatmates-check, which checks edited content.")
string(CONCAT CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${FLATMATES_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)

# Dependencies come from the libraries the programs link (dpkg-shlibdeps).
# SDL 1.2 has two providers; cmake/DebianShlibs.cmake tells dpkg-shlibdeps so.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebianShlibs.cmake)
# The speech library is linked; the service that speaks is recommended: the
# game plays without it, and says so once when speech is turned on.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "speech-dispatcher")

include(CPack)
