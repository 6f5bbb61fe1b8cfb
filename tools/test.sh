#!/usr/bin/env bash
# Builds Kalustra with its tests and runs every test, without a display;
# then the core tests again under the sanitizers, and a short fuzz run of
# the course list file. The test summary closes the output.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${KALUSTRA_BUILD_DIR:-$root/build}

bash "$root/tools/build.sh"
summary=$(mktemp)
trap 'rm -f "$summary"' EXIT
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" |
    tee "$summary"
bash "$root/tools/sanitized-tests.sh"
bash "$root/tools/fuzz.sh" 60
echo "== all tests passed; the main test run's summary:"
grep -E '^[0-9]+% tests passed' "$summary"
