# Cost and allocations of a tone press and of a controller change.
find_package(benchmark REQUIRED)
add_executable(tone_audition_bench ${CMAKE_CURRENT_LIST_DIR}/ToneAuditionBench.cpp)
target_link_libraries(tone_audition_bench PRIVATE tonalyx_core benchmark::benchmark_main)
