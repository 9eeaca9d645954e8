# vantrel_public_headers(<target> <name> <folder>)
#
# Lets the target's users include "<name>/Header.h" from <folder> and from
# nothing else: the include path handed on holds one entry, a link named
# <name> to that folder. A library whose path were its parent folder would
# show its neighbours' headers too, and a layer could include what lies
# above it without anyone noticing.
function(vantrel_public_headers target name folder)
    set(_root "${CMAKE_BINARY_DIR}/include/${target}")
    file(MAKE_DIRECTORY "${_root}")
    if(NOT EXISTS "${_root}/${name}")
        file(CREATE_LINK "${folder}" "${_root}/${name}" COPY_ON_ERROR SYMBOLIC)
    endif()
    target_include_directories(${target} PUBLIC "${_root}")
endfunction()
