# davovadezed_install_relative_path(<var> <from> <to>)
#
# Sets <var> to the path that leads from install folder <from> to install
# folder <to>; both are relative to the install prefix (or absolute). Binaries
# find their companions this way wherever the tree is installed.
function(davovadezed_install_relative_path var from to)
    foreach(dir from to)
        if(IS_ABSOLUTE "${${dir}}")
            set(${dir}_abs "${${dir}}")
        else()
            set(${dir}_abs "${CMAKE_INSTALL_PREFIX}/${${dir}}")
        endif()
    endforeach()
    file(RELATIVE_PATH relative "${from_abs}" "${to_abs}")
    string(REGEX REPLACE "/$" "" relative "${relative}")
    if(relative STREQUAL "")
        set(relative ".")
    endif()
    set(${var} "${relative}" PARENT_SCOPE)
endfunction()
