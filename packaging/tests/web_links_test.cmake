# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tavolix developers
#
# Runs as `cmake -P`: every pair of addresses below is checked the way a
# configuration checks TAVOLIX_HOME_URL and TAVOLIX_MANUAL_URL.
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/web_links.cmake)

# home | manual | a fragment of the expected error, or OK
set(cases
    "https://tavolix.example/|https://tavolix.example/manuale.html|OK"
    "http://giochi.example.org/|http://giochi.example.org/doc/tavolix/manuale.html|OK"
    "https://example.org/tavolix/|https://example.org/tavolix/manuale.html|OK"
    "https://tavolix.example|https://tavolix.example/manuale.html|must end in"
    "https://example.org/tavolix|https://example.org/tavolix/manuale.html|must end in"
    "https://tavolix.example/|https://altro.example/manuale.html|must be a page under"
    "https://tavolix.example/|https://tavolix.example/|must be a page under"
    "https://example.org/tavolix/|https://example.org/manuale.html|must be a page under"
    "https://tavolix.example/|manuale.html|must be a page under"
    "tavolix.example/|tavolix.example/manuale.html|is not an http"
    "/|/manuale.html|is not an http"
    "ftp://tavolix.example/|ftp://tavolix.example/manuale.html|is not an http"
    "https:///|https:///manuale.html|is not an http"
    "https://tavolix.example/|https://tavolix.example/il manuale.html|must not contain blanks"
)

set(failures 0)
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" fields "${case}")
    list(GET fields 0 home)
    list(GET fields 1 manual)
    list(GET fields 2 expected)
    tavolix_web_links_error("${home}" "${manual}" error)
    if(expected STREQUAL "OK")
        if(NOT error STREQUAL "")
            message("FAIL ${home} ${manual}: refused with \"${error}\"")
            math(EXPR failures "${failures} + 1")
        endif()
    else()
        string(FIND "${error}" "${expected}" at)
        if(at EQUAL -1)
            message("FAIL ${home} ${manual}: expected \"${expected}\", got \"${error}\"")
            math(EXPR failures "${failures} + 1")
        endif()
    endif()
endforeach()

list(LENGTH cases count)
if(failures GREATER 0)
    message(FATAL_ERROR "${failures} of ${count} address pairs judged wrongly")
endif()
message("${count} address pairs judged as expected")
