# Installation: `cmake --install <build> --prefix <prefix>` (or `make
# install`) puts the game in <prefix>/bin, its content in
# <prefix>/share/flatmates/assets and its catalogues in <prefix>/share/locale,
# with a desktop entry, icons, AppStream metadata and manual pages where
# desktops and man look for them. The game looks for its content in
# <exe>/../share/flatmates and its catalogues in <exe>/../share/locale, so
# these folders are fixed, not GNUInstallDirs choices.
#
# FLATMATES_DEBIAN_LAYOUT lays the game out as Debian installs games, for the
# package (`make package`, cmake/Package.cmake): the game in <prefix>/games,
# its content in <prefix>/share/games/flatmates (where the game also looks),
# and the copyright and changelog in <prefix>/share/doc/flatmates.
option(FLATMATES_DEBIAN_LAYOUT "Install in the Debian layout of a game (/usr/games, /usr/share/games)" OFF)
if(FLATMATES_DEBIAN_LAYOUT)
  set(FLATMATES_GAME_DIR games)
  set(FLATMATES_CONTENT_DIR share/games/flatmates)
else()
  set(FLATMATES_GAME_DIR bin)
  set(FLATMATES_CONTENT_DIR share/flatmates)
endif()

# Where software centres find the game: its AppStream id and web address.
# The address is where the project will publish itself; the screenshots are
# the README's pictures in docs/ under it.
set(FLATMATES_APP_ID io.github.flatmates.Flatmates)
set(FLATMATES_HOMEPAGE "https://flatmates.github.io/" CACHE STRING "The game's web address")
set(FLATMATES_SCREENSHOTS "https://flatmates.github.io/docs" CACHE STRING "Where the README's pictures are published")
set(FLATMATES_MAINTAINER "The Flatmates developers <flatmates@users.noreply.github.com>"
    CACHE STRING "Who answers for the package")
# The date of this version, for the metadata's release and the package's
# changelog: change it with project(VERSION).
set(FLATMATES_RELEASE_DATE 2026-12-08)

install(TARGETS flatmates RUNTIME DESTINATION ${FLATMATES_GAME_DIR})
install(DIRECTORY assets/ DESTINATION ${FLATMATES_CONTENT_DIR}/assets)
# The catalogues (cmake/Locale.cmake) where the game looks beside its
# program, <exe>/../share/locale, which is where every program's are.
foreach(language IN LISTS FLATMATES_LANGUAGES)
  install(FILES ${PROJECT_BINARY_DIR}/locale/${language}/LC_MESSAGES/flatmates.mo
          DESTINATION share/locale/${language}/LC_MESSAGES)
endforeach()
# The desktop entry and the metadata in every language of po/LINGUAS, and
# the translated manual pages: cmake/DesktopFiles.cmake.
install(FILES ${PROJECT_BINARY_DIR}/dist/flatmates.desktop DESTINATION share/applications)
# The icons are made by tools/make_icon.py from the game's own pictures.
foreach(size 64 128 256)
  install(FILES dist/icons/flatmates-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME flatmates.png)
endforeach()

# Filled in, the English is the template the translations are merged into.
configure_file(dist/flatmates.metainfo.xml.in ${PROJECT_BINARY_DIR}/dist/${FLATMATES_APP_ID}.metainfo.xml.in @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/dist/${FLATMATES_APP_ID}.metainfo.xml DESTINATION share/metainfo)

# Manual pages and the package's changelog are installed compressed, without
# a name or time stamp inside (gzip -n), as Debian wants them.
set(FLATMATES_COMPRESSED)
function(flatmates_compressed source output)
  configure_file(${source} ${PROJECT_BINARY_DIR}/dist/${output} @ONLY)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/dist/${output}.gz
    COMMAND gzip -9nkf ${PROJECT_BINARY_DIR}/dist/${output}
    DEPENDS ${PROJECT_BINARY_DIR}/dist/${output} VERBATIM)
  set(FLATMATES_COMPRESSED ${FLATMATES_COMPRESSED} ${PROJECT_BINARY_DIR}/dist/${output}.gz PARENT_SCOPE)
endfunction()
flatmates_compressed(dist/man/flatmates.6.in flatmates.6)
flatmates_compressed(dist/man/flatmates-check.1.in flatmates-check.1)
install(FILES ${PROJECT_BINARY_DIR}/dist/flatmates.6.gz DESTINATION share/man/man6)
install(FILES ${PROJECT_BINARY_DIR}/dist/flatmates-check.1.gz DESTINATION share/man/man1)

if(FLATMATES_DEBIAN_LAYOUT)
  configure_file(dist/debian/copyright.in ${PROJECT_BINARY_DIR}/dist/copyright @ONLY)
  # The changelog's date in the RFC 2822 form Debian's changelogs use.
  execute_process(COMMAND date -u -R -d "${FLATMATES_RELEASE_DATE} 12:00"
                  OUTPUT_VARIABLE FLATMATES_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE)
  # The package's own revision of this version: raise it when only the
  # packaging changes.
  set(FLATMATES_DEB_REVISION 1)
  set(FLATMATES_DEB_VERSION ${PROJECT_VERSION}-${FLATMATES_DEB_REVISION})
  flatmates_compressed(dist/debian/changelog.in changelog.Debian)
  install(FILES ${PROJECT_BINARY_DIR}/dist/copyright ${PROJECT_BINARY_DIR}/dist/changelog.Debian.gz
          DESTINATION share/doc/flatmates)
endif()
add_custom_target(flatmates_dist ALL DEPENDS ${FLATMATES_COMPRESSED})

if(FLATMATES_TESTS)
  # Installs into a temporary prefix and starts the installed game from /.
  add_test(NAME install.runs_from_anywhere
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/install/installed_game.sh ${PROJECT_BINARY_DIR})
  set_tests_properties(install.runs_from_anywhere PROPERTIES LABELS install TIMEOUT 120)
endif()
