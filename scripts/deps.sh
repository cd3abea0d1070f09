#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, test and run, but only those that
# are missing, so it is quick on a machine that already has them.
set -euo pipefail

packages=(
    qt6-base-dev zlib1g-dev libsdl2-dev cmake ninja-build g++
    googletest libgtest-dev libbenchmark-dev
    fonts-dejavu-core
    fonts-wine fonts-arkpandora
    xvfb xdotool x11-xkb-utils
    weston qt6-wayland
    # Mesa's software driver: the Wayland tests then run as on a desktop, where Qt's Wayland
    # plugin sets up EGL through the driver, and the sanitizer suite must pass there too.
    libgl1-mesa-dri
    desktop-file-utils appstream
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
)
# Extra tools for running the game without a display (screenshots, and bench/startup.py, whose
# xev watches for the first window) and for the decoder fuzz target.
if [[ "${HARVESTA_WANT_XVFB:-0}" == 1 ]]; then packages+=(xvfb xauth xdotool imagemagick x11-utils); fi
if [[ "${HARVESTA_WANT_FUZZ:-0}" == 1 ]]; then packages+=(clang libclang-rt-14-dev); fi
# The Windows cross build of the core and Wine to run its tests (scripts/test-windows.sh);
# GoogleTest's sources come with googletest above. Clang checks the resource table against
# the Microsoft compiler's limit on literals.
if [[ "${HARVESTA_WANT_WINDOWS:-0}" == 1 ]]; then
    packages+=(g++-mingw-w64-x86-64 libz-mingw-w64-dev wine wine64 clang)
fi
# Debian's package checker, which scripts/package.sh runs on the package it builds.
if [[ "${HARVESTA_WANT_PACKAGE:-0}" == 1 ]]; then packages+=(lintian); fi
# The mutation tester (tools/mutate), run by hand.
if [[ "${HARVESTA_WANT_MUTATE:-0}" == 1 ]]; then packages+=(python3 git); fi

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
