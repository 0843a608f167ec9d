# davovadezed_add_platform_library(<target>
#     DESCRIPTION <text>
#     HEADERS <header>...
#     SOURCES <file>...
#     [REQUIRES <pkg-config module>...]
#     [REQUIRES_PRIVATE <pkg-config module>...])
#
# Adds a platform stand-in the way every one of them is built: a shared
# library at version 1.0.0 whose public headers are in include/ (include/<target>
# once installed), built with <TARGET>_LIBRARY defined so that its headers
# export rather than import, and installed unless the stand-ins are left out.
# The caller links it.
include(${CMAKE_CURRENT_LIST_DIR}/DavovadezedInstallLibrary.cmake)

function(davovadezed_add_platform_library target)
    cmake_parse_arguments(L "" "DESCRIPTION" "HEADERS;SOURCES;REQUIRES;REQUIRES_PRIVATE" ${ARGN})
    add_library(${target} SHARED ${L_HEADERS} ${L_SOURCES})
    set_target_properties(${target} PROPERTIES VERSION 1.0.0 SOVERSION 1)
    string(TOUPPER ${target} define_prefix)
    target_compile_definitions(${target} PRIVATE ${define_prefix}_LIBRARY)
    target_include_directories(${target} PUBLIC
        $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}/include>
        $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/${target}>)
    if(DAVOVADEZED_INSTALL_PLATFORM)
        davovadezed_install_library(${target}
            DESCRIPTION "${L_DESCRIPTION}"
            HEADERS ${L_HEADERS}
            REQUIRES ${L_REQUIRES}
            REQUIRES_PRIVATE ${L_REQUIRES_PRIVATE})
    endif()
endfunction()
