# Open time and resident memory of the built-in synth.
find_package(benchmark REQUIRED)
add_executable(synth_bench ${CMAKE_CURRENT_LIST_DIR}/SynthBench.cpp)
target_link_libraries(synth_bench PRIVATE tonalyx_core benchmark::benchmark)
