#!/usr/bin/env python3
"""Drawing figures as ratios to a memcpy of the same bytes, measured in the same run.

    python3 bench/ratios.py [BUILD_DIR] [REPETITIONS]

Runs harvesta_bench_imaging and harvesta_bench_board of BUILD_DIR (default build/release)
with REPETITIONS repetitions (default 9) and prints, for each figure, the median time beside
the median of its memcpy companion and their ratio, in real time and in CPU time. The board
benchmark's CPU time is summed over all threads of the process.
"""
import json
import os
import subprocess
import sys

build = sys.argv[1] if len(sys.argv) > 1 else "build/release"
repetitions = sys.argv[2] if len(sys.argv) > 2 else "9"

# (figure, its memcpy companion, target ratio or None)
FIGURES = {
    "harvesta_bench_imaging": [
        ("DrawPicture/overlay/key/2", "memcpy/overlay/82950", 2.0),
        ("DrawPicture/gameover/key", "memcpy/overlay/82950", 2.0),
        ("DrawPicture/overlay/copy/1", "memcpy/overlay/82950", None),
        ("DrawPicture/picture/copy-at-origin", "memcpy/picture/1221120", None),
        ("board/composition", "memcpy/board/2472198", 1.1),
    ],
    "harvesta_bench_board": [
        ("BM_BoardPaintToRgb32/process_time", "BM_MemcpyBoardPicture32/process_time", 2.5),
        ("BM_BoardPaintToBgr888/process_time", "BM_MemcpyBoardPicture/process_time", None),
        ("BM_TransferStraightIntoRgb32/process_time", "BM_MemcpyBoardPicture32/process_time",
         None),
        ("BM_TransferViaRgb32Picture/process_time", "BM_MemcpyBoardPicture32/process_time", None),
        ("BM_TransferQtConvertsBgr888/process_time", "BM_MemcpyBoardPicture32/process_time",
         None),
    ],
}


def medians(program):
    out = subprocess.run(
        [os.path.join(build, "bench", program), f"--benchmark_repetitions={repetitions}",
         "--benchmark_report_aggregates_only=true", "--benchmark_format=json"],
        capture_output=True, text=True, check=True).stdout
    result = {}
    for b in json.loads(out)["benchmarks"]:
        if b.get("aggregate_name") == "median":
            scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}[b["time_unit"]]
            result[b["run_name"]] = (b["real_time"] * scale, b["cpu_time"] * scale)
    return result


print(f"{'figure':<44} {'real us':>9} {'memcpy':>8} {'ratio':>6}   {'CPU us':>9} {'memcpy':>8} "
      f"{'ratio':>6}  target")
for program, figures in FIGURES.items():
    m = medians(program)
    for name, floor, target in figures:
        (real, cpu), (real0, cpu0) = m[name], m[floor]
        goal = f"<= {target}x" if target else ""
        print(f"{name:<44} {real:>9.1f} {real0:>8.1f} {real / real0:>5.2f}x   {cpu:>9.1f} "
              f"{cpu0:>8.1f} {cpu / cpu0:>5.2f}x  {goal}")
