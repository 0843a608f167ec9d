# davovadezed_install_library(<target>
#     DESCRIPTION <text>
#     HEADERS <header>...
#     [REQUIRES <pkg-config module>...]
#     [REQUIRES_PRIVATE <pkg-config module>...]
#     [PKGCONFIG_TEMPLATE <file>])
#
# Installs a shared library of the tree the way every one of them is
# installed: the library into the Runtime component, its development link,
# its headers (in include/<target>) and a pkg-config file <target>.pc into
# Devel. The pkg-config file is relocatable: it finds the prefix from its own
# folder. Its Cflags carry -fPIC because Qt, built with reduced relocations,
# insists on it (its own CMake targets add it, its pkg-config files do not).
include(${CMAKE_CURRENT_LIST_DIR}/DavovadezedRelativePath.cmake)

set(DAVOVADEZED_CMAKE_DIR ${CMAKE_CURRENT_LIST_DIR})

set(DAVOVADEZED_INSTALL_PKGCONFIGDIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig CACHE STRING
    "Folder of the pkg-config files, relative to the install prefix")

function(davovadezed_install_library target)
    cmake_parse_arguments(L "" "DESCRIPTION;PKGCONFIG_TEMPLATE" "HEADERS;REQUIRES;REQUIRES_PRIVATE" ${ARGN})
    install(TARGETS ${target} EXPORT DavovadezedTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Runtime NAMELINK_COMPONENT Devel)
    install(FILES ${L_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${target} COMPONENT Devel)

    davovadezed_install_relative_path(pc_to_prefix ${DAVOVADEZED_INSTALL_PKGCONFIGDIR} ${CMAKE_INSTALL_PREFIX})
    davovadezed_install_relative_path(pc_libdir ${CMAKE_INSTALL_PREFIX} ${CMAKE_INSTALL_LIBDIR})
    davovadezed_install_relative_path(pc_includedir ${CMAKE_INSTALL_PREFIX} ${CMAKE_INSTALL_INCLUDEDIR})
    get_target_property(prefix ${target} PREFIX)
    get_target_property(output_name ${target} OUTPUT_NAME)
    if(NOT output_name)
        set(output_name ${target})
    endif()
    # A library named without the "lib" prefix is linked by its file name.
    if(prefix STREQUAL "")
        set(PC_LIB "-l:${output_name}.so")
    else()
        set(PC_LIB "-l${output_name}")
    endif()
    set(PC_NAME ${target})
    set(PC_DESCRIPTION ${L_DESCRIPTION})
    set(PC_VERSION ${PROJECT_VERSION})
    get_target_property(version ${target} VERSION)
    if(version)
        set(PC_VERSION ${version})
    endif()
    list(JOIN L_REQUIRES " " PC_REQUIRES)
    list(JOIN L_REQUIRES_PRIVATE " " PC_REQUIRES_PRIVATE)
    set(pc ${CMAKE_CURRENT_BINARY_DIR}/${target}.pc)
    if(NOT L_PKGCONFIG_TEMPLATE)
        set(L_PKGCONFIG_TEMPLATE ${DAVOVADEZED_CMAKE_DIR}/library.pc.in)
    endif()
    configure_file(${L_PKGCONFIG_TEMPLATE} ${pc} @ONLY)
    install(FILES ${pc} DESTINATION ${DAVOVADEZED_INSTALL_PKGCONFIGDIR} COMPONENT Devel)
endfunction()
