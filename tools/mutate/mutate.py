#!/usr/bin/env python3
"""Mutation testing for one source folder: plants one fault at a time, rebuilds, runs that
folder's tests, and reports which faults the tests let through. See README.md."""

from __future__ import annotations

import argparse
import dataclasses
import difflib
import fcntl
import hashlib
import io
import json
import os
import queue
import random
import shutil
import signal
import subprocess
import sys
import tarfile
import threading
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import cxxmutants  # noqa: E402

HERE = Path(__file__).resolve().parent
ROOT = HERE.parent.parent
EQUIVALENT_LIST = HERE / "equivalent.txt"
DESIGNED_LIST = HERE / "designed.txt"

# The test runs that exercise each folder's code (see tests/*/CMakeLists.txt): a test
# executable, or `name@x11` / `name@wayland` for one that runs on a display server of its own
# through tests/desktop/with-display.sh, as ctest runs it. The windows of src/results and
# src/windows are built on the borderless window of src/layered, and the main window drives the
# best scores window, so their tests reach across folders.
FOLDER_TARGETS = {
    "src/game": ["game_tests"],
    "src/imaging": ["harvesta_imaging_tests"],
    "src/assets": ["assets_tests"],
    "src/layered": ["layered_tests", "windowsystem_tests", "results_tests", "windows_tests",
                    "fonts_tests", "scale_tests", "session_tests@x11", "session_tests@wayland",
                    "scale_tests@wayland"],
    "src/results": ["results_tests", "damaged_store_tests", "store_crash_tests",
                    "windowsystem_tests", "windows_tests", "fonts_tests", "scale_tests",
                    "session_tests@x11", "session_tests@wayland", "scale_tests@wayland"],
    "src/app": ["main_tests", "board_tests", "keys_tests", "pointer_tests", "pads_tests",
                "sound_tests", "startup_tests", "translations_tests", "themes_tests",
                "scale_tests", "results_tests", "windows_tests", "layouts_tests@x11",
                "session_tests@x11", "session_tests@wayland", "scale_tests@wayland"],
    "src/windows": ["windows_tests", "unit1_tests", "fonts_tests", "windowsystem_tests",
                    "themes_tests", "scale_tests", "translations_tests", "session_tests@x11",
                    "session_tests@wayland", "scale_tests@wayland"],
    "src/adapters": ["keys_tests", "startup_tests", "pads_tests", "sound_tests",
                     "windowsystem_tests", "fonts_tests", "board_tests", "main_tests",
                     "results_tests", "unit1_tests", "translations_tests", "themes_tests",
                     "scale_tests", "layouts_tests@x11", "session_tests@x11",
                     "session_tests@wayland", "scale_tests@wayland"],
}
DISPLAYS = ("x11", "wayland")
# Settings of a test run. The crash test kills a writer at random moments: a few kills from a
# fixed seed keep a mutant's verdict the same from run to run.
TARGET_ENVIRONMENT = {
    "store_crash_tests": {"HARVESTA_KILL_ROUNDS": "8", "HARVESTA_KILL_SEED": "1"},
    # As ctest runs them: the translations in English under the C locale, the scale tests at
    # twice the size by Qt's scaling off screen and by the output's scale on Wayland.
    "translations_tests": {"LANG": "C", "LC_ALL": "", "LC_MESSAGES": "", "LANGUAGE": "",
                           "HARVESTA_EXPECT_LANGUAGE": ""},
    "scale_tests": {"QT_SCALE_FACTOR": "2"},
    "scale_tests@wayland": {"HARVESTA_DISPLAY_SCALE": "2"},
}
SOURCE_SUFFIXES = (".cpp", ".h", ".hpp", ".cc")

KILLED, SURVIVED, TIMEOUT, BUILD_FAILED, SAME_BINARY = (
    "killed", "survived", "timed out", "failed to build", "same binary")


def log(*args: object) -> None:
    print(*args, file=sys.stderr, flush=True)


# ---- The list of mutants judged equivalent, kept in the repository.


