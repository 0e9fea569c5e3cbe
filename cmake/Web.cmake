# The game for a browser page, built with Debian's emscripten (make web, see
# mk/web.mk). The same sources as the desktop game; the page's SDL 1.2 family
# is the one emscripten carries, so there is no pkg-config here.

# Warnings every target of ours is built with, as on the desktop.
add_library(flatmates_warnings INTERFACE)
target_compile_options(flatmates_warnings INTERFACE
  -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wsuggest-override)

add_library(flatmates_lib STATIC)
target_include_directories(flatmates_lib PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/src)
target_link_libraries(flatmates_lib PRIVATE flatmates_warnings)
add_subdirectory(src)

# The frame cap rests on SDL_gfx's frame-rate manager, which the page's SDL
# lacks; in a page the browser paces the frames itself.
get_target_property(web_sources flatmates_lib SOURCES)
list(REMOVE_ITEM web_sources ${CMAKE_CURRENT_SOURCE_DIR}/src/app/FrameCap.cpp)
# The desktop's speech service neither; the page speaks through the browser.
list(REMOVE_ITEM web_sources ${CMAKE_CURRENT_SOURCE_DIR}/src/app/SpeechDispatcherVoice.cpp)
# Nor the desktop's accessibility bus; the page's screen reader reads its
# live region anyway.
list(REMOVE_ITEM web_sources ${CMAKE_CURRENT_SOURCE_DIR}/src/app/ScreenReader.cpp)
set_target_properties(flatmates_lib PROPERTIES SOURCES "${web_sources}")

set(FLATMATES_WEB_DIR ${CMAKE_CURRENT_SOURCE_DIR}/web)

add_executable(flatmates src/app/main_web.cpp)
set_target_properties(flatmates PROPERTIES SUFFIX ".js")
target_link_libraries(flatmates PRIVATE flatmates_lib flatmates_warnings)
# The whole content folder, at /assets in the page's file system; the game
# starts in / and finds it there. File by file, in the order of their names,
# so that the package's bytes do not hang on the order a folder lists them in.
# A changed, new or removed file of assets/ links the game again.
file(GLOB_RECURSE web_assets CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/assets/*)
list(SORT web_assets)
foreach(asset IN LISTS web_assets)
  file(RELATIVE_PATH packed ${CMAKE_CURRENT_SOURCE_DIR} ${asset})
  target_link_options(flatmates PRIVATE "SHELL:--preload-file ${asset}@/${packed}")
endforeach()
# The catalogues of po/ (cmake/Locale.cmake), at /locale in the same way,
# where the game looks from /; a changed catalogue links the game again.
include(${CMAKE_CURRENT_SOURCE_DIR}/cmake/Locale.cmake)
foreach(catalogue IN LISTS FLATMATES_CATALOGUES)
  file(RELATIVE_PATH packed ${PROJECT_BINARY_DIR} ${catalogue})
  target_link_options(flatmates PRIVATE "SHELL:--preload-file ${catalogue}@/${packed}")
endforeach()
add_dependencies(flatmates flatmates_locale)
set_property(TARGET flatmates APPEND PROPERTY LINK_DEPENDS ${FLATMATES_CATALOGUES})
target_link_options(flatmates PRIVATE
  # Pictures are decoded by the browser while the content loads (the page's
  # IMG_Load takes only those); sounds are left to the game's loading.
  --use-preload-plugins
  # What the page's SDL lacks of the game's SDL 1.2.
  "SHELL:--js-library ${FLATMATES_WEB_DIR}/library_flatmates.js"
  -sALLOW_MEMORY_GROWTH=1
  -sENVIRONMENT=web
  # The page starts the game on the first key press or click, when the
  # browser allows sound; it reads the caption font out of the content and
  # ends the frame loop when the visit is over.
  -sINVOKE_RUN=0
  "-sEXPORTED_RUNTIME_METHODS=['FS','callMain']"
  "-sEXPORTED_FUNCTIONS=['_main','_SDL_Quit']")
set_property(TARGET flatmates APPEND PROPERTY LINK_DEPENDS
  ${FLATMATES_WEB_DIR}/library_flatmates.js ${web_assets})
# The content's id in the program, made from the content itself.
add_custom_command(TARGET flatmates POST_BUILD
  COMMAND ${CMAKE_COMMAND} -DJS=${CMAKE_CURRENT_BINARY_DIR}/flatmates.js
          -DDATA=${CMAKE_CURRENT_BINARY_DIR}/flatmates.data
          -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/WebPackageId.cmake
  VERBATIM)

# The page of our own beside the program, its words (web/words.js) written
# into it with their translations from the languages' catalogues, so that
# the page shows in the player's language before anything else arrives.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
file(GLOB web_catalogues CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/po/*.po)
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/index.html
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/tools/page_words.py
          ${FLATMATES_WEB_DIR}/index.html ${FLATMATES_WEB_DIR}/words.js ${CMAKE_CURRENT_SOURCE_DIR}/po/LINGUAS
          ${CMAKE_CURRENT_SOURCE_DIR}/po ${CMAKE_CURRENT_BINARY_DIR}/index.html
  DEPENDS ${FLATMATES_WEB_DIR}/index.html ${FLATMATES_WEB_DIR}/words.js ${CMAKE_CURRENT_SOURCE_DIR}/po/LINGUAS
          ${web_catalogues} ${CMAKE_CURRENT_SOURCE_DIR}/tools/page_words.py
  VERBATIM)

# A page that can go on a home screen and be played with no network: its
# manifest and icons beside it, and a service worker (sw.js) that keeps every
# file of this build in a cache named after their contents. The worker is
# written once the others are in place, since it carries their hashes.
set(web_kept index.html flatmates.js flatmates.wasm flatmates.data manifest.webmanifest)
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/manifest.webmanifest
  COMMAND ${CMAKE_COMMAND} -E copy ${FLATMATES_WEB_DIR}/manifest.webmanifest
          ${CMAKE_CURRENT_BINARY_DIR}/manifest.webmanifest
  DEPENDS ${FLATMATES_WEB_DIR}/manifest.webmanifest)
foreach(size 192 512)
  set(icon icons/flatmates-${size}.png)
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${icon}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/dist/${icon} ${CMAKE_CURRENT_BINARY_DIR}/${icon}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/dist/${icon})
  list(APPEND web_kept ${icon})
endforeach()
# The program's three files are written by its link, which flatmates stands
# for; the rest by the copies above.
set(web_copied ${web_kept})
list(REMOVE_ITEM web_copied flatmates.js flatmates.wasm flatmates.data)
list(TRANSFORM web_copied PREPEND ${CMAKE_CURRENT_BINARY_DIR}/)
list(JOIN web_kept "," web_kept_names)
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/sw.js
  COMMAND ${CMAKE_COMMAND} -DDIR=${CMAKE_CURRENT_BINARY_DIR} -DFILES=${web_kept_names}
          -DTEMPLATE=${FLATMATES_WEB_DIR}/sw.js -DOUTPUT=${CMAKE_CURRENT_BINARY_DIR}/sw.js
          -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/WebServiceWorker.cmake
  DEPENDS flatmates ${web_copied} ${FLATMATES_WEB_DIR}/sw.js
          ${CMAKE_CURRENT_SOURCE_DIR}/cmake/WebServiceWorker.cmake ${CMAKE_CURRENT_LIST_FILE}
  VERBATIM)
# One target for the page and all that is copied or written beside it, so
# that no file is made by two targets at once.
add_custom_target(flatmates_page ALL
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/index.html ${CMAKE_CURRENT_BINARY_DIR}/sw.js)
