# Tests of the desktop services, and the recording fakes the shell's tests use.

add_library(gearpair_platform_fakes INTERFACE)
target_include_directories(gearpair_platform_fakes INTERFACE ${CMAKE_CURRENT_SOURCE_DIR}/fakes)
target_link_libraries(gearpair_platform_fakes INTERFACE gearpair_platform Qt6::Widgets)

find_package(Qt6 REQUIRED COMPONENTS Test)
add_executable(desktop_services_tests ${CMAKE_CURRENT_SOURCE_DIR}/desktop_services_test.cpp)
set_target_properties(desktop_services_tests PROPERTIES AUTOMOC ON)
target_link_libraries(desktop_services_tests PRIVATE
    gearpair_desktop gearpair_look Qt6::PrintSupport Qt6::Test)
add_test(NAME desktop_services_tests COMMAND desktop_services_tests)
set_tests_properties(desktop_services_tests PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)

# The print dialogs' preview and PDF export (the report fixtures come from the sheet tests).
add_executable(report_dialogs_tests ${CMAKE_CURRENT_SOURCE_DIR}/report_dialogs_test.cpp)
set_target_properties(report_dialogs_tests PROPERTIES AUTOMOC ON)
target_include_directories(report_dialogs_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/../sheets)
target_link_libraries(report_dialogs_tests PRIVATE
    gearpair_desktop gearpair_report_painter Qt6::PrintSupport Qt6::Test)
add_test(NAME report_dialogs_tests COMMAND report_dialogs_tests)
set_tests_properties(report_dialogs_tests PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)

# The zoom rule of the windows Qt lays out: sizes and places on the screen.
add_executable(window_zoom_tests ${CMAKE_CURRENT_SOURCE_DIR}/window_zoom_test.cpp)
set_target_properties(window_zoom_tests PROPERTIES AUTOMOC ON)
target_link_libraries(window_zoom_tests PRIVATE gearpair_look Qt6::Test)
add_test(NAME window_zoom_tests COMMAND window_zoom_tests)
set_tests_properties(window_zoom_tests PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 60)
