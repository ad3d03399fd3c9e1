# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tavolix developers

add_compile_options(
    -Wall       # The usual suspects
    -Wextra     # Unused parameters, sign comparisons and the like
    -Wpedantic  # Stay within ISO C++
    -Wshadow    # A local hiding a field or an outer local
)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 at -O3 warns of overlapping copies inside std::string's own
    # operator+ and assign (GCC bug 105329, fixed in 13): a false alarm in
    # the library's code, not ours, that would fail every optimised build.
    add_compile_options(-Wno-restrict)
endif()
if(TAVOLIX_WERROR)
    add_compile_options(-Werror)
endif()
if(TAVOLIX_SANITIZE OR TAVOLIX_FUZZ)
    # Checked std::array and vector subscripts: ASan cannot see an index that
    # stays inside the enclosing TableState.
    add_compile_definitions(_GLIBCXX_ASSERTIONS)
endif()
if(TAVOLIX_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
if(TAVOLIX_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
