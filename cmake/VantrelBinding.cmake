# A shared library or plugin of ours binds calls to its own functions to
# itself when it is loaded, as Qt's libraries do: the loader then looks up
# only what the library takes from others, which it does for every library
# at every start. Nothing of ours replaces a function of another library by
# defining one of the same name, and the executable is built as
# position-independent code (which Qt requires), so a function's address is
# the same wherever it is taken.
#
#   vantrel_bind_own_functions(<target>)
function(vantrel_bind_own_functions target)
    if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
        target_link_options(${target} PRIVATE "LINKER:-Bsymbolic-functions")
    endif()
endfunction()
