#!/usr/bin/env bash
# Installs what is missing, builds the release preset and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target harvesta
exec ./build/release/harvesta "$@"
