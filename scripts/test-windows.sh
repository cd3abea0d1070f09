#!/usr/bin/env bash
# The plain core (src/platform, src/game, src/assets, src/imaging) and its tests, cross-built
# for 64-bit Windows with MinGW-w64 and run under Wine (no display needed). Installs what is
# missing first. The game's windows need Qt for Windows and are not built here.
set -euo pipefail
cd "$(dirname "$0")/.."
HARVESTA_WANT_WINDOWS=1 bash scripts/deps.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw -j "$(nproc)"
status=0
ctest --preset mingw -j "$(nproc)" || status=$?
# ctest counts the test programs; the GoogleTest cases inside them are counted from its log.
count() {
    grep -a -oE "^\[  $1  \] [0-9]+ tests?$2" build/mingw/Testing/Temporary/LastTest.log |
        awk '{ n += $4 } END { print n + 0 }'
}
echo "GoogleTest cases under Wine: $(count PASSED '\.') passed, $(count FAILED ', listed') failed"
# The tests' Wine server would linger a few seconds; end it now, and only this prefix's.
WINEPREFIX="$PWD/build/mingw/wine" timeout 30 wineserver -k 2>/dev/null || true
exit "$status"
