# The blocking contour: the whole set of limit curves of a pair, as the window
# redraws it after each change of a field.
add_executable(contour_bench ${CMAKE_CURRENT_SOURCE_DIR}/contour_bench.cpp)
target_link_libraries(contour_bench PRIVATE gearpair_contour benchmark::benchmark_main)

# The batch tool's contour mode over 2,000 and 100,000 rows: time and peak memory.
add_executable(contour_batch_bench ${CMAKE_CURRENT_SOURCE_DIR}/contour_batch_bench.cpp)
target_link_libraries(contour_batch_bench PRIVATE gearpair_batch benchmark::benchmark_main)
target_compile_definitions(contour_batch_bench PRIVATE
    GEARPAIR_CASES_CSV="${PROJECT_SOURCE_DIR}/tests/golden/cases.csv")

# The window's part: the contour with the shading of its region, and one repaint.
if(GEARPAIR_GUI)
    add_executable(contour_window_bench ${CMAKE_CURRENT_SOURCE_DIR}/contour_window_bench.cpp
                   ${CMAKE_CURRENT_SOURCE_DIR}/qt_bench_main.cpp)
    target_link_libraries(contour_window_bench PRIVATE gearpair_contour_window benchmark::benchmark)
endif()
