# Strength benchmarks.
add_executable(strength_bench ${CMAKE_CURRENT_SOURCE_DIR}/strength_bench.cpp)
target_link_libraries(strength_bench PRIVATE gearpair_strength gearpair_batch
                                             benchmark::benchmark_main)
target_compile_definitions(strength_bench PRIVATE
    GEARPAIR_CASES_CSV="${PROJECT_SOURCE_DIR}/tests/golden/cases.csv")
