# Tooth outline benchmarks.
add_executable(profile_bench ${CMAKE_CURRENT_SOURCE_DIR}/profile_bench.cpp)
target_link_libraries(profile_bench PRIVATE gearpair_profile benchmark::benchmark_main)
