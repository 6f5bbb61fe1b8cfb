#!/usr/bin/env bash
# Draws the window's icon sizes from the scalable icon. Run it after changing
# app/desktop/org.example.kalustra.svg; it needs rsvg-convert (Debian's
# librsvg2-bin), which the build itself does not.
set -euo pipefail
desktop=$(cd "$(dirname "${BASH_SOURCE[0]}")/../app/desktop" && pwd)
for size in 16 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$desktop/org.example.kalustra.svg" \
        -o "$desktop/icons/kalustra-$size.png"
done
