#!/usr/bin/env python3
"""By hand, never part of the test run: how quickly RVLN.EXE starts, next to the smallest window
program (min_window.cpp, built as MINWIN.EXE beside RVLN.EXE), the main window's native controls
made straight from the API (min_view.cpp, MINVIEW.EXE) and Wine's notepad, all in one Wine prefix
of the end-to-end harness.

usage: python3 bench/startup.py [BUILD_DIR] [--runs N] [--exe OTHER\\RVLN.EXE] [--trace]
  BUILD_DIR  a MinGW tree (default build/mingw64); MINWIN.EXE, MINVIEW.EXE, RVLN.EXE and probe.exe
             are built
  --runs     rounds of alternating starts (default 5); one untimed round goes first
  --exe      measure this RVLN.EXE instead of the tree's (for a before/after comparison)
  --trace    also one start each of RVLN.EXE and MINWIN.EXE under Wine's relay trace

A start is timed by the probe, without any trace: it starts the program as the shell does for a
user and checks every 10 ms for the program's visible window of the expected class and for the
program's first wait for input with nothing left to do (WaitForInputIdle: the end of its start),
and reads the processor time the process had used by then. The table shows the median of each and
the ratios of the first to the smallest window program's and to the bare controls'; the processor
time is the program's own start work (loading and starting its DLLs included), and moves little
with the machine's load.

With --trace, one start of RVLN.EXE and one of the smallest window program run under Wine's relay
trace with time stamps, limited to a few calls: loading its DLLs (process start to the C runtime's
first call), from there to its main window's ShowWindow, and on to its message loop's first
GetMessageW (for RVLN.EXE this takes in the opening animation), with the number of windows created
before the main window shows. The trace slows every call it logs, so these times are inflated."""

import argparse
import re
import shutil
import statistics
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "e2e"))
sys.dont_write_bytecode = True

from harness import PROGRAM_DIR, PROGRAM_EXE, Session  # noqa: E402

NOTEPAD = r"C:\windows\notepad.exe"
# (name in the table, program, window class)
PROGRAMS = [
    ("RVLN.EXE", PROGRAM_EXE, "TForm1"),
    ("smallest window program (MINWIN.EXE)", PROGRAM_DIR + r"\MINWIN.EXE", "RvlnMinWindow"),
    ("the main window's controls alone (MINVIEW.EXE)", PROGRAM_DIR + r"\MINVIEW.EXE", "RvlnMinView"),
    ("Wine's notepad", NOTEPAD, "Notepad"),
]
RELAY_INCLUDE = ("msvcrt.__set_app_type;msvcrt.__wgetmainargs;user32.CreateWindowExW;user32.CreateWindowExA;"
                 "user32.ShowWindow;user32.GetMessageW")
TIME_STAMP = re.compile(r"^\s*(\d+\.\d+):")
TRACE_LINE = re.compile(r"^\s*(\d+\.\d+):[0-9a-f]+:Call\s+([\w.]+)\.(\w+)\((.*)\) ret=", re.IGNORECASE)


def build(tree):
    subprocess.run(["cmake", "--build", str(tree), "--target", "RVLN", "MINWIN", "MINVIEW", "probe"], check=True,
                   stdout=subprocess.DEVNULL)


def wait_exit(prefix, exe_name, pid, timeout=30):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if all(p["pid"] != pid for p in prefix.processes(exe=exe_name)):
            return True
        time.sleep(0.2)
    return False


def close(prefix, name, hwnd):
    if name == "RVLN.EXE":
        # "E&xit" from the keyboard: the program saves and frees its instance atom.
        prefix.key(hwnd, "X", ctrl=True)
    else:
        prefix.close_window(hwnd)


def timed_start(prefix, name, exe, cls):
    """(seconds to the visible window, seconds to the first idle, processor seconds by then)"""
    data = prefix.probe_ok("launch", exe, "--class", cls, "--timeout", 60000, "--idle", timeout=90)
    time.sleep(1)  # lets the program settle before it is asked to end
    close(prefix, name, data["hwnd"])
    exe_name = exe.rsplit("\\", 1)[-1]
    if not wait_exit(prefix, exe_name, data["pid"]):
        raise SystemExit(f"{exe_name} did not end")
    return data["ms"] / 1000.0, data["idle_ms"] / 1000.0, data["cpu_ms"] / 1000.0


