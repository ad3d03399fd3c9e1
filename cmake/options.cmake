# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tavolix developers

option(TAVOLIX_BUILD_GUI "Build the Qt window" ON)
option(TAVOLIX_BUILD_CLI "Build the tavolix-calc command-line tool" ON)
option(TAVOLIX_BUILD_TESTS "Build the test suite" ON)
option(TAVOLIX_BUILD_BENCH "Build the benchmarks (needs Google Benchmark)" OFF)
option(TAVOLIX_WERROR "Treat compiler warnings as errors" OFF)
option(TAVOLIX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
# Start-up copies this into TableState::write_reports; the window has no
# control for it, so report files are a build-time choice.
option(TAVOLIX_WRITE_REPORTS "Let the window write the engines' report files" OFF)
# libFuzzer targets (clang only), with AddressSanitizer and UBSan throughout.
option(TAVOLIX_FUZZ "Build the fuzz targets" OFF)
# 0: every test case is a ctest test of its own; N: each test executable runs
# as N ctest tests, each a process running its share of the cases.
set(TAVOLIX_TEST_SHARDS 0 CACHE STRING "Run each test executable as this many shards (0: a test per case)")

# The two web links at the foot of the window; each label shows the address it opens.
set(TAVOLIX_HOME_URL "https://tavolix.example/" CACHE STRING
    "Home page shown and opened by the window's first link; a site address ending in \"/\"")
set(TAVOLIX_MANUAL_URL "https://tavolix.example/manuale.html" CACHE STRING
    "Manual page shown and opened by the window's second link; a page on the home page's site, under TAVOLIX_HOME_URL")
# Checked once Qt is found (cmake/web_links.cmake).
# Manual pages: the window's is written by hand, tavolix-calc's is made from
# its --help by help2man, so a distributor who builds without help2man turns
# this off rather than ship a page that lags behind the options.
option(TAVOLIX_MAN_PAGES "Build and install the manual pages (needs help2man for tavolix-calc's)" ON)
