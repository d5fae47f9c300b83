# Reports on paper: report documents painted on a printer or a PDF file.
add_library(gearpair_report_painter STATIC ${CMAKE_CURRENT_LIST_DIR}/report_painter.cpp)
target_include_directories(gearpair_report_painter PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(gearpair_report_painter PUBLIC gearpair_reports Qt6::Widgets Qt6::PrintSupport)
