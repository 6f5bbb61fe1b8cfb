#!/usr/bin/env bash
# Builds the core, the window and their tests with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ and runs them (the window
# offscreen). Any report ends the test program with an error, and so this
# script. Line tables are debug information enough for the reports, and
# the window's code compiles a fifth faster without the rest.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${KALUSTRA_ASAN_BUILD_DIR:-$root/build-asan}
tests=(tests/core/general_tests tests/core/model_tests tests/core/search_tests
    tests/fuzz/fuzz_corpus_tests tests/window/window_tests)

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g1 -O1" \
    -DKALUSTRA_SANITIZE=ON -DKALUSTRA_BUILD_BENCHMARKS=OFF \
    -DKALUSTRA_WARNINGS_AS_ERRORS="$werror" >/dev/null
targets=()
for test in "${tests[@]}"; do targets+=(--target "$(basename "$test")"); done
cmake --build "$build" --parallel "$(nproc)" "${targets[@]}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for test in "${tests[@]}"; do
    # A build without the sanitizers linked in would pass without checking.
    libraries=$(ldd "$build/$test")
    for runtime in libasan libubsan; do
        if [[ $libraries != *"$runtime"* ]]; then
            echo "$test is not linked with $runtime" >&2
            exit 1
        fi
    done
    echo "== $test (sanitized)"
    (cd "$build" && "./$test" --gtest_brief=1)
done
