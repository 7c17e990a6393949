# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the include rules of the two layers, run as a test:
#   cmake -DSOURCE_DIR=<repo>/src -P cmake/CheckLayers.cmake
# Within a layer an area includes only areas on a lower floor of the house below; areas on the
# same floor never include each other, so there can be no cycle. The gui may include the core;
# the core cannot see the gui at all (it has no include root for it).
#
#   gui    app
#          calendar  charts  links  nutrition
#          food  activity
#          meals
#          controls
#          platform
#   core   export  import
#          store  links  nutrition
#          recipes
#          food  charts  goals
#          calendar  meals
#          platform  layout  skin

set(core_floors "platform:0" "layout:0" "skin:0" "calendar:1" "meals:1" "food:2" "charts:2"
                "goals:2" "recipes:3" "store:4" "links:4" "nutrition:4" "export:5"
                "import:5")
set(gui_floors "platform:0" "controls:1" "meals:2" "food:3" "activity:3" "calendar:4" "charts:4" "links:4"
               "nutrition:4"
               "app:5")

function(floor_of layer area out)
    set(result "")
    foreach(entry IN LISTS ${layer}_floors)
        string(REPLACE ":" ";" pair ${entry})
        list(GET pair 0 name)
        list(GET pair 1 floor)
        if(name STREQUAL area)
            set(result ${floor})
        endif()
    endforeach()
    set(${out} "${result}" PARENT_SCOPE)
endfunction()

set(violations 0)
foreach(layer core gui)
    file(GLOB areas RELATIVE ${SOURCE_DIR}/${layer} ${SOURCE_DIR}/${layer}/*)
    foreach(area IN LISTS areas)
        if(NOT IS_DIRECTORY ${SOURCE_DIR}/${layer}/${area})
            continue()
        endif()
        floor_of(${layer} ${area} own)
        if(own STREQUAL "")
            message(SEND_ERROR "${layer}/${area}: an area without a floor; add it to ${CMAKE_CURRENT_LIST_FILE}")
            math(EXPR violations "${violations} + 1")
            continue()
        endif()
        file(GLOB sources ${SOURCE_DIR}/${layer}/${area}/*.h ${SOURCE_DIR}/${layer}/${area}/*.cpp)
        foreach(source IN LISTS sources)
            file(STRINGS ${source} includes REGEX "^#include \"[^/\"]+/[^\"]+\"")
            foreach(line IN LISTS includes)
                string(REGEX REPLACE "^#include \"([^/\"]+)/([^\"]+)\".*" "\\1;\\2" target "${line}")
                list(GET target 0 other)
                list(GET target 1 name)
                if(other STREQUAL area OR NOT EXISTS ${SOURCE_DIR}/${layer}/${other}/${name})
                    continue() # its own area, or (from the gui) a core header
                endif()
                floor_of(${layer} ${other} theirs)
                if(NOT theirs LESS own)
                    file(RELATIVE_PATH shown ${SOURCE_DIR} ${source})
                    message(SEND_ERROR "${shown}: ${layer}/${area} (floor ${own}) includes ${other}/${name} (floor ${theirs})")
                    math(EXPR violations "${violations} + 1")
                endif()
            endforeach()
        endforeach()
    endforeach()
endforeach()

if(violations EQUAL 0)
    message(STATUS "Layers: every include runs down the house")
endif()
