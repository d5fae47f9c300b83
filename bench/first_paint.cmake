# Start-up of the desktop program, measured by the program itself.
if(TARGET gearpair)
    add_executable(first_paint_bench ${CMAKE_CURRENT_SOURCE_DIR}/first_paint_bench.cpp)
    target_link_libraries(first_paint_bench PRIVATE benchmark::benchmark_main)
    target_compile_definitions(first_paint_bench PRIVATE
        GEARPAIR_DESKTOP_PROGRAM="$<TARGET_FILE:gearpair>")
    add_dependencies(first_paint_bench gearpair)
endif()
