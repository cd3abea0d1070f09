#!/usr/bin/env bash
# Runs a command on an X server of its own (Xvfb) with QT_QPA_PLATFORM=xcb:
#     tests/desktop/with-xvfb.sh COMMAND [ARGS...]
# The server picks a free display itself, so runs side by side never share one, and it is
# stopped on every way out.
set -euo pipefail
work=$(mktemp -d)
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

# -noreset: the server would write its display number again each time the last client left.
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
for _ in $(seq 200); do
    [[ -s $work/display ]] && break
    if ! kill -0 "$server" 2>/dev/null; then cat "$work/xvfb.log" >&2; exit 1; fi
    sleep 0.05
done
if [[ ! -s $work/display ]]; then echo "Xvfb did not start within 10 s" >&2; exit 1; fi

export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
"$@"
