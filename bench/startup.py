#!/usr/bin/env python3
"""Start-up figures of the game beside a minimal Qt Widgets window.

    python3 bench/startup.py [BUILD_DIR] [RUNS] [NAME=PROGRAM ...]

NAME=PROGRAM adds another program to the same run, an older build of the game for instance.
Starts one Xvfb server, then runs each program RUNS times (default 15), alternating, with
HARVESTA_STARTUP_REPORT=exit: the program prints the real time of its first painted frame and
its peak resident memory, then quits. Time is measured from just before exec. Prints medians.
"""
import os
import statistics
import subprocess
import sys
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build/release"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
programs = {
    "harvesta": os.path.join(build, "harvesta"),
    "minimal Qt window": os.path.join(build, "bench", "harvesta_minimal_window"),
}
for extra in sys.argv[3:]:
    name, _, path = extra.partition("=")
    programs[name] = path

# The server picks a free display itself and names it once it is ready, so runs of other
# people on the same machine never share it. Without -noreset it would reset, and write its
# display number again, each time the last program leaves.
ready_read, ready_write = os.pipe()
xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(ready_write), "-noreset", "-screen", "0",
                         "1280x1024x24", "-nolisten", "tcp"], pass_fds=(ready_write,),
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
os.close(ready_write)
display = ":" + os.read(ready_read, 16).decode().strip()
env = dict(os.environ, DISPLAY=display, HARVESTA_STARTUP_REPORT="exit", QT_QPA_PLATFORM="xcb")
env.pop("WAYLAND_DISPLAY", None)
results = {name: ([], []) for name in programs}
try:
    for _ in range(runs):
        for name, path in programs.items():
            start_ms = time.time() * 1000.0
            run = subprocess.run([path], env=env, capture_output=True, text=True, timeout=60)
            line = next((l for l in run.stdout.splitlines() if l.startswith("first-frame")), None)
            if line is None:
                sys.exit(f"{path} printed no first frame:\n{run.stderr}")
            _, frame_ms, peak_kib = line.split()
            results[name][0].append(float(frame_ms) - start_ms)
            results[name][1].append(int(peak_kib) / 1024.0)
finally:
    xvfb.terminate()
    os.close(ready_read)

print(f"{'program':<20} {'first frame (ms)':>17} {'peak memory (MiB)':>18}   runs: {runs}")
for name, (times, memory) in results.items():
    print(f"{name:<20} {statistics.median(times):>17.1f} {statistics.median(memory):>18.1f}")
floor = results["minimal Qt window"]
for name, (times, memory) in results.items():
    if name == "minimal Qt window":
        continue
    print(f"{name}: ratio time {statistics.median(times) / statistics.median(floor[0]):.2f}x, "
          f"memory difference {statistics.median(memory) - statistics.median(floor[1]):+.1f} MiB")
