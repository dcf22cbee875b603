#!/usr/bin/env python3
"""By hand, not part of the test run: how often RVLN.EXE is woken by WM_TIMER while it idles,
while the timer is ready, counting, paused and stopped. Expected: about 0 / 0 / 30 / 0 / 0 over
30-second spans (the countdown ticks every 989 ms while it counts, and only then).

usage: RVLN_BUILD_DIR=build/mingw64 /work/wine-slot.sh python3 tests/e2e/bench_timer_wakeups.py

Counts the "Call window proc ... msg=WM_TIMER" lines of Wine's relay trace; the trace of window
procedures does not depend on RelayInclude, which is set to one cheap function to keep the log
small."""

import re
import sys
import time
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
sys.dont_write_bytecode = True

from ravelin import SETTINGS_KEY, TEST, RavelinTestCase  # noqa: E402

SPAN = 30
WM_TIMER_LINE = re.compile(r"Call window proc .*msg=WM_TIMER")


class TimerWakeups(RavelinTestCase):
    def count(self, program):
        return sum(1 for line in program.log().splitlines() if WM_TIMER_LINE.search(line))

    def span(self, program):
        before = self.count(program)
        time.sleep(SPAN)
        return self.count(program) - before

    def test_wakeups(self):
        self.wine.enable_relay("user32.GetTickCount")
        idle, main = self.start_main(env_extra=self.wine.relay_env())
        results = {"idle": self.span(idle)}
        self.wine.key(main["hwnd"], "X", ctrl=True)
        idle.wait(20)

        user = SETTINGS_KEY + r"\LocalUser"
        self.wine.reg_add(user + r"\Timer1", "Enabled", 1, "REG_DWORD")
        self.wine.reg_add(user + r"\Timer1", "Edit1", 3600, "REG_DWORD")
        self.wine.reg_add(user + r"\Objects", "ComboBox1", TEST, "REG_DWORD")
        program, main = self.start_main(env_extra=self.wine.relay_env())
        results["ready"] = self.span(program)
        self.press_main_button(main)
        results["counting"] = self.span(program)
        self.wine.key(main["hwnd"], "P")
        results["paused"] = self.span(program)
        self.wine.key(main["hwnd"], "S")
        results["stopped"] = self.span(program)
        print("\nWM_TIMER per %d s: %s" % (SPAN, " / ".join(f"{k} {v}" for k, v in results.items())))
        self.wine.key(main["hwnd"], "X", ctrl=True)


if __name__ == "__main__":
    unittest.main()
