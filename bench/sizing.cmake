# The sizing: a whole search space rated, with and without the T1max search, and
# how soon a cancel ends a run.
add_executable(sizing_bench ${CMAKE_CURRENT_SOURCE_DIR}/sizing_bench.cpp)
target_link_libraries(sizing_bench PRIVATE gearpair_sizing benchmark::benchmark_main)