def load_equivalents(path: Path = EQUIVALENT_LIST) -> dict[str, str]:
    """id -> reason. Lines: `id | file:line | mutation | reason`; `#` starts a comment."""
    marks: dict[str, str] = {}
    if not path.exists():
        return marks
    for number, raw in enumerate(path.read_text().splitlines(), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        # The mutation may hold " | " itself; the reason may not.
        parts = [p.strip() for p in line.split(" | ")]
        if len(parts) < 4 or not parts[0] or not parts[-1]:
            raise SystemExit(f"{path}:{number}: expected `id | file:line | mutation | reason`")
        marks[parts[0]] = parts[-1]
    return marks


# Reasons of marks that hold only for what the game ships (its pictures, its windows' sizes),
# not for any input the code could be given, begin with these words.
SHIPPED_ONLY = "only for the shipped "


# ---- Designed layout constants, kept in the repository.


@dataclasses.dataclass(frozen=True)
class DesignedLine:
    path: str
    text: str  # the line, stripped of its indentation
    literals: frozenset[str] | None  # None: every integer literal of the line
    why: str


def load_designed(path: Path = DESIGNED_LIST) -> dict[tuple[str, str], DesignedLine]:
    """(file, line text) -> entry. Lines: `file | line text | literals | what they are`; the
    literals are the numbers of the line that are designed, or `*` for all of them."""
    entries: dict[tuple[str, str], DesignedLine] = {}
    if not path.exists():
        return entries
    for number, raw in enumerate(path.read_text().splitlines(), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        # The line text may hold " | " itself (an OR of flags); the other fields may not.
        head, _, rest = line.partition(" | ")
        parts = [head] + rest.rsplit(" | ", 2)
        if len(parts) != 4 or not all(p.strip() for p in parts):
            raise SystemExit(f"{path}:{number}: expected `file | line text | literals | why`")
        where, text, literals, why = (p.strip() for p in parts)
        wanted = None if literals == "*" else frozenset(literals.split())
        entries[(where, text)] = DesignedLine(where, text, wanted, why)
    return entries


def designed_constant(m: cxxmutants.Mutant,
                      designed: dict[tuple[str, str], DesignedLine]) -> DesignedLine | None:
    """The entry that makes this mutant a designed constant: a number of the windows' layout
    (a coordinate, a size, a colour) moved by one. Booleans are behaviour, never designed."""
    if m.kind != "constant" or m.original in ("true", "false"):
        return None
    entry = designed.get((m.path, m.line_text))
    if entry is None or (entry.literals is not None and m.original not in entry.literals):
        return None
    return entry


# ---- Mutants of a folder.


class Snapshot:
    """The files a run works on: the working tree (tracked and new files, not ignored ones),
    or the tree of a commit given with --at."""

    def __init__(self, rev: str | None = None):
        self.rev = rev
        self._files: dict[str, bytes] | None = None
        if rev:
            archive = subprocess.run(["git", "archive", "--format=tar", rev], cwd=ROOT,
                                     check=True, capture_output=True).stdout
            with tarfile.open(fileobj=io.BytesIO(archive)) as tar:
                self._files = {m.name: tar.extractfile(m).read() for m in tar.getmembers()
                               if m.isfile()}

    def paths(self) -> list[str]:
        if self._files is not None:
            return sorted(self._files)
        out = subprocess.run(
            ["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
            cwd=ROOT, check=True, capture_output=True).stdout
        return [p for p in out.decode().split("\0") if p and (ROOT / p).is_file()]

    def read(self, rel: str) -> bytes:
        return self._files[rel] if self._files is not None else (ROOT / rel).read_bytes()

    def text(self, rel: str) -> str:
        return self.read(rel).decode()


def folder_sources(snapshot: Snapshot, folder: str) -> list[str]:
    return [p for p in snapshot.paths()
            if p.startswith(folder + "/") and p.endswith(SOURCE_SUFFIXES)]


def folder_mutants(snapshot: Snapshot, folder: str) -> list[cxxmutants.Mutant]:
    mutants = []
    for rel in folder_sources(snapshot, folder):
        mutants += cxxmutants.find_mutants(rel, snapshot.text(rel))
    return mutants


def choose(mutants: list[cxxmutants.Mutant], seed: int, limit: int | None):
    """A deterministic sample, run file by file so that each rebuild touches one file."""
    chosen = list(mutants)
    if limit is not None and limit < len(chosen):
        chosen = random.Random(seed).sample(chosen, limit)
    return sorted(chosen, key=lambda m: (m.path, m.start, m.id))


def diff_of(m: cxxmutants.Mutant, source: str) -> str:
    before = source.splitlines(keepends=True)
    after = m.apply(source).splitlines(keepends=True)
    return "".join(difflib.unified_diff(before, after, f"a/{m.path}", f"b/{m.path}", n=1))


# ---- A worker: a private copy of the tree and a build directory of its own.


def preset_cache_variables(name: str) -> dict[str, str]:
    presets = json.loads((ROOT / "CMakePresets.json").read_text())
    by_name = {p["name"]: p for p in presets["configurePresets"]}
    if name not in by_name:
        raise SystemExit(f"no configure preset {name} in CMakePresets.json")
    merged: dict[str, object] = {}
    chain = []
    while name:
        preset = by_name[name]
        chain.append(preset)
        inherits = preset.get("inherits")
        name = inherits[0] if isinstance(inherits, list) else inherits
    for preset in reversed(chain):
        merged.update(preset.get("cacheVariables", {}))
    return {k: (v["value"] if isinstance(v, dict) else str(v)) for k, v in merged.items()}


def file_digest(path: Path) -> str:
    return hashlib.sha1(path.read_bytes()).hexdigest()


class Interrupted(Exception):
    pass


@dataclasses.dataclass(frozen=True)
class TestRun:
    """One run of a test executable: `name`, or `name@x11` / `name@wayland`."""
    target: str
    display: str | None = None

    @staticmethod
    def parse(text: str) -> "TestRun":
        target, _, display = text.partition("@")
        if not target or (display and display not in DISPLAYS):
            raise ValueError(f"bad test run {text!r}: expected NAME or NAME@x11 or NAME@wayland")
        return TestRun(target, display or None)

    def command(self, exe: Path, tree: Path) -> list[str]:
        if not self.display:
            return [str(exe)]
        return ["bash", str(tree / "tests" / "desktop" / "with-display.sh"), self.display,
                str(exe)]

    def environment(self) -> dict[str, str]:
        if self.display:
            return TARGET_ENVIRONMENT.get(f"{self.target}@{self.display}", {})
        return TARGET_ENVIRONMENT.get(self.target, {})


def test_runs(names: list[str], with_display: bool = True) -> list[TestRun]:
    runs = [TestRun.parse(s) for s in names]
    return [r for r in runs if with_display or not r.display]


class Worker:
    def __init__(self, index: int, workdir: Path, runs: list[TestRun], timeout: float | None,
                 snapshot: Snapshot | None = None, preset: str = "debug"):
        self.index = index
        self.snapshot = snapshot or Snapshot()
        self.preset = preset
        self.home = workdir / (f"w{index}" if preset == "debug" else f"w{index}-{preset}")
        self.tree = self.home / "tree"
        self.build = self.home / "build"
        self.runs = runs
        self.targets = list(dict.fromkeys(r.target for r in runs))
        self.timeout = timeout
        self.executables: list[Path] = []
        self.found: dict[str, Path] = {}
        self.baseline: dict[Path, str] = {}
        self.children: set[subprocess.Popen] = set()
        self.lock = threading.Lock()
        self.stopping = False

    # Child processes run in their own process group so that a timeout ends the whole group.
    def _run(self, cmd: list[str], timeout: float | None, env=None, cwd=None):
        if self.stopping:
            raise Interrupted()
        proc = subprocess.Popen(cmd, cwd=cwd, env=env, stdout=subprocess.PIPE,
                                stderr=subprocess.STDOUT, start_new_session=True)
        with self.lock:
            self.children.add(proc)
        try:
            out, _ = proc.communicate(timeout=timeout)
            return proc.returncode, out.decode(errors="replace"), False
        except subprocess.TimeoutExpired:
            self._kill(proc)
            out, _ = proc.communicate()
            return None, out.decode(errors="replace"), True
        finally:
            with self.lock:
                self.children.discard(proc)
            if self.stopping:
                raise Interrupted()

    @staticmethod
    def _kill(proc: subprocess.Popen) -> None:
        try:
            os.killpg(proc.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass

    def stop(self) -> None:
        self.stopping = True
        with self.lock:
            for proc in list(self.children):
                self._kill(proc)

    def sync(self) -> None:
        """Makes the private tree equal to the snapshot. Files are written afresh (new
        modification time), so the build never mistakes an old copy for an up-to-date one."""
        for rel in self.snapshot.paths():
            dst = self.tree / rel
            data = self.snapshot.read(rel)
            if dst.exists() and dst.read_bytes() == data:
                continue
            dst.parent.mkdir(parents=True, exist_ok=True)
            dst.write_bytes(data)

    def claim(self) -> None:
        """Two runs must never share a tree or a build directory: the second one stops here."""
        self.home.mkdir(parents=True, exist_ok=True)
        self._lock = (self.home / "lock").open("w")
        try:
            fcntl.flock(self._lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
        except BlockingIOError:
            raise SystemExit(f"{self.home} is in use by another mutation run") from None

    def prepare(self) -> float:
        """Syncs, configures, builds and runs the unmutated tests; gives their run time."""
        self.tree.mkdir(parents=True, exist_ok=True)
        self.sync()
        # A mutant that only draws a warning (parentheses, fall-through, an unused variable)
        # still changes behaviour: the compiler is told last that warnings are not errors.
        launcher = self.home / "warnings-are-not-errors.sh"
        launcher.write_text('#!/bin/sh\nexec "$@" -Wno-error\n')
        launcher.chmod(0o755)
        if not (self.build / "build.ninja").exists():
            cmd = ["cmake", "-S", str(self.tree), "-B", str(self.build), "-G", "Ninja"]
            cmd += [f"-D{k}={v}" for k, v in preset_cache_variables(self.preset).items()]
            cmd += [f"-DCMAKE_CXX_COMPILER_LAUNCHER={launcher}"]
            # Tests are listed when ctest runs, not after every link: a mutant build stays short.
            cmd += ["-DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST"]
            code, out, _ = self._run(cmd, None)
            if code != 0:
                raise SystemExit(f"configuring {self.build} failed:\n{out}")
        code, out, _ = self._build(None)
        if code != 0:
            raise SystemExit(f"the unmutated tree does not build:\n{out[-4000:]}")
        self.executables = []
        for target in self.targets:
            found = [p for p in self.build.rglob(target) if p.is_file() and os.access(p, os.X_OK)]
            if len(found) != 1:
                raise SystemExit(f"cannot find the test executable {target} in {self.build}")
            self.executables.append(found[0])
            self.found[target] = found[0]
        self.baseline = {exe: file_digest(exe) for exe in self.executables}
        started = time.monotonic()
        result, out = self._test(None)
        if result != KILLED and result != SURVIVED:
            raise SystemExit(f"the unmutated tests {result}:\n{out[-4000:]}")
        if result == KILLED:
            raise SystemExit(f"the unmutated tests fail:\n{out[-4000:]}")
        return time.monotonic() - started

    def _build(self, timeout: float | None):
        return self._run(["ninja", "-C", str(self.build), "-j1", *self.targets], timeout)

    def _test(self, timeout: float | None) -> tuple[str, str]:
        # The leak suppressions ctest gives the tests: system libraries' own leaks (the
        # session bus, the Wayland client, Mesa) are not the mutant's doing. Tests on a display
        # unwind slowly, as ctest runs them, so that Mesa's leak is matched by its library.
        suppressions = f"suppressions={self.tree / 'tests' / 'desktop' / 'lsan.supp'}"
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", GTEST_FAIL_FAST="1",
                   GTEST_BRIEF="1", ASAN_OPTIONS="detect_leaks=1", LSAN_OPTIONS=suppressions,
                   UBSAN_OPTIONS="print_stacktrace=1")
        for run in self.runs:
            exe = self.found[run.target]
            lsan = suppressions + (":fast_unwind_on_malloc=0" if run.display else "")
            code, out, timed_out = self._run(run.command(exe, self.tree), timeout,
                                             env=dict(env, LSAN_OPTIONS=lsan,
                                                      **run.environment()),
                                             cwd=exe.parent)
            if timed_out:
                return TIMEOUT, out
            if code != 0:
                return KILLED, out
        return SURVIVED, ""

    def run(self, m: cxxmutants.Mutant, original: str) -> str:
        path = self.tree / m.path
        try:
            path.write_text(m.apply(original))
            code, _, timed_out = self._build(600)
            if timed_out or code != 0:
                return BUILD_FAILED
            if all(file_digest(exe) == digest for exe, digest in self.baseline.items()):
                return SAME_BINARY
            result, _ = self._test(self.timeout)
            return result
        finally:
            # The tree's copy of the file is put back whatever happened.
            path.write_text(original)


# ---- Results: one JSON line per mutant, so an interrupted run continues where it stopped.


@dataclasses.dataclass
class Record:
    id: str
    path: str
    line: int
    kind: str
    description: str
    status: str
    diff: str
    seconds: float
    preset: str = "debug"


def read_results(path: Path) -> tuple[dict, dict[str, Record]]:
    header: dict = {}
    records: dict[str, Record] = {}
    if not path.exists():
        return header, records
    with path.open() as f:
        for n, line in enumerate(f):
            if not line.strip():
                continue
            try:
                data = json.loads(line)
            except json.JSONDecodeError:
                continue  # a line cut short by an interrupted write
            if n == 0 and "header" in data:
                header = data["header"]
            elif "id" in data:
                records[data["id"]] = Record(**data)
    return header, records


def write_results(path: Path, header: dict, records: dict[str, Record]) -> None:
    tmp = path.with_suffix(".tmp")
    with tmp.open("w") as f:
        f.write(json.dumps({"header": header}) + "\n")
        for r in records.values():
            f.write(json.dumps(dataclasses.asdict(r)) + "\n")
    tmp.replace(path)


# ---- Report.


def report(folder: str, records: list[Record], marks: dict[str, str], all_ids: set[str],
           show_diffs: bool = True, designed: dict[str, str] | None = None) -> str:
    """The tables and lists of a run. A mark counts only once the mutant has also survived a
    sanitizer build; `designed` (id -> what the number is) are the designed layout constants,
    counted apart from the behaviour whatever the tests made of them."""
    designed = designed or {}
    by_file: dict[str, list[Record]] = {}
    for r in records:
        by_file.setdefault(r.path, []).append(r)
    lines = [f"# Mutants of {folder}", ""]
    head = ("| file | mutants | killed | timed out | survived | equivalent | designed constant "
            "| same binary | failed to build | killed / behaviour-changing |")
    lines += [head, "|" + "---|" * 10]
    keys = ("n", "k", "t", "s", "e", "d", "dk", "b", "f")
    totals = dict.fromkeys(keys, 0)

    def row(name: str, c: dict) -> str:
        changing = c["k"] + c["t"] + c["s"]
        share = f"{100 * (c['k'] + c['t']) / changing:.1f}%" if changing else "-"
        return (f"| {name} | {c['n']} | {c['k']} | {c['t']} | {c['s']} | {c['e']} "
                f"| {c['d']} ({c['dk']} killed) | {c['b']} | {c['f']} "
                f"| {c['k'] + c['t']} / {changing} = {share} |")

    survivors: list[Record] = []
    wrongly_marked: list[Record] = []
    unverified: list[Record] = []
    shipped_only: list[Record] = []
    sanitizer_kills: list[Record] = []
    designed_kills: list[Record] = []
    for name in sorted(by_file):
        c = dict.fromkeys(keys, 0)
        for r in by_file[name]:
            c["n"] += 1
            if r.status in (KILLED, TIMEOUT, SURVIVED) and r.id in designed:
                c["d"] += 1
                if r.status != SURVIVED:
                    c["dk"] += 1
                    designed_kills.append(r)
            elif r.status == KILLED:
                c["k"] += 1
                if r.preset != "debug":
                    sanitizer_kills.append(r)
                if r.id in marks:
                    wrongly_marked.append(r)
            elif r.status == TIMEOUT:
                c["t"] += 1
                if r.id in marks:
                    wrongly_marked.append(r)
            elif r.status == SURVIVED:
                if r.id in marks and r.preset != "debug":
                    c["e"] += 1
                    if marks[r.id].startswith(SHIPPED_ONLY):
                        shipped_only.append(r)
                elif r.id in marks:
                    c["s"] += 1
                    unverified.append(r)
                else:
                    c["s"] += 1
                    survivors.append(r)
            elif r.status == SAME_BINARY:
                c["b"] += 1
            else:
                c["f"] += 1
        for key in totals:
            totals[key] += c[key]
        lines.append(row(name, c))
    lines.append(row("**all**", totals))
    lines += ["", "Equivalent: survivors marked in tools/mutate/equivalent.txt that also survived "
              "a sanitizer build. Designed constant: a coordinate, size or colour of the "
              "windows' layout moved by one (tools/mutate/designed.txt), whatever the tests "
              "made of it. Same binary: the mutant compiled to the very same test executables "
              "(code the build leaves out). None of these counts as behaviour-changing; "
              "timeouts count as killed."]
    if sanitizer_kills:
        lines += ["", f"{len(sanitizer_kills)} of the killed survived the debug build and were "
                  "killed in a sanitizer build (" + ", ".join(
                      sorted({r.preset for r in sanitizer_kills})) + ")."]
    if designed_kills:
        lines += ["", f"{len(designed_kills)} of the designed constants were killed: a test "
                  "compares that number with a copy of it."]
    if shipped_only:
        lines += ["", f"{len(shipped_only)} of the equivalent hold only for the shipped "
                  "pictures or windows, as their marks say."]
    if wrongly_marked:
        lines += ["", "## Marked equivalent but killed (the mark is refused: remove it)", ""]
        lines += [f"- `{r.id}` {r.path}:{r.line} {r.description} ({r.preset} build)"
                  for r in wrongly_marked]
    if unverified:
        lines += ["", "## Marked equivalent, not yet run in a sanitizer build (counted as "
                  "survivors)", ""]
        lines += [f"- `{r.id}` {r.path}:{r.line} {r.description}" for r in unverified]
    stale = sorted(i for i in marks if i not in all_ids and _mark_folder(i) == folder)
    if stale:
        lines += ["", "## Marks that match no mutant any more", ""]
        lines += [f"- `{i}`" for i in stale]
    if survivors:
        lines += ["", f"## Survivors ({len(survivors)})", ""]
        for r in sorted(survivors, key=lambda r: (r.path, r.line)):
            lines.append(f"### `{r.id}` {r.path}:{r.line} {r.kind}: {r.description}")
            if show_diffs:
                lines += ["```diff", r.diff.rstrip("\n"), "```"]
            lines.append("")
    return "\n".join(lines) + "\n"


_MARK_FOLDERS: dict[str, str] = {}


def _mark_folder(mark_id: str) -> str:
    return _MARK_FOLDERS.get(mark_id, "")


def _remember_mark_folders(path: Path = EQUIVALENT_LIST) -> None:
    if not path.exists():
        return
    for raw in path.read_text().splitlines():
        parts = [p.strip() for p in raw.split(" | ")]
        if len(parts) >= 2 and not raw.lstrip().startswith("#"):
            where = parts[1].split(":")[0]
            _MARK_FOLDERS[parts[0]] = str(Path(where).parent)


# ---- Command line.


def main(argv: list[str] | None = None) -> int:
    p = argparse.ArgumentParser(description=__doc__)
    p.add_argument("folder", help="source folder, e.g. src/game (or just game)")
    p.add_argument("--seed", type=int, default=1, help="seed of the --max sample (default 1)")
    p.add_argument("--max", type=int, default=None, help="run a sample of this many mutants")
    p.add_argument("--jobs", type=int, default=2, help="parallel workers, each with its own "
                   "tree copy and build directory (default 2)")
    p.add_argument("--timeout", type=float, default=None,
                   help="seconds per test run (default: 10 + 5 x the unmutated run)")
    p.add_argument("--results", type=Path, default=None,
                   help="results file (default build/mutate/<folder>.jsonl); an existing one "
                   "is continued")
    p.add_argument("--fresh", action="store_true", help="start the results file anew")
    p.add_argument("--survivors", action="store_true",
                   help="run again only the survivors of the results file")
    p.add_argument("--file", action="append", default=[],
                   help="only mutants of this file (repeatable)")
    p.add_argument("--list", action="store_true", help="list the mutants and stop")
    p.add_argument("--report", action="store_true", help="print the report of the results "
                   "file and stop")
    p.add_argument("--targets", nargs="+", default=None, help="test runs instead of the "
                   "folder's own: NAME, or NAME@x11 / NAME@wayland for a run on a display "
                   "server of its own")
    p.add_argument("--no-display", action="store_true", help="leave out the test runs that "
                   "need a display server (Xvfb, Weston)")
    p.add_argument("--at", metavar="REV", default=None, help="mutate the sources and run the "
                   "tests of this commit instead of the working tree (a table from before)")
    p.add_argument("--preset", default="debug", help="configure preset of the mutant builds "
                   "(default debug); `--survivors --preset asan` runs the survivors again "
                   "under the sanitizers, which see leaks and reads out of bounds")
    p.add_argument("--marks", action="store_true", help="run only the mutants marked "
                   "equivalent (all of the folder's, or of --file), and verify them")
    p.add_argument("--verify-preset", default="asan", help="configure preset in which the "
                   "marked survivors run again before their marks are accepted (default asan)")
    p.add_argument("--no-verify", action="store_true", help="do not run the marked survivors "
                   "again; their marks then count as survivors in the report")
    p.add_argument("--no-nice", action="store_true", help="do not lower our priority")
    args = p.parse_args(argv)

    folder = args.folder.rstrip("/")
    if not folder.startswith("src/"):
        folder = "src/" + folder
    if not (ROOT / folder).is_dir():
        p.error(f"no folder {folder}")
    targets = args.targets or FOLDER_TARGETS.get(folder)
    if not targets and not (args.list or args.report):
        p.error(f"no test targets known for {folder}; pass --targets")
    if args.jobs < 1:
        p.error("--jobs must be at least 1")
    try:
        runs = test_runs(targets or [], with_display=not args.no_display)
    except ValueError as e:
        p.error(str(e))
    if not runs and not (args.list or args.report):
        p.error("no test runs left")
    targets = [r.target + (f"@{r.display}" if r.display else "") for r in runs]

    # A tree copy and build directory per folder and worker: runs on different folders can go
    # on side by side, and each keeps its incremental build for the next run.
    workdir = ROOT / "build" / "mutate" / folder.replace("/", "_")
    snapshot = Snapshot(args.at)
    default_name = "marks" if args.marks else "results"
    results_path = args.results or workdir / (f"{default_name}-{args.at}.jsonl" if args.at
                                              else f"{default_name}.jsonl")
    marks = load_equivalents()
    _remember_mark_folders()
    designed_lines = load_designed()

    mutants = folder_mutants(snapshot, folder)
    all_ids = {m.id for m in mutants}
    designed = {m.id: entry.why for m in mutants
                if (entry := designed_constant(m, designed_lines)) is not None}
    lines_of_folder = {(m.path, m.line_text) for m in mutants}
    for entry in designed_lines.values():
        if entry.path.startswith(folder + "/") and (entry.path, entry.text) not in lines_of_folder:
            log(f"designed.txt: no line `{entry.text}` in {entry.path} any more")
    if args.file:
        wanted = {str(Path(f)) for f in args.file}
        mutants = [m for m in mutants if m.path in wanted]
    if args.marks:
        mutants = [m for m in mutants if m.id in marks]
    chosen = choose(mutants, args.seed, None if args.marks else args.max)

    if args.list:
        for m in chosen:
            print(f"{m.id} {m.path}:{m.line} {m.kind}: {m.description}"
                  + ("  [equivalent]" if m.id in marks else "")
                  + ("  [designed constant]" if m.id in designed else ""))
        log(f"{len(chosen)} of {len(mutants)} mutants")
        return 0

    header = {"folder": folder, "seed": args.seed, "max": None if args.marks else args.max,
              "files": sorted(args.file), "at": args.at, "marks": args.marks}
    old_header, records = read_results(results_path)
    if args.report:
        # The file as it stands, also mutants of lines edited since: a record of that run.
        print(report(folder, list(records.values()), marks, all_ids, designed=designed), end="")
        return 0
    if args.survivors:
        again = {r.id for r in records.values() if r.status == SURVIVED and r.id not in marks}
        chosen = [m for m in mutants if m.id in again]
        header = old_header or header
    elif records and not args.fresh:
        if old_header != header:
            raise SystemExit(f"{results_path} belongs to another run ({old_header}); "
                             "use --fresh or --results")
        chosen = [m for m in chosen if m.id not in records]
        log(f"continuing {results_path}: {len(records)} done, {len(chosen)} to go")
    else:
        records = {}

    if not args.no_nice:
        os.nice(10)
    workdir.mkdir(parents=True, exist_ok=True)
    originals = {rel: snapshot.text(rel) for rel in {m.path for m in mutants}}
    if not results_path.exists() or args.fresh or not records:
        write_results(results_path, header, records)
    # A job started in the background ignores Ctrl-C unless told otherwise; SIGTERM stops the
    # run the same way, so that the workers put their files back and the results are kept.
    signal.signal(signal.SIGINT, signal.default_int_handler)
    signal.signal(signal.SIGTERM, signal.default_int_handler)

    if not run_mutants(chosen, args.preset, args.jobs, args.timeout, runs, workdir, snapshot,
                       originals, records, results_path, f"{folder}: tests {' '.join(targets)}"):
        return 130
    # A mark is accepted only when the mutant also survives where the sanitizers watch: a
    # mutant that reads or writes out of bounds is caught there, not equivalent.
    if not args.no_verify and args.preset == "debug":
        again = [m for m in mutants if m.id in marks and m.id in records
                 and records[m.id].status == SURVIVED and records[m.id].preset == "debug"]
        if again and not run_mutants(again, args.verify_preset, args.jobs, None, runs, workdir,
                                     snapshot, originals, records, results_path,
                                     f"{folder}: verifying {len(again)} marks"):
            return 130
    # Rewritten once at the end: re-run mutants replace their earlier lines.
    write_results(results_path, header, records)
    known = [r for r in records.values() if r.id in all_ids]
    text = report(folder, known, marks, all_ids, designed=designed)
    report_path = results_path.with_suffix(".md")
    report_path.write_text(text)
    print(text, end="")
    log(f"report written to {report_path}")
    return 0


def run_mutants(chosen: list[cxxmutants.Mutant], preset: str, jobs: int,
                timeout: float | None, runs: list[TestRun], workdir: Path, snapshot: Snapshot,
                originals: dict[str, str], records: dict[str, Record], results_path: Path,
                title: str) -> bool:
    """Runs the mutants on workers of the preset, each result appended to the results file as
    soon as it is known; False when interrupted."""
    if not chosen:
        return True
    jobs = max(1, min(jobs, len(chosen)))
    workers = [Worker(i, workdir, runs, timeout, snapshot, preset) for i in range(jobs)]
    for w in workers:
        w.claim()
    log(f"{title}: {len(chosen)} mutants in the {preset} build, {jobs} worker(s)")
    failures: list[BaseException] = []

    def prepare(w: Worker) -> None:
        try:
            seconds = w.prepare()
            if w.timeout is None:
                w.timeout = 10 + 5 * seconds
        except BaseException as e:  # noqa: BLE001 - reported by the main thread
            failures.append(e)

    def on_every_worker(fn) -> bool:
        """Runs fn on each worker in its own thread; False when interrupted."""
        threads = [threading.Thread(target=fn, args=(w,), daemon=True) for w in workers]
        for t in threads:
            t.start()
        try:
            while any(t.is_alive() for t in threads):
                for t in threads:
                    t.join(timeout=0.5)
        except KeyboardInterrupt:
            log("interrupted: stopping the workers; the results so far are kept")
            for w in workers:
                w.stop()
            for t in threads:
                t.join()
            return False
        if failures:
            raise failures[0]
        return True

    if not on_every_worker(prepare):
        return False

    todo: queue.Queue[cxxmutants.Mutant] = queue.Queue()
    for m in chosen:
        todo.put(m)
    write_lock = threading.Lock()
    done = [0]
    started = time.monotonic()

    def work(w: Worker) -> None:
        while not w.stopping:
            try:
                m = todo.get_nowait()
            except queue.Empty:
                return
            t0 = time.monotonic()
            try:
                status = w.run(m, originals[m.path])
            except Interrupted:
                return
            except BaseException as e:  # noqa: BLE001
                failures.append(e)
                return
            record = Record(m.id, m.path, m.line, m.kind, m.description, status,
                            diff_of(m, originals[m.path]), round(time.monotonic() - t0, 1),
                            preset)
            with write_lock:
                records[m.id] = record
                with results_path.open("a") as f:
                    f.write(json.dumps(dataclasses.asdict(record)) + "\n")
                done[0] += 1
                rate = (time.monotonic() - started) / done[0]
                left = (len(chosen) - done[0]) * rate
                log(f"[{done[0]}/{len(chosen)}] {status:15} {m.path}:{m.line} {m.description}"
                    f"  (~{left / 60:.0f} min left)")

    return on_every_worker(work)


if __name__ == "__main__":
    sys.exit(main())
