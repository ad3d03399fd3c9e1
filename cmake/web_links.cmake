# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tavolix developers
#
# The window's footer shows two addresses and opens exactly what it shows, so
# a wrong address is a dead link in every copy of the program. Whoever builds
# the program for distribution sets its own site here, once.

# Stops the configuration when the pair of addresses breaks the rule that the
# window lives by (src/ui/web_link_rule.cpp): the rule is built against Qt and
# run here, so that the build accepts exactly what Qt will open.
function(tavolix_check_web_links home manual)
    set(checked "${home} ${manual}")  # no valid address holds a blank
    if(DEFINED CACHE{TAVOLIX_WEB_LINKS_CHECKED} AND "$CACHE{TAVOLIX_WEB_LINKS_CHECKED}" STREQUAL checked)
        return()
    endif()
    set(dir ${CMAKE_BINARY_DIR}/web_links_check)
    file(WRITE ${dir}/home.txt "${home}")
    file(WRITE ${dir}/manual.txt "${manual}")
    try_run(run_status compiled ${dir} ${PROJECT_SOURCE_DIR}/cmake/web_links_check.cpp
        CMAKE_FLAGS "-DINCLUDE_DIRECTORIES=${PROJECT_SOURCE_DIR}/src"
                    -DCMAKE_POSITION_INDEPENDENT_CODE=ON
        LINK_LIBRARIES Qt6::Core
        CXX_STANDARD 20
        COMPILE_OUTPUT_VARIABLE compile_output
        RUN_OUTPUT_VARIABLE problem
        ARGS ${dir}/home.txt ${dir}/manual.txt)
    if(NOT compiled)
        message(FATAL_ERROR "The web link check could not be built:\n${compile_output}")
    endif()
    if(NOT run_status EQUAL 0)
        message(FATAL_ERROR "${problem}")
    endif()
    set(TAVOLIX_WEB_LINKS_CHECKED "${checked}" CACHE INTERNAL "The web link addresses last found good")
endfunction()
