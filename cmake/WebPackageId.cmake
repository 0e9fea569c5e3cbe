# Run by cmake/Web.cmake (cmake -P) after each link of the browser build. The
# content's loader in flatmates.js carries an id that emscripten's packager
# draws at random on every link, so a relink with nothing changed would give
# new bytes, a new service worker cache, and every player would download the
# game again. The id is made from the content's SHA-256 instead: the same
# sources give the same files.
#
#   JS    the program's flatmates.js, rewritten in place
#   DATA  the content package, flatmates.data
foreach(var JS DATA)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "WebPackageId.cmake needs -D${var}=...")
  endif()
endforeach()

file(READ "${JS}" script)
set(mark "\"package_uuid\":\"")
string(FIND "${script}" "${mark}" first)
string(FIND "${script}" "${mark}" last REVERSE)
if(first EQUAL -1 OR NOT first EQUAL last)
  message(FATAL_ERROR "${JS} does not hold the content's id once: has the packager changed?")
endif()
string(LENGTH "${mark}" length)
math(EXPR first "${first} + ${length}")
string(SUBSTRING "${script}" ${first} 36 drawn)
if(NOT drawn MATCHES "^[0-9a-f]+-[0-9a-f]+-[0-9a-f]+-[0-9a-f]+-[0-9a-f]+$")
  message(FATAL_ERROR "the content's id in ${JS} is \"${drawn}\", not a UUID")
endif()

file(SHA256 "${DATA}" sum)
set(id "")
foreach(part 0-8 8-4 12-4 16-4 20-12)
  string(REPLACE "-" ";" part "${part}")
  list(GET part 0 at)
  list(GET part 1 count)
  string(SUBSTRING "${sum}" ${at} ${count} piece)
  list(APPEND id "${piece}")
endforeach()
list(JOIN id "-" id)
string(REPLACE "${mark}${drawn}" "${mark}${id}" script "${script}")
file(WRITE "${JS}" "${script}")
