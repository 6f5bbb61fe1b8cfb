#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Safe to run again: it asks apt only for what is missing.
set -euo pipefail

packages=(
    cmake g++ make
    qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libical-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    fonts-dejavu-core fonts-dejavu-extra
    desktop-file-utils appstream dpkg-dev file lintian poppler-utils
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
echo "Installing: ${missing[*]}"
if ! "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"; then
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
