#!/usr/bin/env python3
"""By hand, never part of the test run: what RVLN.EXE holds in memory once started and idle, next
to Wine's notepad in the same Wine prefix of the end-to-end harness.

usage: python3 bench/memory.py [BUILD_DIR] [--runs N] [--idle SECONDS]
  BUILD_DIR  a MinGW tree (default build/mingw64) holding win32/RVLN.EXE and the probe
  --runs     rounds of alternating starts (default 3)
  --idle     seconds the window rests after it is shown, before the reading (default 3)

Under Wine a Windows process is a Linux process, so the reading is the kernel's: the working set
is the resident memory (VmRSS), the private bytes are the resident pages no other process shares
(Private_Clean + Private_Dirty of /proc/PID/smaps_rollup), and the committed memory is VmData.
All three include what Wine itself keeps in every process, as notepad's figures show. The table
shows the medians in KiB and their ratio to notepad; artifacts/bench/memory.json keeps every run."""

import argparse
import json
import re
import statistics
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "e2e"))
sys.dont_write_bytecode = True

from harness import PROGRAM_EXE, Session  # noqa: E402

NOTEPAD = r"C:\windows\notepad.exe"
# (name in the table, program, window class)
PROGRAMS = [("RVLN.EXE", PROGRAM_EXE, "TForm1"), ("Wine's notepad", NOTEPAD, "Notepad")]
FIELDS = ("working_set_kib", "private_kib", "committed_kib")


def kib(text, field):
    match = re.search(rf"^{field}:\s+(\d+) kB", text, re.M)
    return int(match.group(1)) if match else 0


def reading(pid):
    status = Path(f"/proc/{pid}/status").read_text()
    rollup = Path(f"/proc/{pid}/smaps_rollup").read_text()
    return {"working_set_kib": kib(status, "VmRSS"),
            "private_kib": kib(rollup, "Private_Clean") + kib(rollup, "Private_Dirty"),
            "committed_kib": kib(status, "VmData")}


def measure(prefix, exe, cls, idle):
    program = prefix.start(exe=exe)
    window = prefix.wait_window(cls, timeout=60)
    if window is None or window["pid"] is None:
        program.kill()
        raise SystemExit(f"{exe} showed no window")
    if prefix.wait_settled(window["hwnd"], cls=cls) is None:
        raise SystemExit(f"{exe}: its window kept changing")
    time.sleep(idle)
    values = reading(program.pid)
    if cls == "TForm1":
        prefix.key(window["hwnd"], "X", ctrl=True)  # "E&xit": the program saves and ends
    else:
        prefix.close_window(window["hwnd"])
    if program.wait(30) is None:
        raise SystemExit(f"{exe} did not end")
    return values


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build_dir", nargs="?", default=str(ROOT / "build" / "mingw64"))
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--idle", type=float, default=3.0)
    args = parser.parse_args()

    session = Session(Path(args.build_dir))
    runs = {name: [] for name, _, _ in PROGRAMS}
    try:
        prefix = session.new_prefix("bench-memory")
        prefix.install_program()
        prefix.sysinfo()  # the desktop and services are up before the first reading
        for _ in range(args.runs):
            for name, exe, cls in PROGRAMS:
                runs[name].append(measure(prefix, exe, cls, args.idle))
        prefix.close()
    finally:
        session.close()

    medians = {name: {f: statistics.median(r[f] for r in runs[name]) for f in FIELDS} for name in runs}
    base = medians[PROGRAMS[-1][0]]
    print(f"{'program':<16} {'working set':>12} {'private':>10} {'committed':>10}   (KiB, median of {args.runs})")
    for name in runs:
        m = medians[name]
        print(f"{name:<16} {m['working_set_kib']:>12.0f} {m['private_kib']:>10.0f} {m['committed_kib']:>10.0f}")
    ratios = {f: round(medians["RVLN.EXE"][f] / base[f], 2) if base[f] else None for f in FIELDS}
    print(f"{'x notepad':<16} {ratios['working_set_kib']:>12} {ratios['private_kib']:>10} "
          f"{ratios['committed_kib']:>10}")
    out = ROOT / "artifacts" / "bench" / "memory.json"
    out.parent.mkdir(parents=True, exist_ok=True)
    out.write_text(json.dumps({"idle_seconds": args.idle, "medians": medians, "ratio_to_notepad": ratios,
                               "runs": runs}, indent=2) + "\n")
    print(f"written: {out.relative_to(ROOT)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
