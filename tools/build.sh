#!/usr/bin/env bash
# Configures and builds everything into build/ (or $KALUSTRA_BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${KALUSTRA_BUILD_DIR:-$root/build}

bash "$root/tools/install-deps.sh"

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE="${CMAKE_BUILD_TYPE:-RelWithDebInfo}" \
    -DKALUSTRA_WARNINGS_AS_ERRORS="$werror" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
