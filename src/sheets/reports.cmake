add_library(gearpair_reports STATIC
    ${CMAKE_CURRENT_LIST_DIR}/placeholder.cpp
)
target_include_directories(gearpair_reports PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(gearpair_reports PUBLIC gearpair_geometry gearpair_strength)
