# add_qt_test(<name> SOURCES <files...> [LIBS <targets...>] [LABELS <labels...>])
#
# One Qt Test executable per tested class. Tests run offscreen unless they are
# labelled x11, in which case scripts/test runs them under Xvfb.
function(add_qt_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE halvex_config test_support Qt6::Test ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    set(env "QT_QPA_PLATFORM=offscreen")
    if("x11" IN_LIST ARG_LABELS)
        set(env "")
    endif()
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "${env}"
        LABELS "${ARG_LABELS}"
        TIMEOUT 120)
endfunction()
