#!/usr/bin/env python3
"""Wake-ups of the game while it should sleep: before a game, and while a game is paused.

    python3 bench/wakeups.py [GAME] [SECONDS] [REPEATS]

Starts one Xvfb server on a free display, runs the game (default build/release/harvesta), and
counts the voluntary context switches of all its threads (/proc/PID/task/*/status) over
SECONDS (default 10): first three seconds after its window appeared, with no game started;
then a game is started (S), paused (P) after two seconds, and counted again from three seconds
into the pause, when the last sound has long died away. Each phase is measured REPEATS times
(default 3) with a fresh game. Keys go in through xdotool.
"""
import glob
import os
import subprocess
import sys
import time

game = sys.argv[1] if len(sys.argv) > 1 else "build/release/harvesta"
seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 10.0
repeats = int(sys.argv[3]) if len(sys.argv) > 3 else 3


def switches(pid):
    total = 0
    for status in glob.glob(f"/proc/{pid}/task/*/status"):
        try:
            with open(status) as f:
                for line in f:
                    if line.startswith("voluntary_ctxt_switches"):
                        total += int(line.split()[1])
        except FileNotFoundError:
            pass  # a thread that ended meanwhile
    return total


def threads(pid):
    return len(glob.glob(f"/proc/{pid}/task/*"))


def count(pid):
    before = switches(pid)
    time.sleep(seconds)
    return switches(pid) - before


read_fd, write_fd = os.pipe()
xvfb = subprocess.Popen(
    ["Xvfb", "-displayfd", str(write_fd), "-noreset", "-screen", "0", "1280x1024x24", "-nolisten",
     "tcp"], pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
os.close(write_fd)
number = b""
while not number.endswith(b"\n"):
    chunk = os.read(read_fd, 32)
    if not chunk:
        sys.exit("Xvfb did not start")
    number += chunk
env = dict(os.environ, DISPLAY=":" + number.decode().strip(), QT_QPA_PLATFORM="xcb")
env.pop("WAYLAND_DISPLAY", None)


def key(window, name):
    subprocess.run(["xdotool", "windowfocus", "--sync", window], env=env, check=True)
    subprocess.run(["xdotool", "key", name], env=env, check=True)


try:
    print(f"{'run':>4} {'before a game':>14} {'paused':>8}   (voluntary switches in {seconds:g} s, "
          f"all threads; threads before / playing / paused)")
    for run in range(repeats):
        proc = subprocess.Popen([game], env=env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        window = ""
        for _ in range(100):
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Harvesta$"], env=env,
                                   capture_output=True, text=True).stdout.split()
            if found:
                window = found[0]
                break
            time.sleep(0.1)
        if not window:
            sys.exit("the game's window did not appear")
        time.sleep(3)
        idle_threads = threads(proc.pid)
        idle = count(proc.pid)
        key(window, "s")
        time.sleep(2)
        playing_threads = threads(proc.pid)
        key(window, "p")
        time.sleep(3)
        paused_threads = threads(proc.pid)
        paused = count(proc.pid)
        print(f"{run + 1:>4} {idle:>14} {paused:>8}   ({idle_threads} / {playing_threads} / "
              f"{paused_threads})", flush=True)
        proc.terminate()
        proc.wait()
finally:
    xvfb.terminate()
    xvfb.wait()
    os.close(read_fd)
