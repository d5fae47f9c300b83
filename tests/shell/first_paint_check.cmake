# The desktop program starts on the offscreen platform, shows its form and, asked by
# GEARPAIR_FIRST_PAINT=exit, ends by itself once a shown window has been painted:
# the check is that this happens, with status 0. How long it takes is the start-up
# benchmark's figure (bench/first_paint_bench.cpp), not a test's: a limit on time
# fails on a loaded machine and passes on a fast one whatever the program does.
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen GEARPAIR_FIRST_PAINT=exit
            ${PROGRAM}
    RESULT_VARIABLE status
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err
    TIMEOUT 60)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the program ended with ${status}:\n${out}${err}")
endif()
if(NOT err MATCHES "gearpair: first paint after [0-9]+\\.[0-9]+ ms")
    message(FATAL_ERROR "the program ended without painting a window:\n${out}${err}")
endif()
