#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, test and run, but only those that
# are missing, so it is quick on a machine that already has them.
set -euo pipefail

packages=(
    qt6-base-dev zlib1g-dev cmake ninja-build g++
    googletest libgtest-dev libbenchmark-dev
    fonts-dejavu-core
    desktop-file-utils appstream
)
# Extra tools for running the game without a display and for the decoder fuzz target.
if [[ "${HARVESTA_WANT_XVFB:-0}" == 1 ]]; then packages+=(xvfb xauth xdotool imagemagick); fi
if [[ "${HARVESTA_WANT_FUZZ:-0}" == 1 ]]; then packages+=(clang libclang-rt-14-dev); fi
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
