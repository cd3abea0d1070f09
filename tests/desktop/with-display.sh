#!/usr/bin/env bash
# Runs a command on a display server of its own:
#     tests/desktop/with-display.sh x11 COMMAND [ARGS...]      Xvfb, QT_QPA_PLATFORM=xcb
#     tests/desktop/with-display.sh wayland COMMAND [ARGS...]  Weston's headless back end,
#                                                              QT_QPA_PLATFORM=wayland
# Xvfb picks a free display itself and Weston gets a runtime folder of its own, so runs side by
# side never share a server; the server is stopped on every way out. HARVESTA_DISPLAY_SCALE=N
# gives the Wayland output a scale of N.
set -euo pipefail
kind=${1:?x11 or wayland}
shift
work=$(mktemp -d)
chmod 700 "$work" # Wayland refuses a runtime folder others can read
server=
cleanup() {
    if [[ -n $server ]]; then
        kill "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

case $kind in
x11)
    # -noreset: the server would write its display number again each time the last client left.
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" \
        >"$work/server.log" 2>&1 &
    ready() { [[ -s $work/display ]]; }
    ;;
wayland)
    XDG_RUNTIME_DIR=$work weston --backend=headless-backend.so --socket=harvesta-test \
        --idle-time=0 --width=1280 --height=1024 --scale="${HARVESTA_DISPLAY_SCALE:-1}" \
        >"$work/server.log" 2>&1 &
    ready() { [[ -S $work/harvesta-test ]]; }
    ;;
*) echo "unknown display kind: $kind (x11 or wayland)" >&2; exit 2 ;;
esac
server=$!
for _ in $(seq 200); do
    ready && break
    if ! kill -0 "$server" 2>/dev/null; then cat "$work/server.log" >&2; exit 1; fi
    sleep 0.05
done
if ! ready; then echo "the $kind server did not start within 10 s" >&2; exit 1; fi

if [[ $kind == x11 ]]; then
    export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
else
    export XDG_RUNTIME_DIR=$work WAYLAND_DISPLAY=harvesta-test QT_QPA_PLATFORM=wayland
    unset DISPLAY
fi
"$@"
