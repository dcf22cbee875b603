"""The FORCE guard of the main window, with Wine's own registry editor as the guarded program.

Wine's regedit registers the frame class "RegEdit_RegEdit", the class the guard looks for, so no
stand-in program is needed. The registry editor is started after RVLN.EXE, so that it lies above
the program's window in the stacking order: Wine, like Windows under its foreground lock, does not
raise a window that is made the foreground window, and the guard must find it all the same.
"""

import unittest

from ravelin import FORCE_POSITIONS, METHODS_NT, METHODS_WIN9X, RavelinTestCase

REGEDIT_REFUSAL = (
    "INFO: This shutdown-option does not work, because:\r\r"
    "MICROSOFT Registration-Editor is active!\r\r"
    "Please close the Registration-Editor, before using a FORCE option!\r"
    "This is a safety function to avoid getting a corrupt registration, if\r"
    "forcing the Registration-Editor to close!")

FORCE_HINT_WIN9X = "*resident programs might hang!"
REBOOT = 1


class ForceGuardTest(RavelinTestCase):
    def check_guard(self, methods, force_hint):
        program, main = self.start_main()
        self.wine.start(exe="regedit.exe")
        regedit = self.wine.wait_window("RegEdit_RegEdit", exe="regedit.exe", timeout=30)
        self.assertIsNotNone(regedit, "the registry editor did not open")
        self.select_method(main, REBOOT)
        self.assertTrue(self.no_box(2), "a box came up for a method without FORCE")

        for position in FORCE_POSITIONS:
            with self.subTest(entry=methods[position]):
                self.select_method(main, position)
                box = self.wine.message_box(exe="RVLN.EXE", timeout=15)
                self.assertIsNotNone(box, "no refusal while the registry editor runs")
                self.assertEqual(box["caption"], "Information")
                self.assertEqual(box["text"], REGEDIT_REFUSAL)
                self.assertEqual([b["name"] for b in box["buttons"]], ["OK"])
                if position == FORCE_POSITIONS[0]:
                    self.wine.screenshot("refusal")
                self.wine.answer_box("OK", exe="RVLN.EXE")
                self.assertTrue(self.no_box(1), "more than one box for one registry editor")
                self.assertEqual(self.selected(main), REBOOT, "the list did not go back")
                self.assertEqual(self.control(main, "Label1")["text"], "")

        self.wine.close_window(regedit["hwnd"])
        self.assertTrue(self.wine.wait_gone(regedit["hwnd"], timeout=20), "the registry editor stayed")
        for position in FORCE_POSITIONS:
            with self.subTest(entry=methods[position], regedit="closed"):
                self.select_method(main, position)
                self.assertTrue(self.no_box(1), "refused although the registry editor is closed")
                self.assertEqual(self.selected(main), position)
                self.assertEqual(self.control(main, "Label1")["text"], force_hint)
        self.assertTrue(program.running())

    def test_windows_98(self):
        self.check_guard(METHODS_WIN9X, FORCE_HINT_WIN9X)

    def test_windows_nt4(self):
        self.wine.set_os("nt40")
        self.check_guard(METHODS_NT, "")


if __name__ == "__main__":
    unittest.main()
