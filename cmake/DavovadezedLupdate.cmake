# Refreshes the translation sources from the code: the id-based texts keep
# the engineering English written beside each id, the others come from
# tr(). With CHECK_DIR set, the sources are refreshed in copies there and
# the run fails if any copy differs from the committed file.
set(libraryFolders src/bubble src/comments src/feed src/directories include)
set(libraryCatalogs src/bubble/translations/actv_en.ts src/bubble/translations/actv_pl.ts)
set(demoFolders demo/src)
set(demoCatalogs demo/translations/davovadezed-demo_en.ts demo/translations/davovadezed-demo_pl.ts)

function(refresh folders catalogs)
    set(targets)
    foreach(catalog IN LISTS catalogs)
        if(CHECK_DIR)
            get_filename_component(name ${catalog} NAME)
            file(COPY ${SOURCE_DIR}/${catalog} DESTINATION ${CHECK_DIR})
            list(APPEND targets ${CHECK_DIR}/${name})
        else()
            list(APPEND targets ${SOURCE_DIR}/${catalog})
        endif()
    endforeach()
    execute_process(COMMAND ${LUPDATE} -silent -locations none -no-obsolete ${folders} -ts ${targets}
        WORKING_DIRECTORY ${SOURCE_DIR}
        RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "lupdate failed: ${result}")
    endif()
    if(CHECK_DIR)
        foreach(catalog IN LISTS catalogs)
            get_filename_component(name ${catalog} NAME)
            file(READ ${SOURCE_DIR}/${catalog} committed)
            file(READ ${CHECK_DIR}/${name} refreshed)
            if(NOT committed STREQUAL refreshed)
                message(FATAL_ERROR "${catalog} is out of date with the code; run the davovadezed_lupdate target")
            endif()
        endforeach()
    endif()
endfunction()

if(CHECK_DIR)
    file(REMOVE_RECURSE ${CHECK_DIR})
    file(MAKE_DIRECTORY ${CHECK_DIR})
endif()
refresh("${libraryFolders}" "${libraryCatalogs}")
refresh("${demoFolders}" "${demoCatalogs}")
