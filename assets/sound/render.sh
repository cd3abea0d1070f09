#!/usr/bin/env bash
# Synthesises every sound block of assets/data from the recipes in assets/sound/src.
#
#   bash assets/sound/render.sh
#
# Needs cmake, ninja-build and g++; builds into build/sound.
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake -S assets/sound -B build/sound -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/sound >/dev/null
./build/sound/harvesta_sound assets/data
