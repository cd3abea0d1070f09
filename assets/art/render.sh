#!/usr/bin/env bash
# Renders every picture block of assets/data, and the desktop icons of packaging/icons, from
# the drawings in assets/art/src.
#
#   bash assets/art/render.sh                      write the picture blocks and the icons
#   bash assets/art/render.sh --sheet FILE.png     also make the contact sheet
#
# Needs qt6-base-dev, cmake, ninja-build, g++ and fonts-dejavu-core; builds into build/art.
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake -S assets/art -B build/art -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/art >/dev/null
export QT_QPA_PLATFORM=offscreen
./build/art/harvesta_art render assets/data
mkdir -p packaging/icons
./build/art/harvesta_art icons packaging/icons
if [[ "${1:-}" == --sheet ]]; then
    ./build/art/harvesta_art sheet assets/data "${2:?--sheet needs a file name}"
fi
