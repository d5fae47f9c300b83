# Strength benchmarks.
add_executable(strength_bench ${CMAKE_CURRENT_SOURCE_DIR}/strength_bench.cpp)
target_link_libraries(strength_bench PRIVATE gearpair_strength benchmark::benchmark_main)
