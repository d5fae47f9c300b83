# The load spectrum: a 100-bin spectrum rated, its safety factors searched.
add_executable(spectrum_bench ${CMAKE_CURRENT_SOURCE_DIR}/spectrum_bench.cpp)
target_link_libraries(spectrum_bench PRIVATE gearpair_rating benchmark::benchmark_main)
target_include_directories(spectrum_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests/rating)
