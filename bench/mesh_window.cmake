# The mesh picture window's first paint (offscreen Qt).
if(GEARPAIR_GUI)
    add_executable(mesh_window_bench ${CMAKE_CURRENT_SOURCE_DIR}/mesh_window_bench.cpp
                   ${CMAKE_CURRENT_SOURCE_DIR}/qt_bench_main.cpp)
    target_link_libraries(mesh_window_bench PRIVATE gearpair_mesh_picture gearpair_profile
                                                    benchmark::benchmark)
endif()
