# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tavolix developers
#
# The window's footer shows two addresses and opens exactly what it shows, so
# a wrong address is a dead link in every copy of the program. Whoever builds
# the program for distribution sets its own site here, once.

# Sets `out_error` to what is wrong with the pair of addresses, or to an empty
# text when they are fine: the home page is an http(s) site address ending in
# "/", the manual a page under it, neither with blanks in it.
function(tavolix_web_links_error home manual out_error)
    set(error "")
    if("${home}${manual}" MATCHES "[ \t\r\n]")
        set(error "TAVOLIX_HOME_URL and TAVOLIX_MANUAL_URL must not contain blanks")
    elseif(NOT home MATCHES "^https?://[^/]+")
        set(error "TAVOLIX_HOME_URL \"${home}\" is not an http:// or https:// site address")
    elseif(NOT home MATCHES "/$")
        set(error "TAVOLIX_HOME_URL \"${home}\" must end in \"/\"")
    else()
        string(FIND "${manual}" "${home}" at)
        if(NOT at EQUAL 0 OR manual STREQUAL home)
            set(error "TAVOLIX_MANUAL_URL \"${manual}\" must be a page under TAVOLIX_HOME_URL \"${home}\"")
        endif()
    endif()
    set(${out_error} "${error}" PARENT_SCOPE)
endfunction()
