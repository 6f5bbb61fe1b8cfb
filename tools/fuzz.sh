#!/usr/bin/env bash
# Fuzzes the course list reader and writer for SECONDS (default 60) with
# clang's libFuzzer, sanitized, in build-fuzz/. Without clang it says so
# and does nothing. New inputs collect in build-fuzz/corpus; a failing
# input is saved in build-fuzz/ and fails the script. Inputs reach 64 KB,
# enough for long lines and for a list past its 32767 lines.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${KALUSTRA_FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${1:-60}

if ! command -v clang++ >/dev/null; then
    echo "clang++ is not installed: the course list is not fuzzed." >&2
    exit 0
fi
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALUSTRA_FUZZ=ON \
    -DKALUSTRA_BUILD_TESTS=OFF -DKALUSTRA_BUILD_BENCHMARKS=OFF \
    -DKALUSTRA_WARNINGS_AS_ERRORS="$werror" >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target fuzz_course_list

mkdir -p "$build/corpus"
echo "== fuzzing the course list for $seconds s"
"$build/tests/fuzz/fuzz_course_list" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/" \
    "$build/corpus" "$root/tests/fuzz/corpus" 2>"$build/fuzz.log" || {
    tail -n 40 "$build/fuzz.log" >&2
    exit 1
}
grep -E '^(Done|stat::)' "$build/fuzz.log" || true
