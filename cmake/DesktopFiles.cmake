# The desktop entry, the software centres' metadata and the manual page in
# every language po/LINGUAS lists, from their English in dist/ and the
# catalogues in po/desktop and po/man (po/desktop/update.sh and
# po/man/update.sh keep those in step with the English):
#   <build>/dist/flatmates.desktop                  msgfmt --desktop
#   <build>/dist/<app id>.metainfo.xml              msgfmt --xml, from the
#                                                   English Install.cmake fills in
#   <build>/dist/man/<lang>/flatmates.6.gz          po4a, then filled in as the
#                                                   English page is
# cmake/Install.cmake installs the first two where the English ones went; the
# pages go to share/man/<lang>/man6, where man looks for them.

find_program(FLATMATES_MSGFMT msgfmt)
find_program(FLATMATES_PO4A po4a)
if(NOT FLATMATES_MSGFMT OR NOT FLATMATES_PO4A)
  message(FATAL_ERROR "The desktop entry and the manual pages are translated with msgfmt (gettext) "
                      "and po4a: make deps installs them")
endif()

file(STRINGS po/LINGUAS FLATMATES_DOC_LANGUAGES REGEX "^[^#]")
string(STRIP "${FLATMATES_DOC_LANGUAGES}" FLATMATES_DOC_LANGUAGES)

# msgfmt takes a whole folder of catalogues with its LINGUAS list; the folder
# is a copy in the build tree, so that the list stays po/LINGUAS alone.
set(FLATMATES_DESKTOP_PO ${PROJECT_BINARY_DIR}/dist/po-desktop)
configure_file(po/LINGUAS ${FLATMATES_DESKTOP_PO}/LINGUAS COPYONLY)
set(FLATMATES_DESKTOP_CATALOGUES)
foreach(lang ${FLATMATES_DOC_LANGUAGES})
  foreach(catalogue po/desktop/${lang}.po po/man/${lang}.po)
    if(NOT EXISTS ${PROJECT_SOURCE_DIR}/${catalogue})
      message(FATAL_ERROR "po/LINGUAS lists ${lang}, but there is no ${catalogue}: make docs-po starts it")
    endif()
  endforeach()
  configure_file(po/desktop/${lang}.po ${FLATMATES_DESKTOP_PO}/${lang}.po COPYONLY)
  list(APPEND FLATMATES_DESKTOP_CATALOGUES ${FLATMATES_DESKTOP_PO}/${lang}.po)
endforeach()

add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/dist/flatmates.desktop
  COMMAND ${FLATMATES_MSGFMT} --desktop --template=${PROJECT_SOURCE_DIR}/dist/flatmates.desktop.in
          -d ${FLATMATES_DESKTOP_PO} -o ${PROJECT_BINARY_DIR}/dist/flatmates.desktop
  DEPENDS dist/flatmates.desktop.in ${FLATMATES_DESKTOP_CATALOGUES} VERBATIM)
# The English with the version and addresses filled in is the template.
set(FLATMATES_METAINFO ${PROJECT_BINARY_DIR}/dist/${FLATMATES_APP_ID}.metainfo.xml)
add_custom_command(OUTPUT ${FLATMATES_METAINFO}
  COMMAND ${FLATMATES_MSGFMT} --xml --template=${FLATMATES_METAINFO}.in
          -d ${FLATMATES_DESKTOP_PO} -o ${FLATMATES_METAINFO}
  DEPENDS ${FLATMATES_METAINFO}.in ${FLATMATES_DESKTOP_CATALOGUES} VERBATIM)

# po4a runs as CMake configures, so that each page it writes is filled in
# like the English one; a change to the page's English, the configuration or
# a catalogue configures again. po4a writes no page for a catalogue that
# leaves a word untranslated: that language's readers get the English page.
set(FLATMATES_PO4A_OUT ${PROJECT_BINARY_DIR}/dist/po4a)
file(REMOVE_RECURSE ${FLATMATES_PO4A_OUT})
file(MAKE_DIRECTORY ${FLATMATES_PO4A_OUT})
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/po/man/po4a.cfg ${PROJECT_SOURCE_DIR}/dist/man/flatmates.6.in)
foreach(lang ${FLATMATES_DOC_LANGUAGES})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/po/man/${lang}.po)
endforeach()
string(REPLACE ";" " " FLATMATES_PO4A_LANGS "${FLATMATES_DOC_LANGUAGES}")
execute_process(
  COMMAND ${FLATMATES_PO4A} --no-update --variable "langs=${FLATMATES_PO4A_LANGS}"
          --srcdir ${PROJECT_SOURCE_DIR} --destdir ${FLATMATES_PO4A_OUT} po/man/po4a.cfg
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  RESULT_VARIABLE FLATMATES_PO4A_RESULT OUTPUT_VARIABLE FLATMATES_PO4A_OUTPUT ERROR_VARIABLE FLATMATES_PO4A_OUTPUT)
if(NOT FLATMATES_PO4A_RESULT EQUAL 0)
  message(FATAL_ERROR "po4a could not translate the manual page:\n${FLATMATES_PO4A_OUTPUT}")
endif()

set(FLATMATES_TRANSLATED ${PROJECT_BINARY_DIR}/dist/flatmates.desktop ${FLATMATES_METAINFO})
foreach(lang ${FLATMATES_DOC_LANGUAGES})
  set(page ${FLATMATES_PO4A_OUT}/man/${lang}/flatmates.6.in)
  if(NOT EXISTS ${page})
    message(WARNING "The manual page's catalogue po/man/${lang}.po is not complete "
                    "(po/man/update.sh --check): the page in ${lang} is not installed")
    continue()
  endif()
  configure_file(${page} ${PROJECT_BINARY_DIR}/dist/man/${lang}/flatmates.6 @ONLY)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/dist/man/${lang}/flatmates.6.gz
    COMMAND gzip -9nkf ${PROJECT_BINARY_DIR}/dist/man/${lang}/flatmates.6
    DEPENDS ${PROJECT_BINARY_DIR}/dist/man/${lang}/flatmates.6 VERBATIM)
  list(APPEND FLATMATES_TRANSLATED ${PROJECT_BINARY_DIR}/dist/man/${lang}/flatmates.6.gz)
  install(FILES ${PROJECT_BINARY_DIR}/dist/man/${lang}/flatmates.6.gz DESTINATION share/man/${lang}/man6)
endforeach()
add_custom_target(flatmates_translated ALL DEPENDS ${FLATMATES_TRANSLATED})
