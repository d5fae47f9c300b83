# What the program asks of the desktop: message boxes, the printer, the report
# files (interfaces free of Qt), their Qt implementations, and the look
# every window shares (layout units and the one font).

add_library(gearpair_platform INTERFACE)
target_include_directories(gearpair_platform INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(gearpair_platform INTERFACE gearpair_common gearpair_system)

add_library(gearpair_look STATIC
    notice_strip.cpp preferences.cpp qt_file_dialogs.cpp ui_font.cpp window_places.cpp
    window_zoom.cpp)
target_include_directories(gearpair_look PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(gearpair_look PUBLIC gearpair_common Qt6::Widgets)

add_library(gearpair_desktop STATIC
    qt_message_boxes.cpp
    qt_report_dialogs.cpp
    qt_report_files.cpp
    qt_drawing_printer.cpp
    qt_report_printer.cpp
    qt_translations.cpp
    report_paths.cpp
)
target_link_libraries(gearpair_desktop
    PUBLIC gearpair_platform Qt6::Widgets
    PRIVATE gearpair_report_painter Qt6::PrintSupport)
# The print dialogs' header shows the preview dialog it makes.
target_link_libraries(gearpair_desktop PUBLIC Qt6::PrintSupport)
