# Install rules of the widget library, and the CMake and pkg-config packages
# that embedding applications build against. The platform stand-ins, the
# "social" contacts plugin and the catalogs install themselves; this file
# adds the library, its headers and the packages, and lets the installed
# binaries find each other wherever the tree is installed.
include(CMakePackageConfigHelpers)
include(${CMAKE_CURRENT_LIST_DIR}/DavovadezedRelativePath.cmake)

set(DAVOVADEZED_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Davovadezed CACHE STRING
    "Folder of the CMake package, relative to the install prefix")
davovadezed_install_relative_path(davovadezed_plugin_to_libs
    ${DAVOVADEZED_INSTALL_PLUGINDIR}/contacts ${CMAKE_INSTALL_LIBDIR})
set_target_properties(davovadezed socialprovider uxkit contentaction contactswidgets
    PROPERTIES INSTALL_RPATH "$ORIGIN")
set_target_properties(qtcontacts_social
    PROPERTIES INSTALL_RPATH "$ORIGIN/${davovadezed_plugin_to_libs}")

davovadezed_install_relative_path(davovadezed_pc_plugindir
    ${CMAKE_INSTALL_PREFIX} ${DAVOVADEZED_INSTALL_PLUGINDIR})
davovadezed_install_relative_path(davovadezed_pc_translationdir
    ${CMAKE_INSTALL_PREFIX} ${DAVOVADEZED_INSTALL_TRANSLATIONDIR})
davovadezed_install_library(davovadezed
    DESCRIPTION "Social activity feed and comments widgets for touch handsets"
    HEADERS ${DAVOVADEZED_VERSION_HEADER}
    REQUIRES Qt5Core Qt5Gui Qt5Widgets Qt5Contacts socialprovider uxkit
    REQUIRES_PRIVATE contentaction contactswidgets
    PKGCONFIG_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/davovadezed.pc.in)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/davovadezed
    COMPONENT Devel
    FILES_MATCHING PATTERN "*.h")

# CMake: find_package(Davovadezed 0.5) gives Davovadezed::davovadezed.
install(EXPORT DavovadezedTargets
    NAMESPACE Davovadezed::
    DESTINATION ${DAVOVADEZED_INSTALL_CMAKEDIR}
    COMPONENT Devel)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/DavovadezedConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/DavovadezedConfig.cmake
    INSTALL_DESTINATION ${DAVOVADEZED_INSTALL_CMAKEDIR}
    PATH_VARS DAVOVADEZED_INSTALL_PLUGINDIR DAVOVADEZED_INSTALL_TRANSLATIONDIR)
# Before 1.0 a minor version may change the interface.
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/DavovadezedConfigVersion.cmake
    VERSION ${PROJECT_VERSION}
    COMPATIBILITY SameMinorVersion)
install(FILES
    ${CMAKE_CURRENT_BINARY_DIR}/DavovadezedConfig.cmake
    ${CMAKE_CURRENT_BINARY_DIR}/DavovadezedConfigVersion.cmake
    DESTINATION ${DAVOVADEZED_INSTALL_CMAKEDIR}
    COMPONENT Devel)
