# The batch tool's benchmarks: reading, calculating and writing whole tables.
add_executable(batch_bench ${CMAKE_CURRENT_SOURCE_DIR}/batch_bench.cpp)
target_link_libraries(batch_bench PRIVATE gearpair_batch benchmark::benchmark_main)
target_compile_definitions(batch_bench PRIVATE
    GEARPAIR_CASES_CSV="${PROJECT_SOURCE_DIR}/tests/golden/cases.csv")
