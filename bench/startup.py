#!/usr/bin/env python3
"""Start-up figures of the game beside a minimal Qt Widgets window.

    python3 bench/startup.py [BUILD_DIR] [RUNS] [NAME=PROGRAM ...]

NAME=PROGRAM adds another program to the same run, an older build of the game for instance.
Starts one Xvfb server on a free display, then runs each program RUNS times (default 21),
alternating, with HARVESTA_STARTUP_REPORT=exit. Each program prints the real time of its first
painted frame, then, once its start-up work is done, the real time of that and its peak
resident memory, and quits. Measured from just before exec:

- map: the first top-level window mapped, seen from outside by an X client watching the root
  window (xev), so it includes nothing the program says about itself;
- first frame: the first paint of the program's main surface, flushed;
- ready: every window of the program built (the game builds its secondary windows right after
  its first frame); peak memory is read then;
- CPU: the process's CPU time up to its first frame, which a loaded machine disturbs less than
  the real times.

Prints medians and the game's ratios to the minimal window.
"""
import os
import queue
import statistics
import subprocess
import sys
import threading
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build/release"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 21
programs = {
    "harvesta": os.path.join(build, "harvesta"),
    "minimal Qt window": os.path.join(build, "bench", "harvesta_minimal_window"),
}
for extra in sys.argv[3:]:
    name, _, path = extra.partition("=")
    programs[name] = path

# Xvfb picks a free display itself and writes its number to the pipe: other people's servers
# on this machine stay untouched. Without -noreset it would reset, and write its display number
# again, each time the last program leaves.
read_fd, write_fd = os.pipe()
xvfb = subprocess.Popen(
    ["Xvfb", "-displayfd", str(write_fd), "-noreset", "-screen", "0", "1280x1024x24", "-nolisten",
     "tcp"], pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
os.close(write_fd)
# The number ends with a newline, which may come in a write of its own: a pipe closed before
# it would end the server.
number = b""
while not number.endswith(b"\n"):
    chunk = os.read(read_fd, 32)
    if not chunk:
        sys.exit("Xvfb did not start")
    number += chunk
display = ":" + number.decode().strip()

env = dict(os.environ, DISPLAY=display, HARVESTA_STARTUP_REPORT="exit", QT_QPA_PLATFORM="xcb")
env.pop("WAYLAND_DISPLAY", None)

maps = queue.Queue()
watcher = subprocess.Popen(["xev", "-root", "-event", "substructure"], env=env,
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, bufsize=1)


def watch_maps():
    for line in watcher.stdout:
        if line.startswith("MapNotify"):
            maps.put(time.time() * 1000.0)


threading.Thread(target=watch_maps, daemon=True).start()
time.sleep(0.5)  # the watcher is listening before the first program starts

figures = {name: {"map": [], "frame": [], "ready": [], "memory": [], "cpu": []}
           for name in programs}
try:
    for _ in range(runs):
        for name, path in programs.items():
            while not maps.empty():
                maps.get_nowait()
            start_ms = time.time() * 1000.0
            run = subprocess.run([path], env=env, capture_output=True, text=True, timeout=60)
            lines = {l.split()[0]: l.split()[1:] for l in run.stdout.splitlines() if l.strip()}
            if "first-frame" not in lines:
                server = "running" if xvfb.poll() is None else "gone"
                sys.exit(f"{path} reported nothing (exit {run.returncode}, Xvfb on {display} "
                         f"{server}):\n{run.stderr}")
            frame = lines["first-frame"]
            ready = lines.get("ready", frame)  # an older build has no ready line
            f = figures[name]
            f["frame"].append(float(frame[0]) - start_ms)
            f["ready"].append(float(ready[0]) - start_ms)
            f["memory"].append(int(ready[1]) / 1024.0)
            if len(frame) > 2:
                f["cpu"].append(float(frame[2]))
            f["map"].append(maps.get(timeout=5) - start_ms)
finally:
    watcher.terminate()
    xvfb.terminate()
    xvfb.wait()
    os.close(read_fd)

med = {name: {k: statistics.median(v) if v else float("nan") for k, v in f.items()}
       for name, f in figures.items()}
print(f"{'program':<20} {'map (ms)':>9} {'first frame (ms)':>17} {'ready (ms)':>11} "
      f"{'CPU to first frame (ms)':>24} {'peak memory (MiB)':>18}   runs: {runs}")
for name, m in med.items():
    print(f"{name:<20} {m['map']:>9.1f} {m['frame']:>17.1f} {m['ready']:>11.1f} "
          f"{m['cpu']:>24.1f} {m['memory']:>18.1f}")
floor = med["minimal Qt window"]
for name, m in med.items():
    if name == "minimal Qt window":
        continue
    print(f"{name}, ratios to the minimal window: map {m['map'] / floor['map']:.2f}x, "
          f"first frame {m['frame'] / floor['frame']:.2f}x, "
          f"ready {m['ready'] / floor['ready']:.2f}x, "
          f"CPU to first frame {m['cpu'] / floor['cpu']:.2f}x; "
          f"memory {m['memory'] - floor['memory']:+.1f} MiB")
