#!/usr/bin/env python3
"""By hand, never part of the test run: how often RVLN.EXE is woken by WM_TIMER while it waits —
idle, started into the tray, with the timer ready, counting, paused and stopped. Expected: about
0 / 0 / 0 / 30 / 0 / 0 over 30-second spans (the countdown ticks every 989 ms while it counts, and
only then).

usage: python3 bench/timer_wakeups.py [BUILD_DIR]   (default build/mingw64)

Counts the "Call window proc ... msg=WM_TIMER" lines of Wine's relay trace; the trace of window
procedures does not depend on RelayInclude, which is set to one cheap function to keep the log
small. Prints a table and writes artifacts/bench/timer_wakeups.json."""

import json
import os
import re
import sys
import time
import unittest
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "e2e"))
sys.dont_write_bytecode = True

from ravelin import SETTINGS_KEY, TEST, RavelinTestCase  # noqa: E402

SPAN = 30
WM_TIMER_LINE = re.compile(r"Call window proc .*msg=WM_TIMER")
RESULTS = {}


class TimerWakeups(RavelinTestCase):
    def count(self, program):
        return sum(1 for line in program.log().splitlines() if WM_TIMER_LINE.search(line))

    def span(self, program):
        before = self.count(program)
        time.sleep(SPAN)
        return self.count(program) - before

    def start_traced(self):
        return self.start_main(env_extra=self.wine.relay_env())

    def stop(self, program, main):
        self.wine.key(main["hwnd"], "X", ctrl=True)
        program.wait(20)

    def test_wakeups(self):
        self.wine.enable_relay("user32.GetTickCount")
        user = SETTINGS_KEY + r"\LocalUser"
        program, main = self.start_traced()
        RESULTS["idle"] = self.span(program)
        self.stop(program, main)

        self.wine.reg_add(user, "Systray", "1")
        program = self.wine.start(env_extra=self.wine.relay_env())
        self.assertTrue(self.wait_until(lambda: self.wine.windows(cls="TForm1", exe="RVLN.EXE"), 30),
                        "the program did not start")
        RESULTS["tray"] = self.span(program)
        main = self.wine.windows(cls="TForm1", exe="RVLN.EXE")[0]
        self.wine.close_window(main["hwnd"])
        program.wait(20)
        self.wine.reg_add(user, "Systray", "0")

        self.wine.reg_add(user + r"\Timer1", "Enabled", 1, "REG_DWORD")
        self.wine.reg_add(user + r"\Timer1", "Edit1", 3600, "REG_DWORD")
        self.wine.reg_add(user + r"\Objects", "ComboBox1", TEST, "REG_DWORD")
        program, main = self.start_traced()
        RESULTS["ready"] = self.span(program)
        self.press_main_button(main)
        RESULTS["counting"] = self.span(program)
        self.wine.key(main["hwnd"], "P")
        RESULTS["paused"] = self.span(program)
        self.wine.key(main["hwnd"], "S")
        RESULTS["stopped"] = self.span(program)
        self.stop(program, main)


def main():
    if len(sys.argv) > 1:
        os.environ["RVLN_BUILD_DIR"] = str(Path(sys.argv[1]).resolve())
    os.environ.setdefault("RVLN_BUILD_DIR", str(ROOT / "build" / "mingw64"))
    suite = unittest.defaultTestLoader.loadTestsFromTestCase(TimerWakeups)
    outcome = unittest.TextTestRunner(verbosity=0).run(suite)
    print(f"\n{'state':<10} {'WM_TIMER per %d s' % SPAN:>18} {'per minute':>11}")
    for state, count in RESULTS.items():
        print(f"{state:<10} {count:>18} {count * 60 // SPAN:>11}")
    out = ROOT / "artifacts" / "bench" / "timer_wakeups.json"
    out.parent.mkdir(parents=True, exist_ok=True)
    out.write_text(json.dumps({"span_seconds": SPAN, "wm_timer": RESULTS}, indent=2) + "\n")
    return 0 if outcome.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
