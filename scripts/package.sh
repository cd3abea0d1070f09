#!/usr/bin/env bash
# Installs what is missing, builds the game with the release preset (without tests and
# benchmarks), wraps it into a Debian package and checks it with lintian, which must find no
# error and no warning; prints the package's path.
#
#   bash scripts/package.sh            the .deb in build/package/
#   sudo apt-get install ./build/package/harvesta_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
HARVESTA_WANT_PACKAGE=1 bash scripts/deps.sh
build=build/package
cmake --preset release -B "$build" -DHARVESTA_BUILD_TESTS=OFF -DHARVESTA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target harvesta
rm -f "$build"/harvesta_*.deb
if ! (cd "$build" && cpack >cpack.log 2>&1); then cat "$build/cpack.log" >&2; exit 1; fi
deb=$(ls "$build"/harvesta_*.deb)

# The same checks a software centre makes, where the validators are installed.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
dpkg-deb -x "$deb" "$stage"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$stage"/usr/share/applications/*.desktop
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate-tree --no-net "$stage" >/dev/null
fi
# Debian's own checks of the package: any error or warning fails the script.
if ! lintian --fail-on error,warning "$deb" >"$build/lintian.log" 2>&1; then
    cat "$build/lintian.log" >&2
    echo "lintian found faults in $deb" >&2
    exit 1
fi
realpath "$deb"
