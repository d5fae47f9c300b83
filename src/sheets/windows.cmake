# The result sheet windows: one generic window laid out from a row table, the
# geometry sheet and the three strength sheets.

add_library(gearpair_sheet_windows STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/geometry_sheet.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/geometry_sheet_layout.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/sheet_window.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/strength_sheet.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/strength_sheet_layouts.cpp
)
set_target_properties(gearpair_sheet_windows PROPERTIES AUTOMOC ON)
target_include_directories(gearpair_sheet_windows PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(gearpair_sheet_windows PUBLIC gearpair_reports gearpair_geometry gearpair_look gearpair_platform
                                                    Qt6::Widgets)
