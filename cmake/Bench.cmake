# Benchmark programs, run by `make bench` (mk/bench.mk); never part of the
# tests. They link the game's library and measure it against a floor program
# that does only what any frame must.

option(FLATMATES_BENCH "Build the benchmark programs" ON)
if(NOT FLATMATES_BENCH)
  return()
endif()

add_library(flatmates_bench_support STATIC bench/BenchSupport.cpp)
target_link_libraries(flatmates_bench_support PUBLIC flatmates_lib PRIVATE flatmates_warnings)
target_include_directories(flatmates_bench_support PUBLIC ${PROJECT_SOURCE_DIR}/bench)
target_compile_definitions(flatmates_bench_support PRIVATE FLATMATES_SOURCE_DIR="${PROJECT_SOURCE_DIR}")

function(flatmates_bench name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE flatmates_bench_support flatmates_warnings)
  target_compile_definitions(${name} PRIVATE FLATMATES_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bench)
endfunction()

flatmates_bench(frame_bench bench/FrameBench.cpp)
flatmates_bench(alloc_bench bench/AllocBench.cpp)
flatmates_bench(use_bench bench/UseBench.cpp)
flatmates_bench(floor_program bench/FloorProgram.cpp)
flatmates_bench(process_bench bench/ProcessBench.cpp)
flatmates_bench(session_bench bench/SessionBench.cpp)

# Preloaded into the game and the floor program to time their start-up.
add_library(flatmates_first_flip MODULE bench/FirstFlip.cpp)
target_link_libraries(flatmates_first_flip PRIVATE flatmates_warnings ${CMAKE_DL_LIBS})
set_target_properties(flatmates_first_flip PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bench)
