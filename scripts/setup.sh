#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the tests and the
# program need and is not there yet. Safe to run again.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev
    googletest libgtest-dev libbenchmark-dev
    locales fonts-dejavu-core fonts-liberation2 sqlite3 poppler-utils
    nec2c
    mdbtools nodejs
    clang libclang-rt-14-dev clang-format clang-tidy
    desktop-file-utils appstream dpkg-dev file universal-ctags
)
if [ "${1:-}" = "--display" ]; then
    packages+=(xvfb xauth)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
# The tests install one npm package into the build folder. Some Node.js
# builds bring their own npm and conflict with Debian's package of it, so
# it is installed only where no npm is found.
if ! command -v npm >/dev/null 2>&1; then
    missing+=(npm)
fi

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The scenarios run a second time under a process locale whose decimal
# separator is a comma.
if ! locale -a 2>/dev/null | grep -qi '^fr_BE\.utf-\?8$'; then
    as_root localedef -i fr_BE -f UTF-8 fr_BE.UTF-8
fi
