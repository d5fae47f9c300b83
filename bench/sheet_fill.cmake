# Filling the result sheets and reading them back (offscreen Qt).
if(GEARPAIR_GUI)
    add_executable(sheet_fill_bench ${CMAKE_CURRENT_SOURCE_DIR}/sheet_fill_bench.cpp
                   ${CMAKE_CURRENT_SOURCE_DIR}/qt_bench_main.cpp)
    target_link_libraries(sheet_fill_bench PRIVATE gearpair_sheet_windows benchmark::benchmark)
endif()
