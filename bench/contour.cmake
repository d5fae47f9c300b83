# The blocking contour: the whole set of limit curves of a pair, as the window
# redraws it after each change of a field.
add_executable(contour_bench ${CMAKE_CURRENT_SOURCE_DIR}/contour_bench.cpp)
target_link_libraries(contour_bench PRIVATE gearpair_contour benchmark::benchmark_main)