def traced_start(prefix, name, exe, cls):
    """A program's start from a relay trace with time stamps: (seconds from the process's first
    trace line to its first call of the C runtime, that is loading and starting its DLLs; seconds
    from there to its main window's ShowWindow; seconds from there to its message loop's first
    GetMessageW; windows created before that ShowWindow)."""
    prefix.enable_relay(RELAY_INCLUDE)
    exe_name = exe.rsplit("\\", 1)[-1]
    program = prefix.start(exe=exe, env_extra={"WINEDEBUG": "-all,+timestamp,+relay"},
                           name=exe_name.split(".")[0] + "-trace")
    main = prefix.wait_window(cls, exe=exe_name, timeout=60)
    if main is None:
        raise SystemExit(f"{name} showed no window under the trace")
    time.sleep(3)
    close(prefix, name, main["hwnd"])
    program.wait(30)
    prefix.reg_delete(r"HKCU\Software\Wine\Debug", "RelayInclude")

    begin = entry = shown = idle = None
    created = 0
    for line in program.log().splitlines():
        stamp = TIME_STAMP.match(line)
        if stamp and begin is None:
            begin = float(stamp.group(1))
        match = TRACE_LINE.match(line)
        if not match:
            continue
        stamp, function, args = float(match.group(1)), match.group(3), match.group(4).split(",")
        if entry is None:
            entry = stamp
        if shown is None:
            if function.startswith("CreateWindowEx"):
                created += 1
            elif function == "ShowWindow" and int(args[0], 16) == main["hwnd"] and int(args[1], 16) != 0:
                shown = stamp
        elif function == "GetMessageW":
            idle = stamp
            break
    if None in (begin, entry, shown, idle):
        raise SystemExit(f"the trace did not show the start (see {program.log_path})")
    return entry - begin, shown - entry, idle - shown, created


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build", nargs="?", default=str(ROOT / "build" / "mingw64"))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--exe", help="another RVLN.EXE to measure")
    parser.add_argument("--trace", action="store_true", help="one relay-traced start of each too")
    options = parser.parse_args()
    tree = Path(options.build).resolve()
    build(tree)

    session = Session(tree)
    try:
        prefix = session.new_prefix("startup", artifacts=session.artifacts.with_name("bench-startup"))
        prefix.install_program(options.exe)
        for yardstick in ("MINWIN.EXE", "MINVIEW.EXE"):
            shutil.copy2(tree / "win32" / yardstick, prefix.program_dir / yardstick)
        times = {name: [] for name, _, _ in PROGRAMS}
        for round_ in range(options.runs + 1):
            for name, exe, cls in PROGRAMS:
                seconds = timed_start(prefix, name, exe, cls)
                if round_ > 0:
                    times[name].append(seconds)
        traces = {}
        if options.trace:
            traces = {name: traced_start(prefix, name, exe, cls) for name, exe, cls in PROGRAMS[:2]}
        prefix.close()
    finally:
        session.close()

    def median(name, part):
        return statistics.median(t[part] for t in times[name])

    base, controls = median(PROGRAMS[1][0], 0), median(PROGRAMS[2][0], 0)
    print(f"\nStart of each program, median of {options.runs} alternating starts in one prefix, no trace:\n")
    print("| program | to a visible window | ratio to the smallest window program | ratio to the bare controls "
          "| to its first idle | processor time by then |")
    print("|---|---|---|---|---|---|")
    for name, _, _ in PROGRAMS:
        print(f"| {name} | {median(name, 0):.2f} s | {median(name, 0) / base:.2f} | {median(name, 0) / controls:.2f} "
              f"| {median(name, 1):.2f} s | {median(name, 2) * 1000:.0f} ms |")
    print("\nEach start (visible/idle/processor, s): " +
          "; ".join(f"{name}: " + " ".join(f"{v:.2f}/{i:.2f}/{c:.2f}" for v, i, c in times[name])
                    for name, _, _ in PROGRAMS))
    if not traces:
        return
    print("\nOne traced start each (Wine's relay trace of a few calls, with time stamps; the trace itself "
          "slows every window message):\n")
    print("| program | loading its DLLs | entry to main window shown | shown to message loop "
          "| windows created before it shows |")
    print("|---|---|---|---|---|")
    for name, (loading, to_shown, to_idle, created) in traces.items():
        print(f"| {name} | {loading * 1000:.0f} ms | {to_shown * 1000:.0f} ms | {to_idle * 1000:.0f} ms "
              f"| {created} |")


if __name__ == "__main__":
    main()
