#!/usr/bin/env bash
# Builds Kalustra and opens it. The course list "liste.txt" lives in the
# directory this is started from, as with any run of the program.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${KALUSTRA_BUILD_DIR:-$root/build}

bash "$root/tools/build.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Built $build/kalustra; no display to open it on." >&2
    exit 0
fi
exec "$build/kalustra"
