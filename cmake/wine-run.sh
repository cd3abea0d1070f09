#!/usr/bin/env bash
# Runs a program of the Windows cross build under Wine, in a Wine prefix of its own that is
# made on first use. Usage: wine-run.sh PREFIX PROGRAM.exe [ARGS...]
# No display is needed, nothing is written outside the prefix, and a program that hangs is
# ended after HARVESTA_WINE_TIMEOUT seconds (default 300).
set -euo pipefail
prefix=$1
shift
export WINEPREFIX=$prefix WINEDEBUG=-all
# No .NET or browser engine to offer for download, no menu entries in the user's desktop.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY
limit=${HARVESTA_WINE_TIMEOUT:-300}
wine=$(command -v wine64 || command -v wine) || { echo "wine-run.sh: Wine is not installed" >&2; exit 127; }

# Tests start in parallel; the first one makes the prefix while the others wait for it.
if [[ ! -f $prefix/system.reg ]]; then
    mkdir -p "$(dirname "$prefix")"
    (
        flock 9
        if [[ ! -f $prefix/system.reg ]]; then
            timeout -k 10 "$limit" "$wine" wineboot --init >/dev/null 2>&1 || true
            timeout -k 10 "$limit" wineserver --wait
        fi
    ) 9>"$prefix.lock"
    [[ -f $prefix/system.reg ]] || { echo "wine-run.sh: could not make the Wine prefix $prefix" >&2; exit 1; }
fi
exec timeout -k 10 "$limit" "$wine" "$@"
