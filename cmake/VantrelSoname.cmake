# The versioned name (SONAME) of a system library, for a library the program
# opens when first needed rather than links: the name it opens is the one
# the build was made against, and the package depends on it by that name.
#
#   vantrel_library_soname(<variable> <library name> [<hint folder>...])
function(vantrel_library_soname variable name)
    find_library(_vantrel_library_${name} NAMES ${name} HINTS ${ARGN} REQUIRED)
    file(REAL_PATH "${_vantrel_library_${name}}" _file)
    get_filename_component(_soname "${_file}" NAME)
    if(CMAKE_OBJDUMP)
        execute_process(COMMAND "${CMAKE_OBJDUMP}" -p "${_file}" OUTPUT_VARIABLE _dump ERROR_QUIET)
        if(_dump MATCHES "SONAME[ \t]+([^ \t\n]+)")
            set(_soname "${CMAKE_MATCH_1}")
        endif()
    endif()
    set(${variable} "${_soname}" PARENT_SCOPE)
endfunction()
