# zentaloger_add_test(NAME name SOURCES ... LIBS ...): one QtTest executable, one CTest entry,
# run headless with no session bus so that no test ever waits on a desktop service.
function(zentaloger_add_test)
    cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE Qt6::Test ${T_LIBS})
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;DBUS_SESSION_BUS_ADDRESS=disabled:;QT_FATAL_WARNINGS=0")
endfunction()
