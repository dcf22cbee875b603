"""The ask dialog of RVLN.EXE on Windows 98, driven like a user: its choices beside a guarded
program, its task boxes and their menu keys, OK with a method that restarts the program, the
choices it remembers, and Cancel."""

import time
import unittest

from ravelin import SETTINGS_KEY, RavelinTestCase, split_command_line

OBJECTS_KEY = SETTINGS_KEY + r"\LocalUser\Objects"
GUARDS_KEY = SETTINGS_KEY + r"\LocalUser\Guards"
CAPTION = " " * 32 + "Ravelin HOW?"
WS_EX_CONTEXTHELP = 0x400
VK_E, VK_U = 0x45, 0x55

CHOICES_WITHOUT_FORCE = [
    "ShutDown (+Power OFF)", "ShutDown and ReBoot", "LogOFF and LogON again", "Power OFF (APM/Battery)",
    "TEST with MessageBox", "ShutDown into MS-DOS mode", "Restart Windows 95/98",
]
ALL_CHOICES = CHOICES_WITHOUT_FORCE[:3] + [
    "FORCE ShutDown* (+Pw. OFF)", "FORCE ReBoot*", "FORCE Close(/ReLog)*"] + CHOICES_WITHOUT_FORCE[3:]
TASK_BOXES = ["CheckBox2", "CheckBox3", "CheckBox4", "CheckBox1", "CheckBox5"]


