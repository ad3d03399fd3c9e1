# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tavolix developers

# The release this tree builds is the newest entry of the changelog, which
# must be for the project's version: a version raised in CMakeLists.txt
# without its entry would ship last release's notes under the new number.
# The entry's date dates the manual pages and the AppStream release, so two
# builds of one release make the same pages.
#   tavolix_read_release(CHANGELOG) sets TAVOLIX_RELEASE_DATE (2026-12-08),
#   TAVOLIX_RELEASE_MONTH (December 2026) and TAVOLIX_RELEASE_EPOCH (seconds).
function(tavolix_read_release changelog)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${changelog}")
    file(STRINGS "${changelog}" heading LIMIT_COUNT 1)
    if(NOT heading MATCHES "^${PROJECT_NAME} \\(([^)]+)\\) ")
        message(FATAL_ERROR "${changelog} does not start with a \"${PROJECT_NAME} (VERSION) ...\" entry")
    endif()
    if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
        message(FATAL_ERROR "${changelog}: the newest entry is for ${CMAKE_MATCH_1}, the project is "
                            "${PROJECT_VERSION}; add an entry for ${PROJECT_VERSION}")
    endif()
    file(STRINGS "${changelog}" trailer REGEX "^ -- .+>  " LIMIT_COUNT 1)
    string(REGEX REPLACE "^ -- .+>  " "" date "${trailer}")
    foreach(field IN ITEMS "DATE;+%F" "MONTH;+%B %Y" "EPOCH;+%s")
        list(GET field 0 name)
        list(GET field 1 format)
        execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C date -u -d "${date}" "${format}"
                        OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE
                        RESULT_VARIABLE status ERROR_QUIET)
        if(NOT status EQUAL 0 OR date STREQUAL "")
            message(FATAL_ERROR "${changelog}: the newest entry's date \"${date}\" cannot be read")
        endif()
        set(TAVOLIX_RELEASE_${name} "${value}" PARENT_SCOPE)
    endforeach()
endfunction()
