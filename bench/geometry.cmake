# Geometry benchmarks.
add_executable(geometry_bench ${CMAKE_CURRENT_SOURCE_DIR}/geometry_bench.cpp)
target_link_libraries(geometry_bench PRIVATE gearpair_geometry benchmark::benchmark_main)
