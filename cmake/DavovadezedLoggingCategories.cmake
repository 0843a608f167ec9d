# The logging categories, described for the desktop's debug settings tool;
# the stand-ins' only when they are installed.
set(DAVOVADEZED_INSTALL_LOGGINGCATEGORIESDIR ${CMAKE_INSTALL_DATADIR}/qlogging-categories5
    CACHE STRING "Folder of the logging category descriptions, relative to the install prefix")
install(FILES ${PROJECT_SOURCE_DIR}/src/davovadezed.categories
    DESTINATION ${DAVOVADEZED_INSTALL_LOGGINGCATEGORIESDIR}
    COMPONENT Runtime)
if(DAVOVADEZED_INSTALL_PLATFORM)
    install(FILES ${PROJECT_SOURCE_DIR}/src/platform/davovadezed-platform.categories
        DESTINATION ${DAVOVADEZED_INSTALL_LOGGINGCATEGORIESDIR}
        COMPONENT Runtime)
endif()
