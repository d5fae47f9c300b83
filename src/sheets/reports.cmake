# Report documents, free of Qt: the geometry and strength reports and their file bytes.
add_library(gearpair_reports STATIC
    ${CMAKE_CURRENT_LIST_DIR}/geometry_report.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_file_bytes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_rows.cpp
    ${CMAKE_CURRENT_LIST_DIR}/strength_report.cpp
)
target_include_directories(gearpair_reports PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(gearpair_reports PUBLIC gearpair_geometry gearpair_strength)
