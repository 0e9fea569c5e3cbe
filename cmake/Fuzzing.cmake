# libFuzzer targets for the two readers of the game's text content, built
# with Clang in a build of their own (`make fuzz`, mk/fuzz.mk):
#   animation_fuzzer    animation description files (Sprite::ReadAnimations)
#   object_file_fuzzer  the object file, through the reader and the factory
# Seed inputs live in fuzz/corpus/.

option(FLATMATES_FUZZ "Build the libFuzzer targets (Clang, with FLATMATES_SANITIZE)" OFF)

if(FLATMATES_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "FLATMATES_FUZZ needs Clang (CXX=clang++-14)")
  endif()
  if(NOT FLATMATES_SANITIZE)
    message(FATAL_ERROR "FLATMATES_FUZZ needs FLATMATES_SANITIZE=ON")
  endif()

  # The library's code is what the fuzzer explores, so it carries the
  # coverage instrumentation; the targets add libFuzzer's own main.
  target_compile_options(flatmates_lib PRIVATE -fsanitize=fuzzer-no-link)

  function(flatmates_fuzzer name source)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE flatmates_lib flatmates_warnings)
    target_compile_definitions(${name} PRIVATE FLATMATES_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer ${FLATMATES_SANITIZE_FLAGS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer ${FLATMATES_SANITIZE_FLAGS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/fuzz)
  endfunction()

  flatmates_fuzzer(animation_fuzzer ${PROJECT_SOURCE_DIR}/fuzz/AnimationFuzzer.cpp)
  flatmates_fuzzer(object_file_fuzzer ${PROJECT_SOURCE_DIR}/fuzz/ObjectFileFuzzer.cpp)
endif()
