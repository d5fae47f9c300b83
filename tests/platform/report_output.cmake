# Tests of reports on paper (offscreen; the report fixtures come from the sheet tests).
add_executable(report_output_tests ${CMAKE_CURRENT_LIST_DIR}/report_painter_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/printed_page_test.cpp)
target_include_directories(report_output_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../sheets)
target_link_libraries(report_output_tests PRIVATE gearpair_report_painter GTest::gtest)
gtest_discover_tests(report_output_tests
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
