# SPDX-License-Identifier: GPL-3.0-or-later
# Brings translations/<name>.ts up to date with the texts of the source, or checks that it has a
# translation for every one of them:
#   cmake -DLUPDATE=<lupdate> -DSOURCE_DIR=<repo> -DWORK_DIR=<dir> -DTS_FILE=<ts> [-DCHECK=ON]
#         -P cmake/Translations.cmake
# The string table res/strings.tsv stays the English source; its texts are handed to lupdate as
# a generated source file under the context the program looks them up in. The community address
# (142) is the same in every language.
file(MAKE_DIRECTORY ${WORK_DIR})
file(STRINGS ${SOURCE_DIR}/res/strings.tsv lines ENCODING UTF-8)
set(table "// Generated from res/strings.tsv for lupdate.\n")
foreach(line IN LISTS lines)
    if(line MATCHES "^([0-9]+)\t(.*)$" AND NOT CMAKE_MATCH_1 STREQUAL "142")
        string(REPLACE "\\" "\\\\" text "${CMAKE_MATCH_2}")
        string(REPLACE "\"" "\\\"" text "${text}")
        string(APPEND table "QT_TRANSLATE_NOOP(\"StringTable\", \"${text}\");\n")
    endif()
endforeach()
file(WRITE ${WORK_DIR}/StringTable.cpp "${table}")

set(ts ${TS_FILE})
if(CHECK)
    get_filename_component(name ${TS_FILE} NAME)
    set(ts ${WORK_DIR}/${name})
    file(COPY_FILE ${TS_FILE} ${ts})
endif()
execute_process(
    COMMAND ${LUPDATE} -silent -no-obsolete -locations none
            -tr-function-alias QT_TRANSLATE_NOOP+=CORVALO_UI_TEXT
            ${SOURCE_DIR}/src ${SOURCE_DIR}/tools/skinpainter ${WORK_DIR}/StringTable.cpp
            -ts ${ts}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${result})")
endif()

if(CHECK)
    file(STRINGS ${ts} unfinished REGEX "type=\"unfinished\"")
    list(LENGTH unfinished count)
    if(count GREATER 0)
        message(FATAL_ERROR "${TS_FILE}: ${count} texts without a translation; run the "
                            "update_translations target and translate them")
    endif()
endif()
