# The gears as solids: a 100-tooth helical gear, the spur example's pair in mesh.
if(GEARPAIR_SOLID)
    add_executable(solid_bench ${CMAKE_CURRENT_SOURCE_DIR}/solid_bench.cpp)
    target_link_libraries(solid_bench PRIVATE gearpair_solid benchmark::benchmark_main)
endif()
