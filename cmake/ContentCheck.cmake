# The content checker: flatmates-check reads assets/ the way the game does and
# reports every problem with its file and line, for people who edit content.
include(GNUInstallDirs)

add_library(flatmates_check STATIC
  src/check/CheckReport.cpp
  src/check/ContentFiles.cpp
  src/check/WordReader.cpp
  src/check/FileCheck.cpp
  src/check/ObjectFileCheck.cpp
  src/check/RoomWalk.cpp
  src/check/AnimationCheck.cpp
  src/check/ContentCheck.cpp
)
target_link_libraries(flatmates_check PUBLIC flatmates_lib PRIVATE flatmates_warnings)

add_executable(flatmates-check src/check/main.cpp)
target_link_libraries(flatmates-check PRIVATE flatmates_check flatmates_warnings)
install(TARGETS flatmates-check RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(FLATMATES_TESTS)
  add_subdirectory(tests/check)
endif()
