# Rating benchmarks.
add_executable(rating_bench ${CMAKE_CURRENT_SOURCE_DIR}/rating_bench.cpp)
target_link_libraries(rating_bench PRIVATE gearpair_rating gearpair_batch benchmark::benchmark_main)
target_compile_definitions(rating_bench PRIVATE
    GEARPAIR_RATING_CASES_CSV="${PROJECT_SOURCE_DIR}/tests/golden/rating-cases.csv")
