#!/usr/bin/env python3
"""By hand, never part of the test run: the processor time RVLN.EXE spends while Exit waits for a
device worker. Windows 98 under Wine, a black CD-ROM drive D: with a removal delay of 20 seconds
and no notice before retracting: "Test" starts the worker, Ctrl+X arrives as soon as the countdown
shows, and the program ends once the worker has closed the door. Measured for RVLN.EXE, which waits
in a message wait, and for RVLNSPIN.EXE (built from bench/spin_wait.cpp), whose wait spins through
its messages instead. Expected: a few hundredths of a second against about one second per second.

usage: python3 bench/exit_wait.py [BUILD_DIR]   (default build/mingw64; builds RVLNSPIN first)

The time is user plus system time of the Linux process that runs the program (and, beside it, of
the prefix's wineserver, which serves every message call), read from /proc from Ctrl+X until the
program has ended. Prints a table and writes artifacts/bench/exit_wait.json."""

import json
import os
import subprocess
import sys
import time
import unittest
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "e2e"))
sys.dont_write_bytecode = True

from test_devices import TABLE_KEY, DevicesTestCase  # noqa: E402

CONTROLS_KEY = r"HKCU\Software\QAV\Ravelin\LocalUser\Controls"
DELAY = 20
TICKS = os.sysconf("SC_CLK_TCK")
RESULTS = {}


def linux_processes(prefix, word):
    """Linux pids of the prefix's processes whose command line contains word."""
    pids = []
    for entry in Path("/proc").iterdir():
        if not entry.name.isdigit():
            continue
        try:
            cmdline = (entry / "cmdline").read_bytes().replace(b"\0", b" ").decode(errors="replace")
            environ = (entry / "environ").read_bytes().split(b"\0")
        except OSError:
            continue
        if word.lower() in cmdline.lower() and f"WINEPREFIX={prefix}".encode() in environ:
            pids.append(int(entry.name))
    return pids


def cpu_seconds(pid):
    """User plus system time of a Linux process so far, or None once it has gone."""
    try:
        fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    except OSError:
        return None
    if fields[0] in ("Z", "X"):
        return None
    return (int(fields[11]) + int(fields[12])) / TICKS


class ExitWait(DevicesTestCase):
    os_kind = "win98"

    def measure(self, label, exe):
        self.wine.install_program(exe)
        self.wine.reg_delete(TABLE_KEY)
        self.wine.reg_add(TABLE_KEY, "Device1", f"CD - D:,2,0,{DELAY},")
        self.wine.reg_add(CONTROLS_KEY, "InfoBeforeRetract", 0, "REG_DWORD")
        program, main = self.start_main()
        self.open_device_page(main)
        self.assertTrue(self.wait_until(lambda: self.led(main) == "green"), "Wine's MCI reports a medium")
        pids = linux_processes(self.wine.path, "RVLN.EXE")
        self.assertEqual(len(pids), 1, f"RVLN.EXE as Linux processes: {pids}")
        servers = linux_processes(self.wine.path, "wineserver")
        self.wine.click(self.control(main, "SpeedButton8")["hwnd"])
        self.assertTrue(self.wait_until(lambda: "Loading" in self.control(main, "Label15")["text"], timeout=15))
        self.wine.key(main["hwnd"], "X", ctrl=True)
        start = time.monotonic()
        first = cpu_seconds(pids[0])
        server_first = [cpu_seconds(p) or 0.0 for p in servers]
        last, server_last = first, server_first
        while True:
            now = cpu_seconds(pids[0])
            if now is None or not program.running():
                break
            last = now
            server_last = [cpu_seconds(p) or 0.0 for p in servers]
            time.sleep(0.1)
        wall = time.monotonic() - start
        self.assertEqual(program.wait(30), 0, "Ctrl+X did not end the program normally")
        RESULTS[label] = {"wall_seconds": round(wall, 1), "cpu_seconds": round(last - first, 2),
                          "wineserver_cpu_seconds": round(sum(server_last) - sum(server_first), 2)}

    def test_exit_wait(self):
        self.wine.add_drives({"a": None, "d": "cdrom"})
        build = Path(os.environ["RVLN_BUILD_DIR"])
        self.measure("message wait", build / "win32" / "RVLN.EXE")
        self.measure("spin", build / "bench" / "RVLNSPIN.EXE")


def main():
    if len(sys.argv) > 1:
        os.environ["RVLN_BUILD_DIR"] = str(Path(sys.argv[1]).resolve())
    os.environ.setdefault("RVLN_BUILD_DIR", str(ROOT / "build" / "mingw64"))
    subprocess.run(["cmake", "--build", os.environ["RVLN_BUILD_DIR"], "--target", "RVLNSPIN"], check=True)
    suite = unittest.defaultTestLoader.loadTestsFromTestCase(ExitWait)
    outcome = unittest.TextTestRunner(verbosity=0).run(suite)
    print(f"\n{'wait':<14} {'seconds':>8} {'RVLN CPU s':>11} {'CPU per s':>10} {'wineserver CPU s':>17}")
    for label, r in RESULTS.items():
        per = r["cpu_seconds"] / r["wall_seconds"] if r["wall_seconds"] else 0
        print(f"{label:<14} {r['wall_seconds']:>8} {r['cpu_seconds']:>11} {per:>10.3f} "
              f"{r['wineserver_cpu_seconds']:>17}")
    out = ROOT / "artifacts" / "bench" / "exit_wait.json"
    out.parent.mkdir(parents=True, exist_ok=True)
    out.write_text(json.dumps({"delay_seconds": DELAY, "waits": RESULTS}, indent=2) + "\n")
    return 0 if outcome.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
