# Run by cmake/Web.cmake (cmake -P) once the game is linked and its page,
# manifest and icons are beside it: writes the page's service worker from its
# template, with the files it keeps and their SHA-256, the name of its cache,
# made of those hashes, and the page itself, whose bytes a first visit has
# fetched before the worker is there to keep them. Any change to any kept
# file names a new cache, so a player's browser takes the whole new build in
# place of the old one.
#
#   DIR       the build folder the page is served from
#   FILES     the kept files, relative to DIR, separated by commas
#   TEMPLATE  web/sw.js
#   OUTPUT    the worker to write
foreach(var DIR FILES TEMPLATE OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "WebServiceWorker.cmake needs -D${var}=...")
  endif()
endforeach()

string(REPLACE "," ";" kept "${FILES}")
set(listing "")
set(entries "")
foreach(file IN LISTS kept)
  if(NOT EXISTS "${DIR}/${file}")
    message(FATAL_ERROR "the page's ${file} is missing from ${DIR}")
  endif()
  file(SHA256 "${DIR}/${file}" sum)
  string(APPEND listing "${sum}  ${file}\n")
  list(APPEND entries "  [\"${file}\", \"${sum}\"]")
endforeach()

# The first 16 hex digits of a SHA-256 over the names and hashes of them all.
string(SHA256 build "${listing}")
string(SUBSTRING "${build}" 0 16 FLATMATES_BUILD)
list(JOIN entries ",\n" FLATMATES_FILES)
set(FLATMATES_FILES "[\n${FLATMATES_FILES},\n]")
# The page as a string in the worker's script.
file(READ "${DIR}/index.html" page)
string(REPLACE "\\" "\\\\" page "${page}")
string(REPLACE "\"" "\\\"" page "${page}")
string(REPLACE "\r" "\\r" page "${page}")
string(REPLACE "\n" "\\n" page "${page}")
set(FLATMATES_PAGE "\"${page}\"")
# Its bytes change only with the build's (a browser takes a worker of other
# bytes for a new build); its time is that of this run, so the build sees it
# up to date.
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
file(TOUCH_NOCREATE "${OUTPUT}")
