# Geometry benchmarks.
add_executable(geometry_bench ${CMAKE_CURRENT_SOURCE_DIR}/geometry_bench.cpp)
target_link_libraries(geometry_bench PRIVATE gearpair_geometry gearpair_batch
                                             benchmark::benchmark_main)
target_compile_definitions(geometry_bench PRIVATE
    GEARPAIR_CASES_CSV="${PROJECT_SOURCE_DIR}/tests/golden/cases.csv")
