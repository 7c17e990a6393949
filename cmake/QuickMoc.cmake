# SPDX-License-Identifier: GPL-3.0-or-later
# moc reads every header a class's header includes, Qt's and the standard library's, some 450
# files and half a second for each header it runs on, and needs none of them: it knows Qt's
# macros itself and writes the same code from the class alone. AUTOMOC runs it through a wrapper
# that passes on only the project's own include folders. Included after the last target.
if(NOT UNIX OR NOT TARGET Qt6::moc)
    return()
endif()
get_target_property(moc Qt6::moc IMPORTED_LOCATION)
if(NOT moc)
    return()
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/moc-own-includes.sh.in
               ${PROJECT_BINARY_DIR}/moc-own-includes.sh @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)

function(corvalo_quick_moc directory)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(automoc ${target} AUTOMOC)
        if(automoc)
            set_property(TARGET ${target} PROPERTY
                AUTOMOC_EXECUTABLE ${PROJECT_BINARY_DIR}/moc-own-includes.sh)
        endif()
    endforeach()
    get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(subdirectory IN LISTS subdirectories)
        corvalo_quick_moc(${subdirectory})
    endforeach()
endfunction()
corvalo_quick_moc(${PROJECT_SOURCE_DIR})
