# The game's words in other languages (po/, see po/README): each catalogue
# po/LINGUAS lists, po/<lang>.po, compiled by msgfmt into
# <build>/locale/<lang>/LC_MESSAGES/flatmates.mo, where the game run from the
# build tree finds it (its exeDir/locale). cmake/Install.cmake installs them
# in <prefix>/share/locale; cmake/Web.cmake packs them at /locale in the
# page's data. Included by the desktop build and the browser build.
#
# Sets FLATMATES_LANGUAGES (po/LINGUAS), FLATMATES_CATALOGUES (the .mo files)
# and, for the tests, FLATMATES_PSEUDO_LOCALE_DIR.
find_program(FLATMATES_MSGFMT msgfmt)
if(NOT FLATMATES_MSGFMT)
  message(FATAL_ERROR "msgfmt not found: the game's catalogues are compiled with gettext's tools (apt-get install gettext, or make deps)")
endif()

set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/po/LINGUAS)
file(STRINGS ${PROJECT_SOURCE_DIR}/po/LINGUAS FLATMATES_LANGUAGES REGEX "^[^#]")
list(TRANSFORM FLATMATES_LANGUAGES STRIP)
# The game matches the player's language against the same list.
list(JOIN FLATMATES_LANGUAGES " " flatmates_language_names)
target_compile_definitions(flatmates_lib PRIVATE FLATMATES_LANGUAGES="${flatmates_language_names}")

# msgfmt --check refuses a translation whose printf directives differ from
# the English's, which would otherwise reach the game's formatting.
set(FLATMATES_CATALOGUES)
foreach(language IN LISTS FLATMATES_LANGUAGES)
  set(folder ${PROJECT_BINARY_DIR}/locale/${language}/LC_MESSAGES)
  add_custom_command(OUTPUT ${folder}/flatmates.mo
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${FLATMATES_MSGFMT} --check -o ${folder}/flatmates.mo ${PROJECT_SOURCE_DIR}/po/${language}.po
    DEPENDS ${PROJECT_SOURCE_DIR}/po/${language}.po
    # Said as a build step, as tests/web/reproducible.sh tells a catalogue
    # edited while it links from a link that differs.
    COMMENT "Building locale/${language}/LC_MESSAGES/flatmates.mo"
    VERBATIM)
  list(APPEND FLATMATES_CATALOGUES ${folder}/flatmates.mo)
endforeach()
add_custom_target(flatmates_locale ALL DEPENDS ${FLATMATES_CATALOGUES})

# The pseudo-language qps, for the tests only (never installed or packed):
# every text of the sources bracketed and accented (tools/pseudo_po.py), so a
# test played in it sees which texts went through the catalogue, whole, and
# that the caption font draws their letters. It is made from a template
# extracted afresh from the sources, so a text marked a moment ago is in it
# before po/flatmates.pot is made again. Tests read it with
# Words::Use("qps", {FLATMATES_PSEUDO_LOCALE_DIR}). Its generator is Python,
# which the tests' set-up installs but a player's does not.
if(FLATMATES_TESTS AND NOT EMSCRIPTEN AND NOT EXISTS /usr/bin/python3)
  message(STATUS "No /usr/bin/python3: the tests' pseudo-language is not built (make test-deps installs it)")
elseif(FLATMATES_TESTS AND NOT EMSCRIPTEN)
  set(FLATMATES_PSEUDO_LOCALE_DIR ${PROJECT_BINARY_DIR}/pseudo/locale)
  set(pseudo ${PROJECT_BINARY_DIR}/pseudo)
  file(GLOB_RECURSE pseudo_sources CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h ${PROJECT_SOURCE_DIR}/web/words.js)
  add_custom_command(OUTPUT ${FLATMATES_PSEUDO_LOCALE_DIR}/qps/LC_MESSAGES/flatmates.mo
    COMMAND ${CMAKE_COMMAND} -E make_directory ${FLATMATES_PSEUDO_LOCALE_DIR}/qps/LC_MESSAGES
    COMMAND sh ${PROJECT_SOURCE_DIR}/po/make_pot.sh ${pseudo}/flatmates.pot
    COMMAND /usr/bin/python3 ${PROJECT_SOURCE_DIR}/tools/pseudo_po.py ${pseudo}/flatmates.pot ${pseudo}/qps.po
    COMMAND ${FLATMATES_MSGFMT} --check -o ${FLATMATES_PSEUDO_LOCALE_DIR}/qps/LC_MESSAGES/flatmates.mo ${pseudo}/qps.po
    DEPENDS ${pseudo_sources} ${PROJECT_SOURCE_DIR}/po/make_pot.sh ${PROJECT_SOURCE_DIR}/tools/pseudo_po.py
    BYPRODUCTS ${pseudo}/flatmates.pot ${pseudo}/qps.po
    VERBATIM)
  add_custom_target(flatmates_pseudo ALL DEPENDS ${FLATMATES_PSEUDO_LOCALE_DIR}/qps/LC_MESSAGES/flatmates.mo)
endif()
