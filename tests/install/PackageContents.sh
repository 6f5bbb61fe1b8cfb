#!/usr/bin/env bash
# Builds the Debian package from the build folder into a scratch folder and
# checks that it holds the program and what puts it in the menu, and that it
# depends on the libraries it links and the fonts the window was drawn for.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch" >"$scratch/cpack.log") || {
    cat "$scratch/cpack.log"
    exit 1
}
package=$(ls "$scratch"/*.deb)
contents=$(dpkg-deb -c "$package" | awk '{print $6}')
status=0
for file in ./usr/bin/kalustra \
    ./usr/share/applications/org.example.kalustra.desktop \
    ./usr/share/icons/hicolor/scalable/apps/org.example.kalustra.svg \
    ./usr/share/metainfo/org.example.kalustra.metainfo.xml; do
    if ! grep -qxF "$file" <<<"$contents"; then
        echo "missing from the package: $file"
        status=1
    fi
done
depends=$(dpkg-deb -f "$package" Depends)
for package_name in libqt6widgets6 libqt6printsupport6 libical3 qt6-translations-l10n \
    fonts-dejavu-core fonts-dejavu-extra; do
    if ! grep -q "\b$package_name\b" <<<"$depends"; then
        echo "not a dependency: $package_name (Depends: $depends)"
        status=1
    fi
done
[ $status -eq 0 ] && echo "package holds all four files; Depends: $depends"
exit $status