class AskDialogTest(RavelinTestCase):
    def open_dialog(self, main):
        """Presses the main button (ASK is the default entry) and returns the dialog once it has
        grown to its size."""
        self.press_main_button(main)
        deadline = time.monotonic() + 30
        last = None
        while time.monotonic() < deadline:
            found = self.wine.windows(cls="TForm3", exe="RVLN.EXE", visible=True)
            if found and found[0]["enabled"] and found[0]["client"] == {"width": 426, "height": 296}:
                if last == found[0]["rect"]:
                    return found[0]
                last = found[0]["rect"]
            time.sleep(0.2)
        self.fail("the ask dialog did not come up at its size")

    def choices(self, dialog):
        controls = self.wine.controls(dialog["hwnd"])
        items = sorted((c for name, c in controls.items() if name.startswith("RadioGroup1.Item")),
                       key=lambda c: int(c["name"][len("RadioGroup1.Item"):]))
        return controls, items

    def test_choices_tasks_ok_and_cancel(self):
        self.wine.reg_add(GUARDS_KEY, "Init", 1, "REG_DWORD")
        self.wine.enable_relay("user32.ExitWindowsEx")
        first, main = self.start_main(env_extra=self.wine.relay_env())
        self.wine.start(exe="regedit.exe")
        regedit = self.wine.wait_window("RegEdit_RegEdit", exe="regedit.exe", timeout=30)
        self.assertIsNotNone(regedit, "the registry editor did not open")

        # Beside the registry editor: no FORCE entry, and no word about it.
        dialog = self.open_dialog(main)
        self.assertEqual(dialog["title"], CAPTION)
        self.assertTrue(dialog["exstyle"] & WS_EX_CONTEXTHELP, "no help button")
        controls, items = self.choices(dialog)
        self.assertEqual([c["text"] for c in items], CHOICES_WITHOUT_FORCE)
        self.assertEqual([c["check"] for c in items], [1, 0, 0, 0, 0, 0, 0])
        self.assertEqual(controls["StatusBar1"]["panels"][0]["text"], "Shutdown (+ PowerOFF) the system normally.")
        self.assertEqual([controls[b]["enabled"] for b in TASK_BOXES], [False, False, True, False, False])
        self.assertTrue(self.no_box(1), "a box came up with the dialog")
        self.wine.screenshot("dialog", rect=dialog["rect"])

        # The menu keys reach only the enabled box.
        init = controls["CheckBox4"]["hwnd"]
        self.assertEqual(self.wine.find("CheckBox4", top=dialog["hwnd"])["check"], 1)
        self.wine.key(dialog["hwnd"], VK_U, ctrl=True)
        self.assertTrue(self.wait_until(lambda: self.wine.find("CheckBox4", top=dialog["hwnd"])["check"] == 0))
        self.wine.key(dialog["hwnd"], VK_E, ctrl=True)
        self.assertTrue(self.wait_until(lambda: self.wine.find("CheckBox4", top=dialog["hwnd"])["check"] == 1))
        self.assertEqual([self.wine.find(b, top=dialog["hwnd"])["check"] for b in TASK_BOXES], [0, 0, 1, 0, 0])

        # The boxes' own context menu, with the reset to the defaults as its default item.
        self.wine.click(controls["ScrollBox1"]["hwnd"], right=True)
        menu = self.wine.wait_window("#32768", timeout=10)
        self.assertIsNotNone(menu, "the boxes' context menu did not open")
        self.wine.screenshot("context-menu")
        self.wine.key(menu["hwnd"], 0x1B, post=True)
        self.assertTrue(self.wine.wait_gone(menu["hwnd"], timeout=10), "the context menu stayed")

        # Cancel: the dialog goes, nothing ends, the program runs on.
        self.wine.click(controls["BitBtn2"]["hwnd"])
        self.assertTrue(self.wine.wait_gone(dialog["hwnd"], timeout=20) or
                        not self.wine.windows(cls="TForm3", exe="RVLN.EXE", visible=True), "the dialog stayed")
        time.sleep(1)
        self.assertTrue(first.running())
        self.assertEqual(self.wine.relay_arguments(first, "ExitWindowsEx"), [])
        self.assertEqual(self.wine.reg_query(OBJECTS_KEY, "AskWindow"), None, "Cancel stored a choice")

        # OK with the TEST method and the drives left alone.
        dialog = self.open_dialog(main)
        controls, items = self.choices(dialog)
        test = next(c for c in items if c["text"] == "TEST with MessageBox")
        self.wine.click(test["hwnd"])
        self.wine.click(controls["CheckBox4"]["hwnd"])
        self.assertEqual(self.wine.find("CheckBox4", top=dialog["hwnd"])["check"], 0)
        self.assertEqual(self.wine.find("StatusBar1", top=dialog["hwnd"])["panels"][0]["text"],
                         "... for testing purposes ...")
        self.wine.click(controls["BitBtn1"]["hwnd"])
        box = self.wine.message_box(exe="RVLN.EXE", timeout=30)
        self.assertIsNotNone(box, "the TEST method showed no box")
        self.assertTrue(box["text"].startswith("This is a message, generated by"), box["text"])
        self.assertEqual(self.wine.reg_query(OBJECTS_KEY, "AskWindow"), ("REG_DWORD", 7))
        self.assertEqual(self.wine.reg_query(OBJECTS_KEY, "AskInitLocalDrives"), ("REG_DWORD", 0))
        log = (self.wine.program_dir / "RVLN.LOG").read_bytes()
        self.assertIn(b"TEST with MessageBox", log)
        self.assertEqual(self.wine.relay_arguments(first, "ExitWindowsEx"), [])
        self.wine.answer_box("OK", exe="RVLN.EXE")
        self.assertEqual(first.wait(20), 0, "the first copy did not end")

        # The fresh copy, with the registry editor gone, offers everything and remembers.
        self.wine.close_window(regedit["hwnd"])
        self.assertTrue(self.wine.wait_gone(regedit["hwnd"], timeout=20), "the registry editor stayed")
        again = self.wine.wait_window("TForm1", exe="RVLN.EXE", timeout=30)
        self.assertIsNotNone(again, "no fresh copy came up")
        again = self.wait_settled(again["hwnd"])
        copy = self.wine.processes(exe="RVLN.EXE")[0]
        self.assertEqual(split_command_line(copy["command_line"])[1], "/Q")
        dialog = self.open_dialog(again)
        controls, items = self.choices(dialog)
        self.assertEqual([c["text"] for c in items], ALL_CHOICES)
        self.assertEqual([c["check"] for c in items].index(1), 7)
        self.assertEqual(controls["CheckBox4"]["check"], 0, "the unticked box was not remembered")
        self.assertTrue(controls["CheckBox4"]["enabled"])
        self.wine.screenshot("copy-dialog", rect=dialog["rect"])
        self.wine.click(controls["BitBtn2"]["hwnd"])
        self.assertTrue(self.wait_until(
            lambda: not self.wine.windows(cls="TForm3", exe="RVLN.EXE", visible=True), timeout=20))
        self.assertEqual(len(self.wine.processes(exe="RVLN.EXE")), 1, "the copy did not keep running")


if __name__ == "__main__":
    unittest.main()
