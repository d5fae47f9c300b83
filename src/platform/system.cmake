# What the Qt-free core and the batch tool ask of the operating system: the GBK code
# page, the clock and its stamp formats, a console program's arguments and standard streams. One
# implementation per system; nothing else in the core calls the system directly.

if(WIN32)
    set(GEARPAIR_SYSTEM_SOURCES console_windows.cpp gbk_code_page_windows.cpp
        system_clock_windows.cpp)
else()
    set(GEARPAIR_SYSTEM_SOURCES console_posix.cpp gbk_code_page_iconv.cpp system_clock_posix.cpp)
endif()
list(TRANSFORM GEARPAIR_SYSTEM_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/system/)
add_library(gearpair_system STATIC ${GEARPAIR_SYSTEM_SOURCES} system/report_stamp.cpp
            system/rounded_math.cpp)
target_include_directories(gearpair_system PUBLIC ${CMAKE_CURRENT_LIST_DIR}/system)
if(WIN32)
    target_link_libraries(gearpair_system PRIVATE shell32)  # CommandLineToArgvW
endif()
