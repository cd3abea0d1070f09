#!/usr/bin/env bash
# Installs what is missing, builds the debug preset and runs every test (no display needed).
# With a preset name as argument (asan, release) it builds and tests that preset instead.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-debug}"
bash scripts/deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset" -j "$(nproc)"
