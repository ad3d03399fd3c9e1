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
