#!/usr/bin/env bash
# Runs a command as a client of a Weston compositor of its own, on the headless back end, with
# QT_QPA_PLATFORM=wayland:
#     tests/desktop/with-weston.sh COMMAND [ARGS...]
# The compositor gets a runtime folder of its own, so its socket never meets another run's,
# and it is stopped on every way out.
set -euo pipefail
runtime=$(mktemp -d)
chmod 700 "$runtime" # Wayland refuses a runtime folder others can read
compositor=
cleanup() {
    if [[ -n $compositor ]]; then
        kill "$compositor" 2>/dev/null || true
        wait "$compositor" 2>/dev/null || true
    fi
    rm -rf "$runtime"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

socket=harvesta-test
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" \
    --idle-time=0 --width=1280 --height=1024 >"$runtime/weston.log" 2>&1 &
compositor=$!
for _ in $(seq 200); do
    [[ -S $runtime/$socket ]] && break
    if ! kill -0 "$compositor" 2>/dev/null; then cat "$runtime/weston.log" >&2; exit 1; fi
    sleep 0.05
done
if [[ ! -S $runtime/$socket ]]; then echo "Weston did not start within 10 s" >&2; exit 1; fi

export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
unset DISPLAY
"$@"
