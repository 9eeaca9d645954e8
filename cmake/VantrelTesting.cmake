# vantrel_add_test(NAME <name> SOURCES <files...> [LINKS <targets...>] [DEPENDS <targets...>])
#
# One QtTest executable registered with CTest. Every test runs in the
# program's folder, where it finds the shipped data files, plug-ins and
# translations, on the offscreen platform so no test needs a desktop.
function(vantrel_add_test)
    cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME" "SOURCES;LINKS;DEPENDS")
    if(NOT arg_NAME OR NOT arg_SOURCES)
        message(FATAL_ERROR "vantrel_add_test needs NAME and SOURCES")
    endif()
    qt_add_executable(${arg_NAME} ${arg_SOURCES})
    set_target_properties(${arg_NAME} PROPERTIES AUTOUIC ON)
    target_include_directories(${arg_NAME} PRIVATE "${CMAKE_CURRENT_SOURCE_DIR}")
    target_link_libraries(${arg_NAME} PRIVATE ${arg_LINKS} Qt6::Test)
    add_dependencies(${arg_NAME} vantrel_data ${arg_DEPENDS})
    add_test(NAME ${arg_NAME} COMMAND ${arg_NAME})
    set_tests_properties(${arg_NAME} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
        TIMEOUT 120
        WORKING_DIRECTORY "${VANTREL_RUNTIME_DIR}")
endfunction()
