#!/usr/bin/env python3
"""By hand, never part of the test run: how quickly RVLN.EXE starts, next to the smallest window
program (min_window.cpp, built as MINWIN.EXE beside RVLN.EXE) and Wine's notepad, all in one Wine
prefix of the end-to-end harness.

usage: python3 bench/startup.py [BUILD_DIR] [--runs N] [--exe OTHER\\RVLN.EXE]
  BUILD_DIR  a MinGW tree (default build/mingw64); MINWIN.EXE, RVLN.EXE and probe.exe are built
  --runs     rounds of alternating starts (default 5); one untimed round goes first
  --exe      measure this RVLN.EXE instead of the tree's (for a before/after comparison)

A start is timed by the probe: it starts the program as the shell does for a user and checks every
10 ms for the program's visible window of the expected class; the table shows the median of each
program and its ratio to the smallest window program. Then one start of RVLN.EXE runs under Wine's
relay trace with time stamps, limited to a few calls, and gives the program's own start work:
from its first call (the C runtime's start-up) to its main window's ShowWindow, and on to its
message loop's first GetMessageW, with the number of windows it created on the way."""

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
    ("Wine's notepad", NOTEPAD, "Notepad"),
]
RELAY_INCLUDE = ("msvcrt.__set_app_type;msvcrt.__wgetmainargs;user32.CreateWindowExW;user32.CreateWindowExA;"
                 "user32.ShowWindow;user32.GetMessageW")
TRACE_LINE = re.compile(r"^\s*(\d+\.\d+):[0-9a-f]+:Call\s+([\w.]+)\.(\w+)\((.*)\) ret=", re.IGNORECASE)


def build(tree):
    subprocess.run(["cmake", "--build", str(tree), "--target", "RVLN", "MINWIN", "probe"], check=True,
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
    data = prefix.probe_ok("launch", exe, "--class", cls, "--timeout", 60000, timeout=90)
    time.sleep(1)  # lets the program finish its start before it is asked to end
    close(prefix, name, data["hwnd"])
    exe_name = exe.rsplit("\\", 1)[-1]
    if not wait_exit(prefix, exe_name, data["pid"]):
        raise SystemExit(f"{exe_name} did not end")
    return data["ms"] / 1000.0


def traced_start(prefix):
    """RVLN.EXE's own start work from a relay trace: (seconds to the main window's ShowWindow,
    seconds to the first GetMessageW after it, windows created before the ShowWindow)."""
    prefix.enable_relay(RELAY_INCLUDE)
    program = prefix.start(env_extra={"WINEDEBUG": "-all,+timestamp,+relay"}, name="RVLN-trace")
    main = prefix.wait_window("TForm1", exe="RVLN.EXE", timeout=60)
    if main is None:
        raise SystemExit("RVLN.EXE showed no window under the trace")
    time.sleep(3)
    prefix.key(main["hwnd"], "X", ctrl=True)
    program.wait(30)
    prefix.reg_delete(r"HKCU\Software\Wine\Debug", "RelayInclude")

    main_hwnd = main["hwnd"]
    first = shown = idle = None
    created = 0
    for line in program.log().splitlines():
        match = TRACE_LINE.match(line)
        if not match:
            continue
        stamp, function, args = float(match.group(1)), match.group(3), match.group(4).split(",")
        if first is None:
            first = stamp
        if shown is None:
            if function.startswith("CreateWindowEx"):
                created += 1
            elif function == "ShowWindow" and args and int(args[0], 16) == main_hwnd and int(args[1], 16) != 0:
                shown = stamp
        elif function == "GetMessageW":
            idle = stamp
            break
    if first is None or shown is None or idle is None:
        raise SystemExit(f"the trace did not show the start (see {program.log_path})")
    return shown - first, idle - first, created


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build", nargs="?", default=str(ROOT / "build" / "mingw64"))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--exe", help="another RVLN.EXE to measure")
    options = parser.parse_args()
    tree = Path(options.build).resolve()
    build(tree)

    session = Session(tree)
    try:
        prefix = session.new_prefix("startup", artifacts=session.artifacts.with_name("bench-startup"))
        prefix.install_program(options.exe)
        shutil.copy2(tree / "win32" / "MINWIN.EXE", prefix.program_dir / "MINWIN.EXE")
        times = {name: [] for name, _, _ in PROGRAMS}
        for round_ in range(options.runs + 1):
            for name, exe, cls in PROGRAMS:
                seconds = timed_start(prefix, name, exe, cls)
                if round_ > 0:
                    times[name].append(seconds)
        to_shown, to_idle, created = traced_start(prefix)
        prefix.close()
    finally:
        session.close()

    base = statistics.median(times[PROGRAMS[1][0]])
    print(f"\nStart to a visible window, median of {options.runs} alternating starts in one prefix:\n")
    print("| program | median | ratio to the smallest window program |")
    print("|---|---|---|")
    for name, _, _ in PROGRAMS:
        median = statistics.median(times[name])
        print(f"| {name} | {median:.2f} s | {median / base:.2f} |")
    print("\nEach start (s): " + "; ".join(f"{name}: " + " ".join(f"{t:.2f}" for t in times[name])
                                         for name, _, _ in PROGRAMS))
    print(f"\nRVLN.EXE's own start work (relay trace, a few calls traced): {to_shown * 1000:.0f} ms from "
          f"its first call to its main window's ShowWindow, {created} windows created on the way; "
          f"{to_idle * 1000:.0f} ms to its message loop's first GetMessageW.")


if __name__ == "__main__":
    main()
