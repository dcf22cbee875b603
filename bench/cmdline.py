#!/usr/bin/env python3
"""By hand, never part of the test run: how quickly RVLN.EXE carries out a command line, next to
Wine's own shutdown.exe, each in a fresh copy of the end-to-end harness's Wine prefix.

usage: python3 bench/cmdline.py [BUILD_DIR] [--runs N]
  BUILD_DIR  a MinGW tree (default build/mingw64) holding win32/RVLN.EXE and the probe
  --runs     rounds of alternating runs (default 5)

Each run is timed from starting the program (through Wine's loader, with the prefix's wineserver,
services and desktop already up) until the program has ended:
  RVLN.EXE /SHUTDOWN     ends the session without a window (ExitWindowsEx; under Wine that ends the
                         Wine session, not the machine)
  RVLN.EXE /T            starts, finds nothing to do and ends: the command-line path alone
  shutdown.exe /s /t 0   Wine's shutdown.exe, which in Wine 8 returns at once without ending the
                         session: the cost of starting and ending any console program
One more run of each RVLN.EXE command under Wine's relay trace checks what it did: /SHUTDOWN asked
for EWX_SHUTDOWN once and Wine agreed; /T asked for nothing. The table shows the medians and their
ratio to shutdown.exe; artifacts/bench/cmdline.json keeps every run."""

import argparse
import json
import statistics
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "e2e"))
sys.dont_write_bytecode = True

from harness import PROGRAM_EXE, Session  # noqa: E402

SHUTDOWN_EXE = r"C:\windows\system32\shutdown.exe"
EWX_SHUTDOWN = 1
COMMANDS = [
    ("RVLN.EXE /SHUTDOWN", PROGRAM_EXE, ["/SHUTDOWN"]),
    ("RVLN.EXE /T", PROGRAM_EXE, ["/T"]),
    ("shutdown.exe /s /t 0", SHUTDOWN_EXE, ["/s", "/t", "0"]),
]


def fresh_prefix(session, name):
    prefix = session.new_prefix(name)
    prefix.install_program()
    # Starts the prefix's wineserver, services and desktop (the probe asks for the screen), as on
    # a machine where a user is logged on, so that no run pays for them.
    prefix.sysinfo()
    return prefix


def timed_run(session, name, exe, args):
    prefix = fresh_prefix(session, "bench-cmdline")
    try:
        started = time.monotonic()
        program = prefix.start(*args, exe=exe)
        code = program.wait(60)
        elapsed = time.monotonic() - started
        if code is None:
            raise SystemExit(f"{name} did not end within 60 s")
        return elapsed, code
    finally:
        prefix.close()


def checked_run(session, name, exe, args):
    """The ExitWindowsEx calls of one traced run as (arguments, result), and the exit code."""
    prefix = fresh_prefix(session, "bench-cmdline-trace")
    try:
        prefix.enable_relay("user32.ExitWindowsEx")
        program = prefix.start(*args, exe=exe, env_extra=prefix.relay_env())
        code = program.wait(60)
        return prefix.relay_values(program, "ExitWindowsEx"), code
    finally:
        prefix.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build_dir", nargs="?", default=str(ROOT / "build" / "mingw64"))
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()

    session = Session(Path(args.build_dir))
    times = {name: [] for name, _, _ in COMMANDS}
    codes = {name: set() for name, _, _ in COMMANDS}
    try:
        calls, code = checked_run(session, *COMMANDS[0])
        if code != 0 or len(calls) != 1 or calls[0][0][0] != EWX_SHUTDOWN or calls[0][1] != 1:
            raise SystemExit(f"RVLN.EXE /SHUTDOWN did not end the session as asked: exit code {code}, "
                             f"ExitWindowsEx calls {calls}")
        calls, code = checked_run(session, *COMMANDS[1])
        if code != 0 or calls:
            raise SystemExit(f"RVLN.EXE /T did more than end: exit code {code}, ExitWindowsEx calls {calls}")
        for _ in range(args.runs):
            for name, exe, words in COMMANDS:
                elapsed, code = timed_run(session, name, exe, words)
                times[name].append(round(elapsed, 3))
                codes[name].add(code)
    finally:
        session.close()

    base = statistics.median(times[COMMANDS[-1][0]])
    print(f"{'command':<24} {'median s':>9} {'x shutdown.exe':>15}  runs (s)")
    results = {}
    for name, _, _ in COMMANDS:
        median = statistics.median(times[name])
        ratio = median / base if base else float("nan")
        print(f"{name:<24} {median:>9.3f} {ratio:>15.2f}  {' '.join(f'{t:.2f}' for t in times[name])}")
        results[name] = {"median_s": round(median, 3), "ratio_to_shutdown_exe": round(ratio, 2),
                         "runs_s": times[name], "exit_codes": sorted(codes[name])}
    out = ROOT / "artifacts" / "bench" / "cmdline.json"
    out.parent.mkdir(parents=True, exist_ok=True)
    out.write_text(json.dumps({"runs": args.runs, "commands": results}, indent=2) + "\n")
    print(f"written: {out.relative_to(ROOT)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
