#!/usr/bin/env bash
# Builds the Debian package into a scratch folder and lets lintian judge it:
# no errors; the licence and changelog in place; the platform plugins in
# Depends, without which no window opens.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch" >"$scratch/cpack.log") || {
    cat "$scratch/cpack.log"
    exit 1
}
package=$(ls "$scratch"/*.deb)
status=0
for file in ./usr/share/doc/kalustra/copyright ./usr/share/doc/kalustra/changelog.gz; do
    dpkg-deb -c "$package" | awk '{print $6}' | grep -qxF "$file" || {
        echo "missing from the package: $file"
        status=1
    }
done
dpkg-deb -f "$package" Depends | grep -q '\bqt6-qpa-plugins\b' || {
    echo "not a dependency: qt6-qpa-plugins"
    status=1
}
lintian --fail-on error "$package" || status=1
exit $status
